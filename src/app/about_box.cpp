#include "app/about_box.h"

#include <QIcon>
#include <QLabel>

#include "platform/program_version.h"
#include "res/command_ids.h"

namespace kw::app {
namespace {

// The profile's Version text is the dealer's; the number of this build is shown with it
// unless the text names it already.
QString versionText(const QString& profileText) {
    const QString version =
        QString::fromUtf8(kProgramVersion.data(), static_cast<qsizetype>(kProgramVersion.size()));
    if (profileText.isEmpty()) {
        return version;
    }
    return profileText.contains(version) ? profileText : profileText + " (" + version + ")";
}

}  // namespace

CAboutDlg::CAboutDlg(const ResourceSet& resources, const AboutTexts& texts, const QString& iconPath,
                     QWidget* parent)
    : TemplateDialog(*resources.dialog(resource::kAboutDialog), parent) {
    setWindowTitle(texts.title);
    controlAs<QLabel>(control::kAboutVersion)->setText(versionText(texts.version));
    controlAs<QLabel>(control::kAboutCopyrights)->setText(texts.copyrights);
    controlAs<QLabel>(control::kAboutCopyrightsOwner)->setText(texts.copyrightsOwner);
    auto* icon = controlAs<QLabel>(control::kAboutIcon);
    const QIcon file(iconPath);
    const QPixmap picture = file.pixmap(icon->size());
    icon->setPixmap(picture.isNull() ? windowIcon().pixmap(icon->size()) : picture);
}

}  // namespace kw::app
