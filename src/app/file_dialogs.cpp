#include "app/file_dialogs.h"

#include <QFileDialog>

namespace kw::app {

bool FileDialogs::takeNext(QString& fileName) {
    if (nextNames_.empty()) {
        return false;
    }
    fileName = nextNames_.front();
    nextNames_.pop_front();
    return true;
}

QString FileDialogs::openFileName(QWidget* parent, const QString& filter, const QString& folder,
                                  const QString& caption) {
    lastFolder_ = folder;
    QString fileName;
    if (takeNext(fileName)) {
        return fileName;
    }
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString FileDialogs::saveFileName(QWidget* parent, const QString& proposed, const QString& filter) {
    lastProposed_ = proposed;
    QString fileName;
    if (takeNext(fileName)) {
        return fileName;
    }
    return QFileDialog::getSaveFileName(parent, {}, proposed, filter);
}

}  // namespace kw::app
