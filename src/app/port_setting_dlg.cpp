#include "app/port_setting_dlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include "app/message_boxes.h"
#include "app/qt_text.h"
#include "link/port_selection.h"
#include "res/command_ids.h"

namespace kw::app {

CPortSettingDlg::CPortSettingDlg(const ResourceSet& resources, const std::string& currentPortName,
                                 PortSettingRules::Prober canOpen, MessageBoxes& messages,
                                 QWidget* parent, const TracePreference& trace)
    : TemplateDialog(*resources.dialog(resource::kPortSettingDialog), parent),
      resources_(resources),
      currentPortName_(currentPortName),
      canOpen_(std::move(canOpen)),
      messages_(messages),
      rules_(currentPortName, canOpen_),
      otherPort_(controlAs<QLineEdit>(control::kOtherPort)),
      traceOn_(controlAs<QCheckBox>(control::kTraceToFile)),
      traceFile_(controlAs<QLineEdit>(control::kTraceFile)) {
    QButtonGroup* group = radioGroup(control::kFirstPortButton);
    for (int number = 1; number <= kPortCount; ++number) {
        const int id = control::kFirstPortButton + number - 1;
        auto* button = controlAs<QRadioButton>(id);
        button->setToolTip(toQString(deviceOf(portNameOf(number)).value_or(std::string())));
        button->setEnabled(rules_.enabled(number));
        button->setChecked(rules_.selection() == number);
        setHelpContext(id, command::kComSetup);
    }
    otherPort_->setText(toQString(otherPathOf(currentPortName)));
    setHelpContext(control::kOtherPort, command::kComSetup);
    traceOn_->setChecked(trace.on);
    traceFile_->setText(toQString(trace.file));
    traceFile_->setEnabled(trace.on);
    connect(traceOn_, &QCheckBox::toggled, traceFile_, &QWidget::setEnabled);
    setHelpContext(control::kTraceToFile, command::kComSetup);
    setHelpContext(control::kTraceFile, command::kComSetup);

    // A button and a typed path exclude each other.
    connect(group, &QButtonGroup::idClicked, this, [this](int id) {
        rules_.select(id - control::kFirstPortButton + 1);
        otherPort_->clear();
    });
    connect(otherPort_, &QLineEdit::textEdited, this, [this, group](const QString& text) {
        if (!text.trimmed().isEmpty()) {
            rules_.clearSelection();
            clearGroup(group);
        }
    });
}

TracePreference CPortSettingDlg::tracePreference() const {
    return {traceOn_->isChecked(), toStdString(traceFile_->text().trimmed())};
}

void CPortSettingDlg::onOk() {
    const PortSelection selection =
        selectPort(rules_, currentPortName_, toStdString(otherPort_->text()), canOpen_);
    if (selection.refusal) {
        messages_.show(this, toQString(resources_.string(*selection.refusal)));
        otherPort_->setFocus();
        return;
    }
    choice_ = selection.choice;
    accept();
}

}  // namespace kw::app
