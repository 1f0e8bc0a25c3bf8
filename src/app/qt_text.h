#pragma once
// kwcore speaks UTF-8 std::string; Qt speaks QString.

#include <QString>
#include <string>
#include <string_view>

namespace kw::app {

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toStdString(const QString& text) {
    return text.toStdString();
}

}  // namespace kw::app
