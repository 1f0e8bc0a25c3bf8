#include "app/transfer_messages.h"

#include "app/message_boxes.h"
#include "app/qt_text.h"

namespace kw::app {

void showTransferMessage(MessageBoxes& messages, QWidget* parent, const TransferMessage& message,
                         Language language, const QString& applicationTitle) {
    QString text = toQString(messageText(message, language));
    if (!message.detail.empty()) {
        text += QStringLiteral("\n\n") + toQString(message.detail);
    }
    // The cure of every port problem starts in the same place.
    if (const auto* id = std::get_if<MessageId>(&message.text);
        id && *id == MessageId::CouldNotOpenPort) {
        text += QStringLiteral("\n\n") +
                toQString(builtInText(BuiltInText::ChoosePortInComSetup, language));
    }
    const bool builtIn = std::holds_alternative<BuiltInText>(message.text);
    messages.show(parent, text, MessageBoxes::Buttons::Ok, QMessageBox::Warning,
                  builtIn ? applicationTitle : QString());
}

RetryAnswer askTransferRetry(MessageBoxes& messages, QWidget* parent, MessageId id,
                             Language language) {
    const auto answer = messages.show(parent, toQString(messageText(id, language)),
                                      MessageBoxes::Buttons::RetryCancel);
    return answer == MessageBoxes::Answer::Retry ? RetryAnswer::Retry : RetryAnswer::Cancel;
}

}  // namespace kw::app
