#include "session/save_name.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace kw {
namespace {

std::string_view fileNameOf(std::string_view path) {
    const auto slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool hasSuffix(std::string_view path) {
    const std::string_view name = fileNameOf(path);
    const auto dot = name.rfind('.');
    return dot != std::string_view::npos && dot + 1 < name.size();
}

bool isWritableFile(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error) &&
           ::access(path.c_str(), W_OK) == 0;
}

}  // namespace

bool saveAsksName(const CProgramDoc& document, bool saveAs) {
    return saveAs || !document.hasFile() || !isWritableFile(document.path());
}

std::string proposedSaveName(const CProgramDoc& document) {
    const std::string proposed =
        document.hasFile() ? document.path() : std::string(fileNameOf(document.path()));
    return proposed.empty() ? proposed : withDocumentSuffix(proposed);
}

std::string withDocumentSuffix(std::string name) {
    if (!hasSuffix(name)) {
        name += kDocumentSuffix;
    }
    return name;
}

}  // namespace kw
