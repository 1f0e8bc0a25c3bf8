#include "app/about_box.h"

#include <QIcon>
#include <QLabel>

#include "res/command_ids.h"

namespace kw::app {

CAboutDlg::CAboutDlg(const ResourceSet& resources, const AboutTexts& texts, const QString& iconPath,
                     QWidget* parent)
    : TemplateDialog(*resources.dialog(resource::kAboutDialog), parent) {
    setWindowTitle(texts.title);
    controlAs<QLabel>(control::kAboutVersion)->setText(texts.version);
    controlAs<QLabel>(control::kAboutCopyrights)->setText(texts.copyrights);
    controlAs<QLabel>(control::kAboutCopyrightsOwner)->setText(texts.copyrightsOwner);
    auto* icon = controlAs<QLabel>(control::kAboutIcon);
    const QIcon file(iconPath);
    const QPixmap picture = file.pixmap(icon->size());
    icon->setPixmap(picture.isNull() ? windowIcon().pixmap(icon->size()) : picture);
}

}  // namespace kw::app
