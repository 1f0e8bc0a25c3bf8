#pragma once
// CCompareWithDlg: dialog 221, what the active document is compared with: another open
// document (chosen in the list), a file, or the radio.

#include <QStringList>

#include "app/template_dialog.h"

namespace kw::app {

class CCompareWithDlg : public TemplateDialog {
    Q_OBJECT
  public:
    enum class Source { Document, File, Radio };

    // `documents`: the titles of the other open documents, in the order given.
    CCompareWithDlg(const ResourceSet& resources, const QStringList& documents, QWidget* parent);

    [[nodiscard]] Source source() const;
    // The chosen entry of `documents`.
    [[nodiscard]] int documentIndex() const;
};

}  // namespace kw::app
