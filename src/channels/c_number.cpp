#include "channels/c_number.h"

#include <locale.h>
#include <stdlib.h>

#include <string>

namespace kw {
namespace {

// Created once and never changed: an immutable resource, not program state.
locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return locale;
}

}  // namespace

double cAtof(std::string_view text) {
    const std::string terminated(text);
    return strtod_l(terminated.c_str(), nullptr, cLocale());
}

long cAtoi(std::string_view text) {
    const std::string terminated(text);
    return strtol_l(terminated.c_str(), nullptr, 10, cLocale());
}

}  // namespace kw
