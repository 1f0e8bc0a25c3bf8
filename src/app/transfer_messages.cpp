#include "app/transfer_messages.h"

#include "app/cable_details.h"
#include "app/message_boxes.h"
#include "app/qt_text.h"

namespace kw::app {

void showTransferMessage(MessageBoxes& messages, QWidget* parent, const TransferMessage& message,
                         Language language, const QString& applicationTitle,
                         const std::string& portName) {
    QString text = toQString(messageText(message, language));
    if (!message.detail.empty()) {
        text += QStringLiteral("\n\n") + toQString(message.detail);
    }
    // The cure of every port problem starts in the same place.
    QString details;
    if (const auto* id = std::get_if<MessageId>(&message.text);
        id && *id == MessageId::CouldNotOpenPort) {
        text += QStringLiteral("\n\n") +
                toQString(builtInText(BuiltInText::ChoosePortInComSetup, language));
        details = cableDetails(portName);
    }
    const bool builtIn = std::holds_alternative<BuiltInText>(message.text);
    messages.show(parent, text, MessageBoxes::Buttons::Ok, QMessageBox::Warning,
                  builtIn ? applicationTitle : QString(), details);
}

RetryAnswer askTransferRetry(MessageBoxes& messages, QWidget* parent, MessageId id,
                             Language language, const std::string& portName) {
    // No answer: what stands between the cable and the radio may show in the checks.
    const auto answer =
        messages.show(parent, toQString(messageText(id, language)),
                      MessageBoxes::Buttons::RetryCancel, QMessageBox::Warning, {},
                      id == MessageId::CommunicationError ? cableDetails(portName) : QString());
    return answer == MessageBoxes::Answer::Retry ? RetryAnswer::Retry : RetryAnswer::Cancel;
}

}  // namespace kw::app
