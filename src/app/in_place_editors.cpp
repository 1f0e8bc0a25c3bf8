#include "app/in_place_editors.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

#include "app/qt_text.h"

namespace kw::app {
namespace {

// An edit box's length limit holds for what the user types; a longer text the program
// puts in (an eight-byte name from a radio) is shown whole and may only be shortened.
// A line edit's own maximum length would cut that text, so keys are counted here.
class TypingLimit : public QObject {
  public:
    TypingLimit(int maxLength, QLineEdit* edit) : QObject(edit), maxLength_(maxLength) {
        edit->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->text();
        if (typed.isEmpty() || !typed.front().isPrint()) {
            return false;
        }
        const auto* edit = static_cast<QLineEdit*>(watched);
        const qsizetype length = edit->text().size() - edit->selectedText().size() + typed.size();
        return length > maxLength_;
    }

  private:
    int maxLength_;
};

const char* const kControlIdProperty = "controlId";
constexpr int kVisibleListItems = 15;

QWidget* createWidget(InPlaceEditor& editor, const QFont& font, QWidget* host) {
    QWidget* widget = nullptr;
    if (editor.kind() == EditorKind::EditBox) {
        auto* edit = new QLineEdit(host);
        edit->setFrame(false);
        edit->setAlignment(Qt::AlignCenter);  // as the cell it covers
        new TypingLimit(editor.maxLength(), edit);
        QObject::connect(edit, &QLineEdit::textEdited, edit,
                         [&editor](const QString& text) { editor.type(toStdString(text)); });
        widget = edit;
    } else {
        auto* list = new QComboBox(host);
        for (const std::string& item : editor.items()) {
            list->addItem(toQString(item));
        }
        // A list below the cell with a scroll bar: a style's list centred on the current
        // item can fill the screen, and the click that opened it then picks an item.
        list->setMaxVisibleItems(kVisibleListItems);
        list->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
        QObject::connect(list, &QComboBox::activated, list,
                         [&editor](int index) { editor.pick(index); });
        widget = list;
    }
    widget->setProperty(kControlIdProperty, editor.controlId().number());
    widget->setFont(font);
    widget->setGeometry(QRect());
    widget->hide();
    return widget;
}

}  // namespace

EditorKey editorKeyOf(const QKeyEvent& event) {
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    const int key = event.key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return keypad ? EditorKey::KeypadDigit : EditorKey::Digit;
    }
    switch (key) {
        case Qt::Key_Period:
            return keypad ? EditorKey::KeypadDecimal : EditorKey::Period;
        case Qt::Key_Backspace:
            return EditorKey::Backspace;
        case Qt::Key_Delete:
            return EditorKey::Delete;
        case Qt::Key_Left:
            return EditorKey::Left;
        case Qt::Key_Right:
            return EditorKey::Right;
        case Qt::Key_Up:
            return EditorKey::Up;
        case Qt::Key_Down:
            return EditorKey::Down;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return EditorKey::Enter;
        case Qt::Key_F1:
            return EditorKey::F1;
        case Qt::Key_Tab:
            return EditorKey::Tab;
        case Qt::Key_Backtab:
            return EditorKey::BackTab;
        default:
            return EditorKey::Other;
    }
}

InPlaceEditorWidgets::InPlaceEditorWidgets(ChannelEditors& state, const QFont& font, QWidget* host,
                                           QWidget* focusHome)
    : state_(state), focusHome_(focusHome) {
    // One column of each editor; the Tx and the encode-tone columns share theirs.
    for (const int column : {kRxColumn, kDecodeToneColumn, kNameColumn, kPowerColumn, kWidthColumn,
                             kScanAddColumn, kBusyLockColumn}) {
        widgets_[slotOf(column)] = createWidget(state_.forColumn(column), font, host);
    }
}

std::size_t InPlaceEditorWidgets::slotOf(int column) const {
    return static_cast<std::size_t>(&state_.forColumn(column) - state_.all().data());
}

QWidget* InPlaceEditorWidgets::widget(int column) const {
    return widgets_[slotOf(column)];
}

std::optional<ControlId<ProgramWindow>> InPlaceEditorWidgets::controlIdOf(
    const QObject* object) const {
    for (const QWidget* widget : widgets_) {
        if (widget == object) {
            return ControlId<ProgramWindow>{widget->property(kControlIdProperty).toInt()};
        }
    }
    return std::nullopt;
}

bool InPlaceEditorWidgets::isEditBox(const QObject* object) const {
    return controlIdOf(object).has_value() && qobject_cast<const QLineEdit*>(object) != nullptr;
}

void InPlaceEditorWidgets::showText(std::size_t slot) {
    const InPlaceEditor& editor = state_.all()[slot];
    QWidget* widget = widgets_[slot];
    const QSignalBlocker blocker(widget);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (edit->text() != toQString(editor.text())) {
            edit->setText(toQString(editor.text()));
        }
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
        list->setCurrentIndex(editor.selectedIndex());
    }
}

void InPlaceEditorWidgets::showOver(int column, const QRect& rect) {
    const std::size_t slot = slotOf(column);
    showText(slot);
    QWidget* widget = widgets_[slot];
    moveOver(column, rect);
    widget->show();
    widget->raise();
    widget->setFocus(Qt::OtherFocusReason);
    // Typing replaces the cell's value, as in any grid.
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->selectAll();
    }
}

void InPlaceEditorWidgets::moveOver(int column, const QRect& rect) {
    widgets_[slotOf(column)]->setGeometry(rect);
}

int InPlaceEditorWidgets::height() const {
    int tallest = 0;
    for (const QWidget* widget : widgets_) {
        tallest = std::max(tallest, widget->sizeHint().height());
    }
    return tallest;
}

void InPlaceEditorWidgets::followState() {
    for (std::size_t slot = 0; slot < widgets_.size(); ++slot) {
        if (state_.all()[slot].visible()) {
            showText(slot);
        } else {
            // Left to itself, a hidden focused editor hands the focus to the next cell.
            if (widgets_[slot]->hasFocus()) {
                focusHome_->setFocus(Qt::OtherFocusReason);
            }
            widgets_[slot]->hide();
        }
    }
}

}  // namespace kw::app
