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

}  // namespace
}  // namespace kw::test
