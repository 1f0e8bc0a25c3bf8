#pragma once
// Toolbar pictures, drawn here in one style, so the toolbar looks the same on every
// desktop, a bare one included.

#include <QIcon>

#include "res/command_ids.h"

namespace kw::app {

[[nodiscard]] QIcon toolbarIcon(CommandId command);
// The docking bar's close mark (icon 131).
[[nodiscard]] QPixmap closeMark(const QColor& color);

}  // namespace kw::app
