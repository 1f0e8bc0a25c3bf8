#include "app/message_boxes.h"

namespace kw::app {
namespace {

QMessageBox::StandardButtons standardButtons(MessageBoxes::Buttons buttons) {
    switch (buttons) {
        case MessageBoxes::Buttons::Ok:
            return QMessageBox::Ok;
        case MessageBoxes::Buttons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageBoxes::Buttons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MessageBoxes::Buttons::RetryCancel:
            return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

MessageBoxes::Answer answerOf(int button) {
    switch (button) {
        case QMessageBox::Ok:
            return MessageBoxes::Answer::Ok;
        case QMessageBox::Yes:
            return MessageBoxes::Answer::Yes;
        case QMessageBox::No:
            return MessageBoxes::Answer::No;
        case QMessageBox::Retry:
            return MessageBoxes::Answer::Retry;
        default:
            return MessageBoxes::Answer::Cancel;
    }
}

}  // namespace

MessageBoxes::Answer MessageBoxes::show(QWidget* parent, const QString& text, Buttons buttons,
                                        QMessageBox::Icon icon, const QString& caption,
                                        const QString& details) {
    lastText_ = text;
    lastDetails_ = details;
    ++askedCount_;
    if (!nextAnswers_.empty()) {
        const Answer answer = nextAnswers_.front();
        nextAnswers_.pop_front();
        return answer;
    }
    QMessageBox box(icon, caption.isEmpty() ? caption_ : caption, text, standardButtons(buttons),
                    parent);
    box.setDetailedText(details);
    return answerOf(box.exec());
}

}  // namespace kw::app
