#include "model/document_file.h"

#include <algorithm>
#include <filesystem>

#include "model/band.h"
#include "model/model_table.h"

namespace kw {

DocumentProblem checkDocumentBytes(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != kImageSize) {
        return DocumentProblem::WrongSize;
    }
    BandBytes band;
    std::copy_n(bytes.begin() + kBandBytes, band.size(), band.begin());
    if (!halvesEqual(band)) {
        return DocumentProblem::BandHalvesDiffer;
    }
    const auto model = modelIndexOfType(bytes[kModelType]);
    if (!model) {
        return DocumentProblem::None;  // a document without a model has no band to check
    }
    const BandLimits allowed = kRadioModels[static_cast<std::size_t>(*model)].band;
    const BandLimits limits = decodeBand(band);
    const auto inside = [&](int mhz) { return mhz >= allowed.lowerMhz && mhz <= allowed.upperMhz; };
    if (!inside(limits.lowerMhz) || !inside(limits.upperMhz)) {
        return DocumentProblem::BandOutsideModel;
    }
    if (limits.lowerMhz > limits.upperMhz) {
        return DocumentProblem::LowerAboveUpper;
    }
    return DocumentProblem::None;
}

DocumentLoadResult loadDocumentFile(const std::string& path, RadioImage& image, Language language) {
    std::string contents;
    // A little more than a document is enough to tell "too long" without reading a huge file.
    const FileReadResult read = readWholeFile(path, contents, kImageSize);
    if (read.status == FileReadStatus::CannotRead) {
        return {DocumentProblem::CannotRead, read.error};
    }
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(contents.data()), contents.size());
    const DocumentProblem problem = checkDocumentBytes(bytes);
    if (problem != DocumentProblem::None) {
        std::error_code ignored;
        const std::size_t size = read.status == FileReadStatus::TooLarge
                                     ? std::filesystem::file_size(path, ignored)
                                     : contents.size();
        return {problem, documentProblemText(problem, size, language)};
    }
    std::copy(bytes.begin(), bytes.end(), image.begin());
    return {};
}

FileWriteResult storeDocumentFile(const std::string& path, const RadioImage& image) {
    return writeFileAtomically(path, std::span<const std::uint8_t>(image));
}

std::string documentProblemText(DocumentProblem problem, std::size_t fileSize, Language language) {
    const bool zh = language == Language::Chinese;
    switch (problem) {
        case DocumentProblem::None:
        case DocumentProblem::CannotRead:
            return {};
        case DocumentProblem::WrongSize:
            return zh ? "文件大小为 " + std::to_string(fileSize) +
                            " 字节；文档文件必须正好是 6144 字节。"
                      : "The file is " + std::to_string(fileSize) +
                            " bytes long; a document file is exactly 6144 bytes.";
        case DocumentProblem::BandHalvesDiffer:
            return zh ? "文件中频段字节的两份副本不一致。"
                      : "The two copies of the band in the file differ.";
        case DocumentProblem::BandOutsideModel:
            return zh ? "文件中的频段超出了该型号的频率范围。"
                      : "The band in the file lies outside the frequency range of its model.";
        case DocumentProblem::LowerAboveUpper:
            return zh ? "文件中频段的下限高于上限。"
                      : "The band in the file has its lower limit above its upper limit.";
    }
    return {};
}

}  // namespace kw
