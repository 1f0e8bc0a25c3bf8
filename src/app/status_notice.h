#pragma once
// A line for the main window's status bar, from any widget inside it: what the program
// did on its own that the user should know (a completed transfer, a value the editing
// rules changed). It stays until the next status text.

class QString;
class QWidget;

namespace kw::app {

void showStatusNotice(QWidget* widget, const QString& text);

}  // namespace kw::app
