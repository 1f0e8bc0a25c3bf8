#include "app/set_rows_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <array>

#include "app/qt_text.h"

namespace kw::app {
namespace {

struct ColumnChoice {
    int column;
    bool bothTones;
};

constexpr std::array<ColumnChoice, 7> kChoices{{
    {kPowerColumn, false},
    {kWidthColumn, false},
    {kScanAddColumn, false},
    {kBusyLockColumn, false},
    {kDecodeToneColumn, false},
    {kEncodeToneColumn, false},
    {kDecodeToneColumn, true},
}};

}  // namespace

SetForRowsDlg::SetForRowsDlg(const ChannelEditors& editors, Language language, QWidget* parent)
    : QDialog(parent),
      editors_(editors),
      columns_(new QComboBox(this)),
      values_(new QComboBox(this)) {
    setWindowTitle(toQString(builtInText(BuiltInText::SetForSelectedRowsTitle, language)));
    for (const ColumnChoice& choice : kChoices) {
        columns_->addItem(toQString(choice.bothTones ? builtInText(BuiltInText::BothTones, language)
                                                     : columnTitle(choice.column, language))
                              .trimmed());
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* form = new QFormLayout(this);
    form->addRow(toQString(builtInText(BuiltInText::ColumnLabel, language)), columns_);
    form->addRow(toQString(builtInText(BuiltInText::ValueLabel, language)), values_);
    form->addRow(buttons);
    connect(columns_, &QComboBox::currentIndexChanged, this, &SetForRowsDlg::fillValues);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    fillValues();
}

void SetForRowsDlg::fillValues() {
    values_->clear();
    for (const std::string& item : editors_.forColumn(columns().front()).items()) {
        values_->addItem(toQString(item));
    }
}

std::vector<int> SetForRowsDlg::columns() const {
    const ColumnChoice& choice = kChoices[static_cast<std::size_t>(columns_->currentIndex())];
    if (choice.bothTones) {
        return {kDecodeToneColumn, kEncodeToneColumn};
    }
    return {choice.column};
}

std::string SetForRowsDlg::value() const {
    return toStdString(values_->currentText());
}

}  // namespace kw::app
