#include "app/cable_details.h"

#include "app/qt_text.h"
#include "link/cable_doctor.h"

namespace kw::app {

QString cableDetails(const std::string& portName) {
    QString text;
    for (const CheckLine& line : cableChecks(SystemView::current(), portName)) {
        text += toQString(checkLineText(line)) + QLatin1Char('\n');
    }
    return text;
}

}  // namespace kw::app
