#include "session/document_session.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "model/model_table.h"
#include "session/save_name.h"
#include "support/bytes.h"
#include "support/fake_sleeper.h"
#include "support/recording_observer.h"
#include "support/scripted_port.h"
#include "support/scripted_radio.h"
#include "support/temp_dir.h"

namespace kw {
namespace {

using test::hex;

constexpr GridCell kChannel1Rx{kFirstChannelRow, kRxColumn};

std::string rxBytesOfChannel1(std::span<const std::uint8_t> image) {
    return hex(image.subspan(0, 4));
}

struct Session {
    // The product state a first run restores: the first model with its band.
    Session() {
        product.storedBand = encodeBand(kRadioModels[0].band);
        session.newDocument("Dealer");
    }

    // Types into the current cell's editor and leaves the value there, uncommitted.
    void typeInto(GridCell cell, const std::string& text) {
        session.grid().setCurrent(cell);
        session.editors().showEditor(session.grid());
        session.editors().current(session.grid()).type(text);
    }

    ProductState product;
    DocumentSession session{product, Language::English};
};

TEST(SaveName, WhenSaveAsksForAName) {
    test::TempDir dir;
    const std::string writable = dir.file("writable.dat");
    const std::string readOnly = dir.file("read-only.dat");
    test::writeFile(writable, "");
    test::writeFile(readOnly, "");
    ::chmod(readOnly.c_str(), 0444);
    const bool readOnlyRefused = ::access(readOnly.c_str(), W_OK) != 0;  // not for root
    struct Case {
        const char* name;
        std::string path;
        bool hasFile;
        bool saveAs;
        bool asks;
    };
    const Case cases[] = {
        {"saved file", writable, true, false, false},
        {"Save As", writable, true, true, true},
        {"new document", writable, false, false, true},
        {"file gone", dir.file("gone.dat"), true, false, true},
        {"folder", dir.path(), true, false, true},
        {"read-only file", readOnly, true, false, readOnlyRefused},
    };
    for (const Case& c : cases) {
        CProgramDoc document;
        if (c.hasFile) {
            ASSERT_TRUE(document.save(writable));
        }
        document.setPath(c.path);
        EXPECT_EQ(saveAsksName(document, c.saveAs), c.asks) << c.name;
    }
}

TEST(SaveName, ProposedNameAndSuffix) {
    test::TempDir dir;
    struct Case {
        const char* path;
        bool hasFile;
        const char* proposed;
    };
    const Case cases[] = {
        {"Dealer", false, "Dealer.dat"},
        {"", false, ""},
        {"/home/radio/Dealer", false, "Dealer.dat"},
        {"sub/Dealer.bin", false, "Dealer.bin"},
        {"/home/radio/saved.dat", true, "/home/radio/saved.dat"},
        {"/home/radio.d/saved", true, "/home/radio.d/saved.dat"},
        {"/home/radio/saved.", true, "/home/radio/saved..dat"},
    };
    for (const Case& c : cases) {
        CProgramDoc document;
        if (c.hasFile) {
            ASSERT_TRUE(document.save(dir.file("x.dat")));
        }
        document.setPath(c.path);
        EXPECT_EQ(proposedSaveName(document), c.proposed) << c.path;
    }
    EXPECT_EQ(withDocumentSuffix("radio"), "radio.dat");
    EXPECT_EQ(withDocumentSuffix("radio.txt"), "radio.txt");
    EXPECT_EQ(withDocumentSuffix(".dat"), ".dat");
}

TEST(DocumentSession, NewDocumentIsShownAndProposesItsName) {
    Session s;
    EXPECT_EQ(s.session.document().title(), "Channel Information");
    EXPECT_EQ(proposedSaveName(s.session.document()), "Dealer.dat");
    EXPECT_TRUE(saveAsksName(s.session.document(), false));
    EXPECT_EQ(s.session.grid().text(kFrRow, 0), "Fr");
}

// A save takes the value still in the editor, then the grid, then writes the file.
TEST(DocumentSession, SaveCommitsTheCellAndTheGridFirst) {
    struct Case {
        const char* typed;
        CellCommitStatus status;
        const char* savedRx;
    };
    const Case cases[] = {
        {"145", CellCommitStatus::Committed, "00 00 50 14"},
        {"999", CellCommitStatus::Rejected, "FF FF FF FF"},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        Session s;
        s.typeInto(kChannel1Rx, c.typed);
        const DocumentSaveResult saved = s.session.save(dir.file("radio.dat"));
        ASSERT_TRUE(saved) << c.typed;
        EXPECT_EQ(saved.cell.status, c.status) << c.typed;
        const std::string file = test::readFile(dir.file("radio.dat"));
        EXPECT_EQ(rxBytesOfChannel1(
                      std::span(reinterpret_cast<const std::uint8_t*>(file.data()), file.size())),
                  c.savedRx)
            << c.typed;
        EXPECT_EQ(s.session.document().path(), dir.file("radio.dat"));
    }
}

TEST(DocumentSession, ModifiedTracking) {
    test::TempDir dir;
    const std::string saved = dir.file("radio.dat");
    struct Step {
        const char* name;
        std::function<void(Session&)> action;
        bool modified;
    };
    const Step steps[] = {
        {"new document", [](Session&) {}, false},
        {"nothing typed", [](Session& s) { s.session.cellCommit(); }, false},
        {"refused value",
         [](Session& s) {
             s.typeInto(kChannel1Rx, "999");
             (void)s.session.commitCell();
             s.session.editors().hideAll();
         },
         false},
        {"committed value",
         [](Session& s) {
             s.typeInto(kChannel1Rx, "145");
             s.session.cellCommit();
         },
         true},
        {"save", [&](Session& s) { ASSERT_TRUE(s.session.save(saved)); }, false},
        {"committed by Enter",
         [](Session& s) {
             s.typeInto(kChannel1Rx, "146");
             (void)s.session.commitCellByEnter();
         },
         true},
        {"failed save", [&](Session& s) { (void)s.session.save(dir.file("no/such/radio.dat")); },
         true},
        {"save", [&](Session& s) { ASSERT_TRUE(s.session.save(saved)); }, false},
        {"marked by the shell", [](Session& s) { s.session.setModified(true); }, true},
        {"open", [&](Session& s) { ASSERT_TRUE(s.session.open(saved, Language::English)); }, false},
        {"new again",
         [](Session& s) {
             s.session.setModified(true);
             s.session.newDocument("Dealer");
         },
         false},
    };
    Session s;
    for (const Step& step : steps) {
        step.action(s);
        EXPECT_EQ(s.session.isModified(), step.modified) << step.name;
    }
}

TEST(DocumentSession, AFailedOpenLeavesTheDocument) {
    test::TempDir dir;
    test::writeFile(dir.file("short.dat"), "abc");
    Session s;
    s.typeInto(kChannel1Rx, "145");
    s.session.cellCommit();
    const DocumentLoadResult loaded = s.session.open(dir.file("short.dat"), Language::English);
    EXPECT_FALSE(loaded);
    EXPECT_FALSE(loaded.error.empty());
    EXPECT_EQ(s.session.grid().text(kChannel1Rx), "145.00000");
    EXPECT_TRUE(s.session.isModified());
    EXPECT_FALSE(s.session.document().hasFile());
}

struct TransferRig {
    TransferRig() : port([this](std::span<const std::uint8_t> w) { return radio(w); }) {}

