#include "app/preferences_dlg.h"

#include <QCheckBox>
#include <array>

#include "res/command_ids.h"

namespace kw::app {
namespace {

struct PreferenceBinding {
    int control;
    const DwordSetting& setting;
    bool WritePreferences::*field;
};

const std::array<PreferenceBinding, 3> kBindings{{
    {control::kBackupBeforeWrite, settings::kBackupBeforeWrite, &WritePreferences::backup},
    {control::kShowChangesBeforeWrite, settings::kShowChangesBeforeWrite,
     &WritePreferences::showChanges},
    {control::kVerifyAfterWrite, settings::kVerifyAfterWrite, &WritePreferences::verify},
}};

}  // namespace

WritePreferences readWritePreferences(const SettingsStore& store) {
    WritePreferences preferences;
    for (const PreferenceBinding& binding : kBindings) {
        preferences.*binding.field =
            store.read(binding.setting).value_or(binding.setting.defaultValue) != 0;
    }
    return preferences;
}

FileWriteResult storeWritePreferences(const SettingsStore& store,
                                      const WritePreferences& preferences) {
    for (const PreferenceBinding& binding : kBindings) {
        FileWriteResult written = store.write(binding.setting, preferences.*binding.field ? 1 : 0);
        if (!written) {
            return written;
        }
    }
    return {true, {}};
}

CPreferencesDlg::CPreferencesDlg(const ResourceSet& resources, const WritePreferences& current,
                                 QWidget* parent)
    : TemplateDialog(*resources.dialog(resource::kPreferencesDialog), parent) {
    for (const PreferenceBinding& binding : kBindings) {
        controlAs<QCheckBox>(binding.control)->setChecked(current.*binding.field);
        // The check boxes' help is the command's page.
        setHelpContext(binding.control, command::kPreferences);
    }
}

WritePreferences CPreferencesDlg::chosen() const {
    WritePreferences preferences;
    for (const PreferenceBinding& binding : kBindings) {
        preferences.*binding.field = controlAs<QCheckBox>(binding.control)->isChecked();
    }
    return preferences;
}

}  // namespace kw::app
