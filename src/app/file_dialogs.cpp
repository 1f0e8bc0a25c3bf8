#include "app/file_dialogs.h"

#include <QFileDialog>

namespace kw::app {

bool FileDialogs::takeNext(QString& fileName, const QString& filter, QString* chosenFilter) {
    if (nextNames_.empty()) {
        return false;
    }
    fileName = nextNames_.front();
    nextNames_.pop_front();
    if (chosenFilter) {
        *chosenFilter = filter.section(QStringLiteral(";;"), 0, 0);
        if (!nextFilters_.empty()) {
            *chosenFilter = nextFilters_.front();
            nextFilters_.pop_front();
        }
    }
    return true;
}

QString FileDialogs::openFileName(QWidget* parent, const QString& filter, const QString& folder,
                                  const QString& caption, QString* chosenFilter) {
    lastFolder_ = folder;
    QString fileName;
    if (takeNext(fileName, filter, chosenFilter)) {
        return fileName;
    }
    return QFileDialog::getOpenFileName(parent, caption, folder, filter, chosenFilter);
}

QString FileDialogs::saveFileName(QWidget* parent, const QString& proposed, const QString& filter,
                                  QString* chosenFilter) {
    lastProposed_ = proposed;
    QString fileName;
    if (takeNext(fileName, filter, chosenFilter)) {
        return fileName;
    }
    return QFileDialog::getSaveFileName(parent, {}, proposed, filter, chosenFilter);
}

}  // namespace kw::app
