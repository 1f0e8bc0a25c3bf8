#pragma once
// How a programming session talks to its user. The session calls it from the thread it
// runs on: the desktop's transfer worker hands the calls to the Process window's thread,
// the command line answers with a progress bar on the terminal and Ctrl-C.

#include <string>
#include <variant>

#include "res/messages.h"

namespace kw {

// A message by string-table ID or built-in text, with an optional second line that
// names the device and what to do about it.
struct TransferMessage {
    std::variant<MessageId, BuiltInText> text;
    std::string detail;

    friend bool operator==(const TransferMessage&, const TransferMessage&) = default;
};

[[nodiscard]] std::string_view messageText(const TransferMessage& message, Language language);

enum class RetryAnswer { Retry, Cancel };

class SessionObserver {
  public:
    virtual ~SessionObserver() = default;

    virtual void setStatus(BuiltInText text) = 0;
    // The bar moved to `position` (1-191); the status line shows that number.
    virtual void setProgress(int position) = 0;
    // Whether the user has asked to cancel. Asked before each wake-up and after each row.
    virtual bool cancelRequested() = 0;
    // Message 61449 with Retry and Cancel.
    virtual RetryAnswer askRetry(MessageId id) = 0;
    // A message with OK; the session has closed the port by then.
    virtual void showMessage(const TransferMessage& message) = 0;
};

}  // namespace kw
