#include "transfer_run.h"

#include <unistd.h>

#include <charconv>

#include "exit_status.h"
#include "interrupt_watch.h"
#include "link/posix_serial_port.h"
#include "link/transfer_commands.h"
#include "terminal_observer.h"

namespace kw::cli {
namespace {

constexpr int kMaxRetries = 1000;

// Until the channel grid takes part, the product state stands in for it: the grid
// commit writes the product block and band bytes, the refill derives them back.
class ProductStateSync final : public GridSync {
  public:
    ProductStateSync(ProductState& product, RadioImage& image) : product_(product), image_(image) {}

    void cellCommit() override {}
    void gridCommit() override { product_.writeInto(image_); }
    void refill() override { product_.deriveFrom(image_); }

  private:
    ProductState& product_;
    RadioImage& image_;
};

std::optional<int> retriesOf(const Arguments& arguments, std::ostream& err) {
    const std::string text = arguments.value(kRetryOption.name, "0");
    int retries = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), retries);
    if (error != std::errc{} || end != text.data() + text.size() || retries < 0 ||
        retries > kMaxRetries) {
        err << "--retry needs a whole number from 0 to " << kMaxRetries << ".\n";
        return std::nullopt;
    }
    return retries;
}

}  // namespace

int runTransfer(TransferDirection direction, CProgramDoc& document, const Arguments& arguments,
                CommandContext& context) {
    const auto retries = retriesOf(arguments, context.err);
    if (!retries) {
        return kBadInput;
    }
    const std::string portName = arguments.value(kPortOption.name);
    if (portName.empty()) {
        context.err << "Name the radio's port with --port (COM1-COM16 or a device path).\n";
        return kBadInput;
    }
    ProductStateSync grid(context.product, document.image());
    TransferCommands commands;
    const bool offered =
        direction == TransferDirection::Read ? commands.onRead() : commands.onWrite(grid);
    if (!offered || !commands.start()) {
        return kBadInput;
    }
    InterruptWatch interrupts;
    TerminalObserver observer(context.err, interrupts, *retries, STDIN_FILENO);
    PosixSerialPort port;
    ThreadSleeper sleeper;
    ProgrammingSession session(port, observer, sleeper);
    const TransferResult result = commands.onTransfer(grid, session, document.image(), portName);
    observer.finish();
    switch (result.outcome) {
        case TransferOutcome::Done:
            return kDone;
        case TransferOutcome::Cancelled:
            context.err << "Cancelled.\n";
            return kCancelled;
        case TransferOutcome::Failed:
            return interrupts.interrupted() ? kCancelled : kRadioFailure;
    }
    return kRadioFailure;
}

}  // namespace kw::cli
