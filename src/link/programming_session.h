#pragma once
// One whole Read or Write over a serial port: wake-up and identification (twice), the
// model and password checks, and the 8-byte frames of both memory areas.

#include <optional>
#include <string>

#include "link/serial_port.h"
#include "link/session_observer.h"
#include "link/sleeper.h"
#include "model/radio_image.h"

namespace kw {

enum class TransferDirection { Read, Write };
enum class TransferOutcome { Done, Cancelled, Failed };

struct [[nodiscard]] TransferResult {
    TransferOutcome outcome = TransferOutcome::Done;
    std::optional<TransferMessage> message;  // what the user was told, if anything

    explicit operator bool() const { return outcome == TransferOutcome::Done; }
};

inline constexpr int kProgressRange = 191;

class ProgrammingSession {
  public:
    ProgrammingSession(SerialPort& port, SessionObserver& observer, Sleeper& sleeper)
        : port_(port), observer_(observer), sleeper_(sleeper) {}

    // The port is closed on every way out. A Read puts the radio's memory into `image`
    // only once every frame has arrived; a failed or cancelled Read leaves it untouched.
    // A Write leaves `image` as it is.
    TransferResult run(TransferDirection direction, RadioImage& image, const std::string& portName);

  private:
    SerialPort& port_;
    SessionObserver& observer_;
    Sleeper& sleeper_;
};

}  // namespace kw
