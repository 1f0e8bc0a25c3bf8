#pragma once
// CProgramDoc's data side: the radio image a document owns, its path and its title.

#include <string>

#include "model/document_file.h"
#include "model/product_state.h"
#include "model/radio_image.h"
#include "res/language.h"

namespace kw {

class CProgramDoc {
  public:
    CProgramDoc() { image_.fill(kEmptyByte); }

    RadioImage& image() { return image_; }
    const RadioImage& image() const { return image_; }

    const std::string& path() const { return path_; }
    // Opened from or saved to a file; a new document's path is only a proposed name.
    bool hasFile() const { return hasFile_; }
    void setPath(std::string path) { path_ = std::move(path); }
    const std::string& title() const { return title_; }
    // What its window, the Window menu and a printout call it: the file's name, or the
    // title while it has no file.
    [[nodiscard]] std::string name() const;

    // Changed since it was created, opened or saved: set by every edit of the image or of
    // the channel table, so ending the program can ask before throwing the edit away.
    bool isModified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }

    // A new document, whose image the caller fills: no file, unmodified, and
    // `proposedName` as the path a first save proposes.
    void startNew(std::string title, std::string proposedName);

    // Replaces the image only when the file passes the open check.
    DocumentLoadResult open(const std::string& path, Language language);
    // Writes the image as it stands; the caller runs the grid commit first.
    FileWriteResult save(const std::string& path);

  private:
    RadioImage image_;
    std::string path_;
    std::string title_;
    bool modified_ = false;
    bool hasFile_ = false;
};

}  // namespace kw
