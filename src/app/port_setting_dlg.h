#pragma once
// CPortSettingDlg: dialog 204 over PortSettingRules. COM1-COM16 are offered when they
// open now, each with its device file as tool tip; the field below takes any other
// device path. Below it the protocol trace: on or off, and its file.

#include <optional>

#include "app/template_dialog.h"
#include "link/port_setting_rules.h"
#include "link/trace_preference.h"

class QCheckBox;
class QLineEdit;

namespace kw::app {

class MessageBoxes;

class CPortSettingDlg : public TemplateDialog {
    Q_OBJECT
  public:
    CPortSettingDlg(const ResourceSet& resources, const std::string& currentPortName,
                    PortSettingRules::Prober canOpen, MessageBoxes& messages, QWidget* parent,
                    const TracePreference& trace = {});

    // What OK chose; nothing when it left the port as it was.
    const std::optional<PortSettingRules::Choice>& choice() const { return choice_; }
    // The trace as OK left it.
    TracePreference tracePreference() const;

  protected:
    void onOk() override;

  private:
    const ResourceSet& resources_;
    std::string currentPortName_;
    PortSettingRules::Prober canOpen_;
    MessageBoxes& messages_;
    PortSettingRules rules_;
    QLineEdit* otherPort_;
    QCheckBox* traceOn_;
    QLineEdit* traceFile_;
    std::optional<PortSettingRules::Choice> choice_;
};

}  // namespace kw::app
