#pragma once
// Every file name the user chooses comes through here, so a test can choose it in advance.

#include <QString>
#include <deque>

class QWidget;

namespace kw::app {

class FileDialogs {
  public:
    // An empty result means the user cancelled.
    QString openFileName(QWidget* parent, const QString& filter);
    QString saveFileName(QWidget* parent, const QString& proposed, const QString& filter);

    // The next dialog returns `fileName` at once; an empty name answers as Cancel would.
    void setNextFileName(const QString& fileName) { nextNames_.push_back(fileName); }
    // The name the last Save As dialog proposed.
    const QString& lastProposed() const { return lastProposed_; }

  private:
    bool takeNext(QString& fileName);

    std::deque<QString> nextNames_;
    QString lastProposed_;
};

}  // namespace kw::app
