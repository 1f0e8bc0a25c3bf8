#include "session/radio_backups.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "model/document_file.h"
#include "model/product_state.h"
#include "session/new_document.h"
#include "support/bytes.h"
#include "support/temp_dir.h"

namespace kw {
namespace {

namespace fs = std::filesystem;

constexpr LocalTime kNow{2026, 12, 8, 14, 35, 1};

// A radio's memory as a Read of a KW-217U brings it: the model in the product block, a
// password, and a channel byte that a new document does not have.
RadioImage readImage() {
    RadioImage image{};
    ProductState product;
    product.storedModelType = 2;
    product.bandLowerLimit = 400 * kUnitsPerMhz;
    product.bandUpperLimit = 520 * kUnitsPerMhz;
    product.storedBand = encodeBand(product.limitsMhz());
    fillNewDocumentImage(image, product);
    image[0] = 0x12;
    const std::string password = "4711";
    std::copy(password.begin(), password.end(), image.begin() + kPassword);
    return image;
}

BackupPlace placeIn(const std::string& folder, std::uint32_t keepDays = 365) {
    return {folder, keepDays, [] { return kNow; }};
}

std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const BackupEntry& entry : listBackups(folder)) {
        names.push_back(fs::path(entry.path).filename().string());
    }
    return names;
}

TEST(RadioBackups, NamesHoldModelAndLocalTime) {
    const struct {
        const char* name;
        std::optional<LocalTime> time;
        const char* model;
    } cases[] = {
        {"KW-217V-20261208-143501.dat", kNow, "KW-217V"},
        {"KW-217U-20250101-000000-2.dat", LocalTime{2025, 1, 1, 0, 0, 0}, "KW-217U"},
        {"KW-217V-20261208-143501-17.dat", kNow, "KW-217V"},
        {"KW-217V-20261208-143501.DAT", std::nullopt, ""},
        {"KW-217X-20261208-143501.dat", std::nullopt, ""},
        {"KW-217V-20261308-143501.dat", std::nullopt, ""},
        {"KW-217V-20261208-243501.dat", std::nullopt, ""},
        {"KW-217V-2026120-1435010.dat", std::nullopt, ""},
        {"KW-217V-20261208-143501-.dat", std::nullopt, ""},
        {"KW-217V-20261208-143501-x.dat", std::nullopt, ""},
        {"radio.dat", std::nullopt, ""},
    };
    for (const auto& c : cases) {
        const auto entry = parseBackupName("/some/folder/" + std::string(c.name));
        ASSERT_EQ(entry.has_value(), c.time.has_value()) << c.name;
        if (entry) {
            EXPECT_EQ(entry->time, *c.time) << c.name;
            EXPECT_EQ(entry->model, c.model) << c.name;
        }
    }
    EXPECT_EQ(backupFileStem("KW-217V", kNow), "KW-217V-20261208-143501");
    EXPECT_EQ(backupFileStem("KW-217U", LocalTime{2027, 2, 3, 4, 5, 6}, 3),
              "KW-217U-20270203-040506-3");
    EXPECT_EQ(backupTimeText(kNow), "2026-12-08 14:35:01");
}

