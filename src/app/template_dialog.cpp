#include "app/template_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <vector>

#include "app/qt_text.h"
#include "res/command_ids.h"

namespace kw::app {

DialogUnitBase dialogUnitBase(const QFont& font) {
    // The average width of the Latin letters, rounded as the dialog manager rounds it.
    static const QString kLetters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(kLetters);
    return {(width / 26 + 1) / 2, metrics.height()};
}

QRect toPixels(const DialogRect& rect, DialogUnitBase base) {
    const auto across = [&](int units) { return (units * base.x + 2) / 4; };
    const auto down = [&](int units) { return (units * base.y + 4) / 8; };
    return {across(rect.x), down(rect.y), across(rect.width), down(rect.height)};
}

TemplateDialog::TemplateDialog(const DialogResource& resource, QWidget* parent)
    : QDialog(parent), helpWindow_(resource.helpWindow) {
    setWindowTitle(toQString(resource.caption));
    QFont font(toQString(resource.fontFace), resource.fontPointSize);
    setFont(font);
    const DialogUnitBase base = dialogUnitBase(font);
    setFixedSize(toPixels({0, 0, resource.width, resource.height}, base).size());

    QButtonGroup* group = nullptr;
    std::vector<QWidget*> groupBoxes;
    for (const ControlResource& control : resource.controls) {
        if (control.kind == ControlKind::RadioButton && (control.groupStart || !group)) {
            group = new QButtonGroup(this);
        }
        QWidget* widget = createControl(control, base);
        if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
            group->addButton(radio, control.id);
            radioGroups_[control.id] = group;
        }
        if (control.id != control::kUnnamedStatic) {
            controls_[control.id] = widget;
            ids_.insert(widget, control.id);
        }
        if (control.kind == ControlKind::GroupBox) {
            groupBoxes.push_back(widget);
        }
        widget->installEventFilter(this);
    }
    // Group boxes are drawn behind the controls they frame.
    for (QWidget* box : groupBoxes) {
        box->lower();
    }
}

QWidget* TemplateDialog::createControl(const ControlResource& control, DialogUnitBase base) {
    const QString text = toQString(control.text);
    const QRect rect = toPixels(control.rect, base);
    QWidget* widget = nullptr;
    switch (control.kind) {
        case ControlKind::Static:
            widget = new QLabel(text, this);
            break;
        case ControlKind::GroupBox:
            widget = new QGroupBox(text, this);
            break;
        case ControlKind::PushButton:
        case ControlKind::DefaultPushButton: {
            auto* button = new QPushButton(text, this);
            button->setDefault(control.kind == ControlKind::DefaultPushButton);
            button->setAutoDefault(false);
            if (control.id == control::kOk) {
                connect(button, &QPushButton::clicked, this, &TemplateDialog::onOk);
            } else if (control.id == control::kCancel) {
                connect(button, &QPushButton::clicked, this, &TemplateDialog::onCancel);
            }
            widget = button;
            break;
        }
        case ControlKind::RadioButton:
            widget = new QRadioButton(text, this);
            break;
        case ControlKind::DropDownList: {
            auto* combo = new QComboBox(this);
            if (!text.isEmpty()) {
                combo->addItem(text);
            }
            widget = combo;
            break;
        }
        case ControlKind::Edit: {
            auto* edit = new QLineEdit(text, this);
            if (control.digitsOnly) {
                edit->setValidator(new QRegularExpressionValidator(
                    QRegularExpression(QStringLiteral("[0-9]*")), edit));
            }
            widget = edit;
            break;
        }
        case ControlKind::Icon:
            widget = new QLabel(this);
            break;
        case ControlKind::CheckBox:
            widget = new QCheckBox(text, this);
            break;
        case ControlKind::ProgressBar: {
            auto* bar = new QProgressBar(this);
            bar->setTextVisible(false);
            widget = bar;
            break;
        }
    }
    if (control.kind == ControlKind::DropDownList) {
        // The template's height is that of the dropped list; the closed box keeps its own.
        widget->setGeometry(rect.x(), rect.y(), rect.width(), widget->sizeHint().height());
    } else {
        widget->setGeometry(rect);
    }
    return widget;
}

QWidget* TemplateDialog::control(int id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

QButtonGroup* TemplateDialog::radioGroup(int id) const {
    const auto found = radioGroups_.find(id);
    return found == radioGroups_.end() ? nullptr : found->second;
}

void TemplateDialog::clearGroup(QButtonGroup* group) {
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) {
        button->setChecked(false);
    }
    group->setExclusive(true);
}

bool TemplateDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && helpHandler_ &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        const int id = ids_.value(qobject_cast<QWidget*>(watched), 0);
        if (id != 0) {
            const auto mapped = helpContexts_.find(id);
            helpHandler_(mapped == helpContexts_.end() ? HelpContext{id, helpWindow_}
                                                       : mapped->second);
        }
    }
    // The key then takes its normal course.
    return QDialog::eventFilter(watched, event);
}

}  // namespace kw::app
