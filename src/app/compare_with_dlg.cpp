#include "app/compare_with_dlg.h"

#include <QComboBox>
#include <QRadioButton>

#include "res/command_ids.h"

namespace kw::app {

CCompareWithDlg::CCompareWithDlg(const ResourceSet& resources, const QStringList& documents,
                                 QWidget* parent)
    : TemplateDialog(*resources.dialog(resource::kCompareWithDialog), parent) {
    auto* list = controlAs<QComboBox>(control::kCompareDocumentList);
    list->addItems(documents);
    auto* document = controlAs<QRadioButton>(control::kCompareDocument);
    const bool hasDocuments = !documents.isEmpty();
    document->setEnabled(hasDocuments);
    list->setEnabled(hasDocuments);
    controlAs<QRadioButton>(hasDocuments ? control::kCompareDocument : control::kCompareFile)
        ->setChecked(true);
    // Choosing a document in the list chooses the document as what is compared.
    connect(list, &QComboBox::activated, document, [document] { document->setChecked(true); });
    for (const int id : {control::kCompareDocument, control::kCompareDocumentList,
                         control::kCompareFile, control::kCompareRadio}) {
        setHelpContext(id, command::kCompare);
    }
}

CCompareWithDlg::Source CCompareWithDlg::source() const {
    if (controlAs<QRadioButton>(control::kCompareDocument)->isChecked()) {
        return Source::Document;
    }
    return controlAs<QRadioButton>(control::kCompareRadio)->isChecked() ? Source::Radio
                                                                        : Source::File;
}

int CCompareWithDlg::documentIndex() const {
    return controlAs<QComboBox>(control::kCompareDocumentList)->currentIndex();
}

}  // namespace kw::app
