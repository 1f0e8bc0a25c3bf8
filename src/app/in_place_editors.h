#pragma once
// The seven editor widgets laid over the grid's current cell. Their state (text,
// selected item, visible, edited) is the ChannelEditors'; the widgets show it and
// report what the user types or picks.

#include <QRect>
#include <array>
#include <optional>

#include "channels/channel_editors.h"
#include "channels/editor_keys.h"

class QFont;
class QObject;
class QKeyEvent;
class QWidget;

namespace kw::app {

// A key as the editing rules name it.
[[nodiscard]] EditorKey editorKeyOf(const QKeyEvent& event);

class InPlaceEditorWidgets {
  public:
    // The widgets are children of `host`; `focusHome` takes the focus from a hidden one.
    InPlaceEditorWidgets(ChannelEditors& state, const QFont& font, QWidget* host,
                         QWidget* focusHome);

    QWidget* widget(int column) const;
    const std::array<QWidget*, 7>& all() const { return widgets_; }
    // The control identifier of an editor widget, 0 for any other object.
    std::optional<ControlId<ProgramWindow>> controlIdOf(const QObject* object) const;
    bool isEditBox(const QObject* object) const;

    // The column's editor, already shown in the state, appears over `rect` with the
    // state's text or item and takes the focus.
    void showOver(int column, const QRect& rect);
    // An editor on show follows its cell when the columns are resized.
    void moveOver(int column, const QRect& rect);
    // The tallest editor: the grid's rows are made to hold it.
    int height() const;
    // The widgets follow the state: hidden ones go, edit boxes show the state's text.
    void followState();

  private:
    std::size_t slotOf(int column) const;
    void showText(std::size_t slot);

    ChannelEditors& state_;
    QWidget* focusHome_;
    std::array<QWidget*, 7> widgets_{};
};

}  // namespace kw::app