    TransferResult run(TransferDirection direction) {
        const bool offered =
            direction == TransferDirection::Read ? commands.onRead() : commands.onWrite(s.session);
        EXPECT_TRUE(offered && commands.start());
        ProgrammingSession programming(port, observer, sleeper);
        return commands.onTransfer(s.session, programming, s.session.image(), "COM2");
    }

    Session s;
    test::ScriptedRadio radio{1};
    test::ScriptedPort port;
    test::RecordingObserver observer;
    test::FakeSleeper sleeper;
    TransferCommands commands;
};

// The value left in the editor reaches the radio: cell commit, grid commit, then the frames.
TEST(DocumentSession, WriteSendsTheValueStillInTheEditor) {
    TransferRig rig;
    rig.s.typeInto(kChannel1Rx, "145");
    ASSERT_EQ(rig.run(TransferDirection::Write).outcome, TransferOutcome::Done);
    EXPECT_EQ(rxBytesOfChannel1(rig.radio.memory), "00 00 50 14");
}

// After a completed Read the grid shows the radio's channels, and no editor stays open.
TEST(DocumentSession, ReadRefillsTheGrid) {
    TransferRig rig;
    const auto record = test::bytes("00 25 51 14 00 25 51 14");
    std::copy(record.begin(), record.end(), rig.radio.memory.begin());
    rig.s.typeInto(kChannel1Rx, "150");
    ASSERT_EQ(rig.run(TransferDirection::Read).outcome, TransferOutcome::Done);
    EXPECT_EQ(rig.s.session.grid().text(kChannel1Rx), "145.12500");
    EXPECT_FALSE(rig.s.session.editors().forColumn(kRxColumn).visible());
}

}  // namespace
}  // namespace kw
