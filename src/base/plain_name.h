#pragma once
// Names from Program.ini become folder and file names (AppName, Language, the help file).
// A name that could leave its folder is refused wherever such a name is used.

#include <string_view>

namespace kw {

[[nodiscard]] constexpr bool isPlainName(std::string_view name) {
    return name.find_first_of("/\\") == std::string_view::npos &&
           name.find("..") == std::string_view::npos;
}

}  // namespace kw
