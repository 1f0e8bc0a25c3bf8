#pragma once
// A text record of every byte that crossed the line, for support: one line per read or
// write that moved bytes, "12.345 > 02 50 52", milliseconds since the trace began (one
// clock for every session of a command). Lines go straight to the file, so a crash leaves
// the record so far. The radio's password never appears: its bytes are written "**".

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <utility>

#include "link/serial_port.h"

namespace kw {

class ProtocolTrace {
  public:
    // Creates or empties the file; nothing, with the reason in `error`, when it cannot.
    [[nodiscard]] static std::shared_ptr<ProtocolTrace> create(const std::string& path,
                                                               std::string& error);
    ~ProtocolTrace();
    ProtocolTrace(const ProtocolTrace&) = delete;
    ProtocolTrace& operator=(const ProtocolTrace&) = delete;

    enum class Direction { Sent, Received };
    // Bytes [begin, end) of a line are shown as "**".
    struct Masked {
        std::size_t begin = 0;
        std::size_t end = 0;
    };
    // `label` names the port when several share the trace, else it is empty.
    void bytes(const std::string& label, Direction direction, std::span<const std::uint8_t> bytes,
               Masked masked);
    void timeout(const std::string& label);
    // Why lines were lost (the file filled up, ...), or empty while every line landed.
    [[nodiscard]] std::string failure() const;

  private:
    explicit ProtocolTrace(int fd) : fd_(fd) {}
    void line(const std::string& label, const std::string& text);

    int fd_;
    mutable std::mutex mutex_;  // several ports may share one trace
    std::string failure_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// The trace of a program whose user turns tracing on and off while it runs (the desktop
// program's preference): ports take the one of the moment they open.
class TraceSwitch {
  public:
    void set(std::shared_ptr<ProtocolTrace> trace);
    [[nodiscard]] std::shared_ptr<ProtocolTrace> current() const;

  private:
    mutable std::mutex mutex_;
    std::shared_ptr<ProtocolTrace> trace_;
};

// A SerialPort that records what passes through another into a trace.
class TracingSerialPort final : public SerialPort {
  public:
    TracingSerialPort(std::unique_ptr<SerialPort> inner, std::shared_ptr<ProtocolTrace> trace,
                      std::string label = {})
        : inner_(std::move(inner)), trace_(std::move(trace)), label_(std::move(label)) {}
    // Records into the switch's trace of each open, if it has one then.
    TracingSerialPort(std::unique_ptr<SerialPort> inner, std::shared_ptr<const TraceSwitch> source)
        : inner_(std::move(inner)), source_(std::move(source)) {}

    PortOpenResult open(const std::string& portName) override;
    void close() override { inner_->close(); }
    bool isOpen() const override { return inner_->isOpen(); }
    void purge(PurgeMode mode) override { inner_->purge(mode); }
    PortReadResult read(std::span<std::uint8_t> buffer) override;
    PortWriteResult write(std::span<const std::uint8_t> bytes) override;

  private:
    enum class Secret { None, InReply, InWrittenFrame };

    std::unique_ptr<SerialPort> inner_;
    std::shared_ptr<const TraceSwitch> source_;
    std::shared_ptr<ProtocolTrace> trace_;
    std::string label_;
    Secret next_ = Secret::None;  // where the password comes next, by the last frame header
    std::size_t replyPosition_ = 0;
};

}  // namespace kw

namespace kw {

// `port` itself without a trace, else `port` recorded into it.
[[nodiscard]] std::unique_ptr<SerialPort> withTrace(std::unique_ptr<SerialPort> port,
                                                    std::shared_ptr<ProtocolTrace> trace,
                                                    std::string label = {});

}  // namespace kw
