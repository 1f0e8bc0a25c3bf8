#include "link/protocol_trace.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "link/protocol.h"

namespace kw {
namespace {

constexpr std::size_t kPasswordFirst = protocol::kPasswordInFrame;
constexpr std::size_t kPasswordInReply = protocol::kReadReplyHeaderSize + kPasswordFirst;

bool isHeaderOf(std::span<const std::uint8_t> bytes, std::uint8_t command) {
    const auto header = protocol::frameHeader(command, protocol::kPasswordFrame);
    return std::ranges::equal(bytes, header);
}

}  // namespace

std::shared_ptr<ProtocolTrace> ProtocolTrace::create(const std::string& path, std::string& error) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = "Cannot write the trace \"" + path + "\": " + std::strerror(errno) + ".";
        return nullptr;
    }
    return std::shared_ptr<ProtocolTrace>(new ProtocolTrace(fd));
}

ProtocolTrace::~ProtocolTrace() {
    ::close(fd_);
}

void ProtocolTrace::bytes(const std::string& label, Direction direction,
                          std::span<const std::uint8_t> bytes, Masked masked) {
    std::string text = direction == Direction::Sent ? ">" : "<";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::array<char, 4> hex{};
        std::snprintf(hex.data(), hex.size(), " %02X", bytes[i]);
        text += i >= masked.begin && i < masked.end ? std::string(" **") : std::string(hex.data());
    }
    line(label, text);
}

void ProtocolTrace::timeout(const std::string& label) {
    line(label, "< timeout");
}

// One write() per line, so lines of ports sharing the trace never mix.
void ProtocolTrace::line(const std::string& label, const std::string& text) {
    const std::lock_guard lock(mutex_);
    const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(
                             std::chrono::steady_clock::now() - start_)
                             .count();
    std::array<char, 32> clock{};
    std::snprintf(clock.data(), clock.size(), "%lld.%03lld ",
                  static_cast<long long>(elapsed / 1000), static_cast<long long>(elapsed % 1000));
    std::string whole = clock.data();
    if (!label.empty()) {
        whole += label + ' ';
    }
    whole += text + '\n';
    std::size_t done = 0;
    while (done < whole.size()) {
        const ssize_t put = ::write(fd_, whole.data() + done, whole.size() - done);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            // A trace that cannot be written never stops a transfer; the command tells.
            if (failure_.empty()) {
                failure_ = put < 0 ? std::strerror(errno) : "nothing could be written";
            }
            return;
        }
        done += static_cast<std::size_t>(put);
    }
}

std::string ProtocolTrace::failure() const {
    const std::lock_guard lock(mutex_);
    return failure_;
}

void TraceSwitch::set(std::shared_ptr<ProtocolTrace> trace) {
    const std::lock_guard lock(mutex_);
    trace_ = std::move(trace);
}

std::shared_ptr<ProtocolTrace> TraceSwitch::current() const {
    const std::lock_guard lock(mutex_);
    return trace_;
}

PortOpenResult TracingSerialPort::open(const std::string& portName) {
    next_ = Secret::None;
    if (source_) {
        trace_ = source_->current();
    }
    return inner_->open(portName);
}

PortReadResult TracingSerialPort::read(std::span<std::uint8_t> buffer) {
    const PortReadResult got = inner_->read(buffer);
    if (!trace_) {
        return got;
    }
    if (got.count == 0) {
        trace_->timeout(label_);
        return got;
    }
    ProtocolTrace::Masked masked;
    if (next_ == Secret::InReply) {
        // The reply may come in pieces: mask by position in the whole reply.
        const std::size_t from = std::max(replyPosition_, kPasswordInReply);
        const std::size_t to = std::min(replyPosition_ + got.count, protocol::kReadReplySize);
        if (from < to) {
            masked = {from - replyPosition_, to - replyPosition_};
        }
        replyPosition_ += got.count;
    }
    trace_->bytes(label_, ProtocolTrace::Direction::Received, buffer.first(got.count), masked);
    return got;
}

PortWriteResult TracingSerialPort::write(std::span<const std::uint8_t> bytes) {
    ProtocolTrace::Masked masked;
    if (next_ == Secret::InWrittenFrame && bytes.size() == protocol::kFrameLength) {
        masked = {kPasswordFirst, protocol::kFrameLength};
    }
    if (isHeaderOf(bytes, protocol::kReadCommand)) {
        next_ = Secret::InReply;
        replyPosition_ = 0;
    } else if (isHeaderOf(bytes, protocol::kWriteCommand)) {
        next_ = Secret::InWrittenFrame;
    } else {
        next_ = Secret::None;
    }
    const PortWriteResult put = inner_->write(bytes);
    if (trace_ && put.count > 0) {
        trace_->bytes(label_, ProtocolTrace::Direction::Sent, bytes.first(put.count), masked);
    }
    return put;
}

std::unique_ptr<SerialPort> withTrace(std::unique_ptr<SerialPort> port,
                                      std::shared_ptr<ProtocolTrace> trace, std::string label) {
    if (!trace) {
        return port;
    }
    return std::make_unique<TracingSerialPort>(std::move(port), std::move(trace), std::move(label));
}

}  // namespace kw
