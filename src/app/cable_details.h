#pragma once
// The cable doctor's checks of a port, as the Details of a port or "no answer" message.

#include <QString>
#include <string>

namespace kw::app {

[[nodiscard]] QString cableDetails(const std::string& portName);

}  // namespace kw::app
