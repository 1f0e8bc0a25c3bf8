#pragma once
// The About box: dialog 100 with the texts of the language section of Program.ini.

#include "app/template_dialog.h"

namespace kw::app {

struct AboutTexts {
    QString title;  // "About Title"
    QString version;
    QString copyrights;
    QString copyrightsOwner;
};

class CAboutDlg : public TemplateDialog {
    Q_OBJECT
  public:
    CAboutDlg(const ResourceSet& resources, const AboutTexts& texts, const QString& iconPath,
              QWidget* parent);
};

}  // namespace kw::app
