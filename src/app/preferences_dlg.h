#pragma once
// CPreferencesDlg: dialog 220, what the program's Write does around the write itself,
// kept in the per-user settings store.

#include "app/template_dialog.h"
#include "platform/settings_store.h"

namespace kw::app {

struct WritePreferences {
    bool backup = true;       // read the radio into a backup first
    bool showChanges = true;  // list the changes and ask before writing
    bool verify = true;       // read the radio back and compare
};

[[nodiscard]] WritePreferences readWritePreferences(const SettingsStore& store);
FileWriteResult storeWritePreferences(const SettingsStore& store,
                                      const WritePreferences& preferences);

class CPreferencesDlg : public TemplateDialog {
    Q_OBJECT
  public:
    CPreferencesDlg(const ResourceSet& resources, const WritePreferences& current, QWidget* parent);

    [[nodiscard]] WritePreferences chosen() const;
};

}  // namespace kw::app