TEST(RadioBackups, FolderFollowsXdgDataHome) {
    const struct {
        const char* xdgDataHome;
        const char* home;
        const char* folder;
    } cases[] = {
        {"/data", "/home/u", "/data/kwprog/backups"},
        {"/data/", "/home/u", "/data/kwprog/backups"},
        {nullptr, "/home/u", "/home/u/.local/share/kwprog/backups"},
        {"relative", "/home/u/", "/home/u/.local/share/kwprog/backups"},
        {"", nullptr, ""},
        {nullptr, "relative", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(backupsFolderFrom(c.xdgDataHome, c.home), c.folder)
            << (c.xdgDataHome ? c.xdgDataHome : "(unset)");
    }
}

// The file is the read image byte for byte, opens as a document, and a second backup in
// the same second gets the next number.
TEST(RadioBackups, SavedBackupIsTheReadImageUnderAFreeName) {
    const test::TempDir dir;
    const std::string folder = dir.file("data/kwprog/backups");
    const RadioImage image = readImage();
    for (const char* expected : {"KW-217U-20261208-143501.dat", "KW-217U-20261208-143501-2.dat",
                                 "KW-217U-20261208-143501-3.dat"}) {
        const BackupSaveResult saved = saveBackup(placeIn(folder), image);
        ASSERT_TRUE(saved) << saved.error;
        EXPECT_EQ(saved.path, folder + "/" + expected);
        RadioImage opened{};
        ASSERT_TRUE(loadDocumentFile(saved.path, opened));
        EXPECT_EQ(opened, image);
    }
    EXPECT_EQ(namesIn(folder), (std::vector<std::string>{"KW-217U-20261208-143501-3.dat",
                                                         "KW-217U-20261208-143501-2.dat",
                                                         "KW-217U-20261208-143501.dat"}));

    // Backups taken at once in the same second (a fleet) each get a name of their own.
    std::vector<std::thread> fleet;
    for (int port = 0; port < 4; ++port) {
        fleet.emplace_back([&] { EXPECT_TRUE(saveBackup(placeIn(folder), image)); });
    }
    for (std::thread& thread : fleet) {
        thread.join();
    }
    EXPECT_EQ(namesIn(folder).size(), 7u);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 7);

    test::writeFile(dir.file("file"), "");
    EXPECT_FALSE(saveBackup(placeIn(dir.file("file/backups")), image));
    EXPECT_FALSE(saveBackup(placeIn(""), image));
}

// Each new backup deletes those whose name's time lies more than BackupDays days back;
// 0 keeps all, and files that are no backups stay, as does the one being written (restored).
TEST(RadioBackups, NewBackupPrunesByAge) {
    const std::vector<std::string> old{
        "KW-217V-20251208-143500.dat",  // 365 days and a second back
        "KW-217V-20251208-143501.dat",  // exactly 365 days back
        "KW-217U-20261201-120000.dat",
        "notes.dat",
    };
    const struct {
        std::uint32_t keepDays;
        std::vector<std::string> kept;  // newest first, besides the new one
        std::string spared = {};
    } cases[] = {
        {365, {"KW-217U-20261201-120000.dat", "KW-217V-20251208-143501.dat"}},
        {8, {"KW-217U-20261201-120000.dat"}},
        {1, {}},
        {1, {"KW-217V-20251208-143500.dat"}, "KW-217V-20251208-143500.dat"},
        {0,
         {"KW-217U-20261201-120000.dat", "KW-217V-20251208-143501.dat",
          "KW-217V-20251208-143500.dat"}},
    };
    for (const auto& c : cases) {
        const test::TempDir dir;
        for (const std::string& name : old) {
            test::writeFile(dir.file(name), "x");
        }
        BackupPlace place = placeIn(dir.path(), c.keepDays);
        place.spared = c.spared.empty() ? "" : dir.file(c.spared);
        ASSERT_TRUE(saveBackup(place, readImage()));
        std::vector<std::string> expected{"KW-217U-20261208-143501.dat"};
        expected.insert(expected.end(), c.kept.begin(), c.kept.end());
        EXPECT_EQ(namesIn(dir.path()), expected) << c.keepDays;
        EXPECT_TRUE(fs::exists(dir.file("notes.dat")));
    }
}

// A backup Read starts from a new document holding the password the radio must have.
TEST(RadioBackups, ReadStartsFromANewDocumentWithThePassword) {
    const RadioImage start = backupReadStart(readImage());
    RadioImage expected{};
    ProductState product;
    fillNewDocumentImage(expected, product);
    EXPECT_EQ(test::hex(std::span(start).subspan(kPassword, kPasswordSize)), "34 37 31 31 FF FF");
    std::copy_n(start.begin() + kPassword, kPasswordSize, expected.begin() + kPassword);
    EXPECT_EQ(start, expected);
}

}  // namespace
}  // namespace kw
