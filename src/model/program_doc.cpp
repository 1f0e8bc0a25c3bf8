#include "model/program_doc.h"

#include <filesystem>

namespace kw {

std::string CProgramDoc::name() const {
    return hasFile_ ? std::filesystem::path(path_).filename().string() : title_;
}

void CProgramDoc::startNew(std::string title, std::string proposedName) {
    title_ = std::move(title);
    path_ = std::move(proposedName);
    hasFile_ = false;
    modified_ = false;
}

DocumentLoadResult CProgramDoc::open(const std::string& path, Language language) {
    DocumentLoadResult result = loadDocumentFile(path, image_, language);
    if (result) {
        path_ = path;
        hasFile_ = true;
        modified_ = false;
    }
    return result;
}

FileWriteResult CProgramDoc::save(const std::string& path) {
    FileWriteResult result = storeDocumentFile(path, image_);
    if (result) {
        path_ = path;
        hasFile_ = true;
        modified_ = false;
    }
    return result;
}

}  // namespace kw
