#pragma once
// A dialog built from a dialog template of the language's resource set: every control
// keeps its identifier, which is also its help context, and sits where the template puts
// it, in dialog units converted with the metrics of the template's font.

#include <QDialog>
#include <QHash>
#include <QPoint>
#include <QRect>
#include <functional>
#include <map>

#include "res/help_context.h"
#include "res/resource_set.h"

class QButtonGroup;

namespace kw::app {

// Pixels per dialog unit, times 4 across and times 8 down, from a font's metrics.
struct DialogUnitBase {
    int x = 0;
    int y = 0;
};
[[nodiscard]] DialogUnitBase dialogUnitBase(const QFont& font);
[[nodiscard]] QRect toPixels(const DialogRect& rect, DialogUnitBase base);

class TemplateDialog : public QDialog {
    Q_OBJECT
  public:
    TemplateDialog(const DialogResource& resource, QWidget* parent);

    // The control with this identifier; the shared 65535 of unnamed statics gives nothing.
    [[nodiscard]] QWidget* control(int id) const;
    template <typename Dialog>
    [[nodiscard]] QWidget* control(ControlId<Dialog> id) const {
        return control(id.number());
    }
    template <typename Widget, typename Id>
    [[nodiscard]] Widget* controlAs(Id id) const {
        return qobject_cast<Widget*>(control(id));
    }
    [[nodiscard]] int idOf(const QWidget* widget) const { return ids_.value(widget, 0); }
    // The group of auto radio buttons that button `id` belongs to.
    [[nodiscard]] QButtonGroup* radioGroup(int id) const;
    // Clears every button of the group, which an exclusive group does not allow itself.
    static void clearGroup(QButtonGroup* group);

    // F1 on a control asks for help with the control's identifier, in the dialog's help
    // window, as the context.
    void setHelpHandler(std::function<void(HelpContext context)> handler) {
        helpHandler_ = std::move(handler);
    }
    // Lets a dialog map some controls to another help context.
    void setHelpContext(int id, HelpContext context) {
        helpContexts_.insert_or_assign(id, context);
    }

  protected:
    // Button 1 and button 2; the default accepts and rejects.
    virtual void onOk() { accept(); }
    virtual void onCancel() { reject(); }
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* createControl(const ControlResource& control, DialogUnitBase base);

    std::map<int, QWidget*> controls_;
    QHash<const QWidget*, int> ids_;
    std::map<int, QButtonGroup*> radioGroups_;
    HelpWindow helpWindow_;
    std::map<int, HelpContext> helpContexts_;
    std::function<void(HelpContext)> helpHandler_;
};

}  // namespace kw::app
