#pragma once
// Every file name the user chooses comes through here, so a test can choose it in advance.

#include <QString>
#include <deque>

class QWidget;

namespace kw::app {

// The filter of every dialog that chooses a document file.
inline const QString kDocumentFilter = QStringLiteral("Program Document (*.dat)");

class FileDialogs {
  public:
    // An empty result means the user cancelled. `folder` is where the Open dialog starts;
    // empty for the last folder used. With `chosenFilter`, the filter (of those `filter`
    // lists, ";;" apart) the user chose comes back in it.
    QString openFileName(QWidget* parent, const QString& filter, const QString& folder = {},
                         const QString& caption = {}, QString* chosenFilter = nullptr);
    QString saveFileName(QWidget* parent, const QString& proposed, const QString& filter,
                         QString* chosenFilter = nullptr);

    // The next dialog returns `fileName` at once; an empty name answers as Cancel would.
    void setNextFileName(const QString& fileName) { nextNames_.push_back(fileName); }
    // ...chosen with this filter; without one, the first filter is chosen.
    void setNextFilter(const QString& filter) { nextFilters_.push_back(filter); }
    // The name the last Save As dialog proposed.
    const QString& lastProposed() const { return lastProposed_; }
    // The folder the last Open dialog started in.
    const QString& lastFolder() const { return lastFolder_; }

  private:
    bool takeNext(QString& fileName, const QString& filter, QString* chosenFilter);

    std::deque<QString> nextNames_;
    std::deque<QString> nextFilters_;
    QString lastProposed_;
    QString lastFolder_;
};

}  // namespace kw::app
