// The channel table printed to PDF files: real printer, real files in a temporary folder.

#include <gtest/gtest.h>

#include <QPrinter>
#include <QRegularExpression>

#include "app/channel_printer.h"
#include "app/child_frame.h"
#include "app/main_frame.h"
#include "channels/cell_edit.h"
#include "gui_support.h"

namespace kw::test {
namespace {

// The page objects of a PDF file (its /Pages tree node does not count).
int pdfPageCount(const std::string& bytes) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    int count = 0;
    auto matches = page.globalMatch(QString::fromLatin1(bytes.data(), qsizetype(bytes.size())));
    while (matches.hasNext()) {
        matches.next();
        ++count;
    }
    return count;
}

void toPdf(QPrinter& printer, const std::string& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
}

ChannelGrid gridWithChannels(int count) {
    ChannelGrid grid(Language::English);
    for (int row = kFirstChannelRow; row < kFirstChannelRow + count; ++row) {
        grid.setText({row, kRxColumn}, "145.00000");
        grid.setText({row, kNameColumn}, "CH" + std::to_string(row));
    }
    return grid;
}

int printedPages(int channels, const std::string& path) {
    QPrinter printer(QPrinter::HighResolution);
    toPdf(printer, path);
    app::printChannelTable(printer, gridWithChannels(channels), QStringLiteral("radio.dat"),
                           Language::English);
    const std::string bytes = readFile(path);
    EXPECT_TRUE(bytes.starts_with("%PDF")) << path;
    return pdfPageCount(bytes);
}

TEST(Printing, TheTableTakesAsManyPagesAsItsUsedChannelsNeed) {
    TempDir dir;
    EXPECT_EQ(printedPages(0, dir.file("none.pdf")), 1);  // header and titles still print
    EXPECT_EQ(printedPages(1, dir.file("one.pdf")), 1);
    const int full = printedPages(129, dir.file("full.pdf"));
    EXPECT_GE(full, 2);
    // Twice the rows never need fewer pages, and never more than twice as many plus one.
    const int half = printedPages(64, dir.file("half.pdf"));
    EXPECT_LE(half, full);
    EXPECT_LE(full, 2 * half + 1);
}

TEST(Printing, TheFramePrintsTheActiveDocumentToAPdfFile) {
    ProgramDir dir;
    RunningProgram run(dir);
    ASSERT_TRUE(run.start());
    QPrinter printer(QPrinter::HighResolution);
    toPdf(printer, dir.file("document.pdf"));
    run.frame().printActiveDocument(printer);
    const std::string bytes = readFile(dir.file("document.pdf"));
    EXPECT_GT(bytes.size(), 1000u);
    EXPECT_GE(pdfPageCount(bytes), 1);
    EXPECT_FALSE(run.frame().activeChild()->isModified());
}

TEST(Printing, TheDocumentsNameIsThePrintsTitleAndItsFileProposal) {
    ProgramDir dir;
    RunningProgram run(dir);
    ASSERT_TRUE(run.start());
    app::CChildFrame* child = run.frame().activeChild();
    run.files.setNextFileName(QString::fromStdString(dir.file("edited.dat")));
    ASSERT_TRUE(run.frame().saveDocument(child, true));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);  // the dialog's Print to File
    app::preparePrinter(printer, *child);
    EXPECT_EQ(printer.outputFileName(), QString::fromStdString(dir.file("edited.pdf")));
    run.frame().printActiveDocument(printer);
    // The PDF's title, in UTF-16 with its byte-order mark.
    std::string title = "/Title (\xFE\xFF";
    for (const char c : std::string_view("edited.dat")) {
        title += '\0';
        title += c;
    }
    EXPECT_NE(readFile(dir.file("edited.pdf")).find(title + ")"), std::string::npos);
}

// A reader's search finds the words as they were typed, not a ligature glyph for "ff".
TEST(Printing, TheTextIsUnshapedSoItsLettersAreFound) {
    TempDir dir;
    ChannelGrid grid(Language::Chinese);  // its titles and page numbers hold no "f"
    grid.setText({1, kRxColumn}, "145.00000");
    grid.setText({1, kBusyLockColumn}, "Off");
    QPrinter printer(QPrinter::HighResolution);
    toPdf(printer, dir.file("off.pdf"));
    app::printChannelTable(printer, grid, QStringLiteral("radio.dat"), Language::Chinese);
    // The fonts' character maps are plain text: "f" is one of the characters drawn.
    EXPECT_NE(readFile(dir.file("off.pdf")).find("<0066>"), std::string::npos);
}

}  // namespace
}  // namespace kw::test
