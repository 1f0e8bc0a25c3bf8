#pragma once
// How a transfer's questions and messages are put to the user, by every window that runs
// one: the Process window and the Read a comparison makes.

#include <QString>
#include <string>

#include "link/programming_session.h"

class QWidget;

namespace kw::app {

class MessageBoxes;

// `applicationTitle` is the caption of the built-in messages; the string-table ones
// take the program's caption. A port that cannot be opened or a radio that does not
// answer gets a Details button with the cable's checks of `portName`.
void showTransferMessage(MessageBoxes& messages, QWidget* parent, const TransferMessage& message,
                         Language language, const QString& applicationTitle,
                         const std::string& portName);
RetryAnswer askTransferRetry(MessageBoxes& messages, QWidget* parent, MessageId id,
                             Language language, const std::string& portName);

}  // namespace kw::app
