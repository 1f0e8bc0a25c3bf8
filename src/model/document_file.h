#pragma once
// A document file is the 6144-byte radio image, nothing else. Opening checks the model
// and band bytes first, so a foreign or damaged file never reaches the image.

#include <cstdint>
#include <span>
#include <string>

#include "base/atomic_file.h"
#include "model/radio_image.h"
#include "res/language.h"

namespace kw {

enum class DocumentProblem {
    None,
    CannotRead,        // the file system refused; details in the result's error text
    WrongSize,         // any size other than exactly 6144 bytes
    BandHalvesDiffer,  // the two copies of the band bytes disagree
    BandOutsideModel,  // a limit lies outside the model's band
    LowerAboveUpper,   // the limits are inside the band but in the wrong order
};

struct [[nodiscard]] DocumentLoadResult {
    DocumentProblem problem = DocumentProblem::None;
    std::string error;  // one sentence for the user when problem != None

    explicit operator bool() const { return problem == DocumentProblem::None; }
};

// The open check on a file's bytes, before any of them is taken.
[[nodiscard]] DocumentProblem checkDocumentBytes(std::span<const std::uint8_t> bytes);

// On success `image` holds the file; on failure it is untouched.
DocumentLoadResult loadDocumentFile(const std::string& path, RadioImage& image,
                                    Language language = Language::English);
FileWriteResult storeDocumentFile(const std::string& path, const RadioImage& image);

[[nodiscard]] std::string documentProblemText(DocumentProblem problem, std::size_t fileSize,
                                              Language language);

}  // namespace kw
