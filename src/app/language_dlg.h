#pragma once
// The Language dialog (201): English or Chinese for the next run of the program.

#include "app/template_dialog.h"
#include "res/language.h"

namespace kw::app {

class CLanguageDlg : public TemplateDialog {
    Q_OBJECT
  public:
    CLanguageDlg(const ResourceSet& resources, Language current, QWidget* parent);

    Language chosen() const;
};

}  // namespace kw::app
