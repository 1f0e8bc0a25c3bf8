#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "model/document_file.h"
#include "model/program_doc.h"
#include "session/new_document.h"
#include "support/bytes.h"
#include "support/temp_dir.h"

namespace kw {
namespace {

using test::bytes;

// A document as the program writes it for a model and band.
RadioImage savedImage(std::uint8_t modelType, const char* bandBytes) {
    ProductState product;
    product.storedModelType = modelType;
    RadioImage image;
    fillNewDocumentImage(image, product);
    const auto band = bytes(bandBytes);
    std::copy(band.begin(), band.end(), image.begin() + 0x17E8);
    return image;
}

std::string asText(const RadioImage& image) {
    return std::string(reinterpret_cast<const char*>(image.data()), image.size());
}

TEST(DocumentFile, OpenCheckOutcomes) {
    struct Case {
        const char* name;
        std::uint8_t model;
        const char* band;
        DocumentProblem expected;
    };
    const Case cases[] = {
        {"model 1 in band", 1, "13 17 64 13 17 64", DocumentProblem::None},
        {"model 1 narrower band", 1, "14 17 00 14 17 00", DocumentProblem::None},
        {"model 2 in band", 2, "40 52 00 40 52 00", DocumentProblem::None},
        {"second copy differs", 1, "13 17 64 13 17 65", DocumentProblem::BandHalvesDiffer},
        {"model 1 below band", 1, "13 17 54 13 17 54", DocumentProblem::BandOutsideModel},
        {"model 1 above band", 1, "13 17 65 13 17 65", DocumentProblem::BandOutsideModel},
        {"model 1 UHF band", 1, "40 52 00 40 52 00", DocumentProblem::BandOutsideModel},
        {"model 2 VHF band", 2, "13 17 64 13 17 64", DocumentProblem::BandOutsideModel},
        {"model 1 reversed", 1, "17 13 46 17 13 46", DocumentProblem::LowerAboveUpper},
        {"model 1 zero band", 1, "00 00 00 00 00 00", DocumentProblem::BandOutsideModel},
        {"model 0 zero band", 0, "00 00 00 00 00 00", DocumentProblem::None},
        {"model 0 any band", 0, "99 12 34 99 12 34", DocumentProblem::None},
        {"model 3 any band", 3, "17 13 46 17 13 46", DocumentProblem::None},
        {"model 3 halves differ", 3, "17 13 46 17 13 47", DocumentProblem::BandHalvesDiffer},
        {"model 1 non-digit band", 1, "0F 0F 00 0F 0F 00", DocumentProblem::BandOutsideModel},
    };
    for (const Case& c : cases) {
        const RadioImage image = savedImage(c.model, c.band);
        EXPECT_EQ(checkDocumentBytes(image), c.expected) << c.name;
    }
}

TEST(DocumentFile, OnlyExactlySixKilobytesOpen) {
    test::TempDir dir;
    const std::string good = asText(savedImage(1, "13 17 64 13 17 64"));
    for (std::size_t size : {0u, 71u, 72u, 6143u, 6145u, 12288u}) {
        std::string contents = size <= good.size() ? good.substr(0, size)
                                                   : good + std::string(size - good.size(), '\0');
        // A longer file whose tail passes the check must not open either.
        if (size > good.size()) {
            contents = std::string(size - good.size(), '\0') + good;
        }
        const std::string path = dir.file("size.dat");
        test::writeFile(path, contents);
        RadioImage image;
        image.fill(0x11);
        const DocumentLoadResult result = loadDocumentFile(path, image);
        EXPECT_EQ(result.problem, DocumentProblem::WrongSize) << size;
        EXPECT_NE(result.error.find("exactly 6144 bytes"), std::string::npos) << result.error;
        EXPECT_NE(result.error.find(std::to_string(size)), std::string::npos) << result.error;
        EXPECT_EQ(image[0], 0x11) << "a refused file leaves the image alone";
    }
}

TEST(DocumentFile, RefusalsNameTheirReason) {
    test::TempDir dir;
    const std::pair<const char*, const char*> cases[] = {
        {"13 17 64 13 17 65", "two copies of the band"},
        {"40 52 00 40 52 00", "outside the frequency range"},
        {"17 13 46 17 13 46", "lower limit above its upper limit"},
    };
    for (const auto& [band, reason] : cases) {
        const std::string path = dir.file("bad.dat");
        test::writeFile(path, asText(savedImage(1, band)));
        RadioImage image{};
        const DocumentLoadResult result = loadDocumentFile(path, image);
        EXPECT_FALSE(result);
        EXPECT_NE(result.error.find(reason), std::string::npos) << result.error;
    }
    RadioImage image{};
    const DocumentLoadResult missing = loadDocumentFile(dir.file("none.dat"), image);
    EXPECT_EQ(missing.problem, DocumentProblem::CannotRead);
    EXPECT_NE(missing.error.find("No such file"), std::string::npos) << missing.error;
    EXPECT_EQ(loadDocumentFile(dir.path(), image).problem, DocumentProblem::CannotRead);
}

TEST(DocumentFile, StoreWritesTheImageByteForByteAndLoadReadsItBack) {
    test::TempDir dir;
    RadioImage image = savedImage(2, "40 52 00 40 52 00");
    for (std::size_t i = 0; i < 0x0C30; ++i) {
        image[i] = static_cast<std::uint8_t>(i * 7);
    }
    const std::string path = dir.file("radio.dat");
    ASSERT_TRUE(storeDocumentFile(path, image));
    EXPECT_EQ(test::readFile(path), asText(image));
    RadioImage loaded{};
    ASSERT_TRUE(loadDocumentFile(path, loaded));
    EXPECT_EQ(loaded, image);
}

TEST(DocumentFile, FailedSaveKeepsTheOldFileWhole) {
    test::TempDir dir;
    const std::string path = dir.file("radio.dat");
    const RadioImage original = savedImage(1, "13 17 64 13 17 64");
    ASSERT_TRUE(storeDocumentFile(path, original));
    // A folder that cannot take the temporary file (a file stands where the folder is).
    const FileWriteResult refused = storeDocumentFile(dir.file("radio.dat/inside.dat"), original);
    EXPECT_FALSE(refused);
    EXPECT_NE(refused.error.find("inside.dat"), std::string::npos) << refused.error;
    EXPECT_EQ(test::readFile(path), asText(original));
    // Nothing but the document is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(DocumentFile, SaveKeepsPermissionsAndFollowsLinks) {
    test::TempDir dir;
    const std::string target = dir.file("target.dat");
    const RadioImage image = savedImage(1, "13 17 64 13 17 64");
    ASSERT_TRUE(storeDocumentFile(target, image));
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    std::filesystem::create_symlink(target, dir.file("link.dat"));
    ASSERT_TRUE(storeDocumentFile(dir.file("link.dat"), image));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.dat")));
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(ProgramDoc, OpenTakesThePathOnlyOnSuccess) {
    test::TempDir dir;
    const std::string good = dir.file("good.dat");
    ASSERT_TRUE(storeDocumentFile(good, savedImage(1, "13 17 64 13 17 64")));
    CProgramDoc document;
    ASSERT_TRUE(document.open(good, Language::English));
    EXPECT_EQ(document.path(), good);
    test::writeFile(dir.file("short.dat"), "abc");
    EXPECT_FALSE(document.open(dir.file("short.dat"), Language::Chinese));
    EXPECT_EQ(document.path(), good);
}

TEST(ProgramDoc, OnlyAnOpenOrASaveGivesTheDocumentAFile) {
    test::TempDir dir;
    ProductState product;
    CProgramDoc document;
    document.startNew("Channel Information", "Dealer");
    EXPECT_FALSE(document.hasFile());
    test::writeFile(dir.file("short.dat"), "abc");
    EXPECT_FALSE(document.open(dir.file("short.dat"), Language::English));
    EXPECT_FALSE(document.hasFile());
    ASSERT_TRUE(document.save(dir.file("saved.dat")));
    EXPECT_TRUE(document.hasFile());
    document.startNew("Channel Information", "Dealer");
    EXPECT_FALSE(document.hasFile());
}

}  // namespace
}  // namespace kw
