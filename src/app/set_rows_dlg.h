#pragma once
// "Set for selected rows…": one column (power, W/N, scan add, busy lock, either tone or
// both) and the value every selected channel takes in it, from the column's own list.

#include <QDialog>
#include <string>
#include <vector>

#include "channels/channel_editors.h"

class QComboBox;

namespace kw::app {

class SetForRowsDlg : public QDialog {
    Q_OBJECT
  public:
    SetForRowsDlg(const ChannelEditors& editors, Language language, QWidget* parent);

    QComboBox* columnList() const { return columns_; }
    QComboBox* valueList() const { return values_; }
    // The chosen columns: one, or both tone columns.
    std::vector<int> columns() const;
    std::string value() const;

  private:
    void fillValues();

    const ChannelEditors& editors_;
    QComboBox* columns_;
    QComboBox* values_;
};

}  // namespace kw::app
