#pragma once
// Every question the program asks goes through here, so a test can answer it in advance.

#include <QMessageBox>
#include <QString>
#include <deque>

class QWidget;

namespace kw::app {

class MessageBoxes {
  public:
    enum class Buttons { Ok, OkCancel, YesNoCancel, RetryCancel };
    enum class Answer { Ok, Cancel, Yes, No, Retry };

    // The caption of a box without one of its own: "Program" until start-up sets Company.
    void setCaption(const QString& caption) { caption_ = caption; }
    const QString& caption() const { return caption_; }

    // `details`, when there are any, are behind the box's Details button.
    Answer show(QWidget* parent, const QString& text, Buttons buttons = Buttons::Ok,
                QMessageBox::Icon icon = QMessageBox::Warning, const QString& caption = {},
                const QString& details = {});

    // The next show() returns `answer` at once instead of asking.
    void setNextAnswer(Answer answer) { nextAnswers_.push_back(answer); }
    // What the last show() asked and how often anything was asked.
    const QString& lastText() const { return lastText_; }
    const QString& lastDetails() const { return lastDetails_; }
    int askedCount() const { return askedCount_; }

  private:
    QString caption_ = QStringLiteral("Program");
    std::deque<Answer> nextAnswers_;
    QString lastText_;
    QString lastDetails_;
    int askedCount_ = 0;
};

}  // namespace kw::app
