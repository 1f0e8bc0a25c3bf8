#include "app/language_dlg.h"

#include <QRadioButton>

#include "res/command_ids.h"

namespace kw::app {

CLanguageDlg::CLanguageDlg(const ResourceSet& resources, Language current, QWidget* parent)
    : TemplateDialog(*resources.dialog(resource::kLanguageDialog), parent) {
    const int selected = current == Language::Chinese ? control::kChinese : control::kEnglish;
    controlAs<QRadioButton>(selected)->setChecked(true);
    // The buttons' help is the Language command's page.
    setHelpContext(control::kEnglish, command::kLanguage);
    setHelpContext(control::kChinese, command::kLanguage);
}

Language CLanguageDlg::chosen() const {
    return controlAs<QRadioButton>(control::kChinese)->isChecked() ? Language::Chinese
                                                                   : Language::English;
}

}  // namespace kw::app
