#include "app/channel_printer.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <array>

#include "app/child_frame.h"
#include "app/program_view.h"
#include "app/qt_text.h"
#include "channels/channel_print_layout.h"

namespace kw::app {
namespace {

constexpr int kPointSize = 9;

// Column edges across `width`, in the grid's own proportions.
std::array<int, kGridColumnCount + 1> columnEdges(int left, int width) {
    int total = 0;
    for (const GridColumnLayout& column : kGridColumns) {
        total += column.widthPercent;
    }
    std::array<int, kGridColumnCount + 1> edges{};
    int sum = 0;
    for (int column = 0; column < kGridColumnCount; ++column) {
        edges[static_cast<std::size_t>(column)] = left + width * sum / total;
        sum += kGridColumns[static_cast<std::size_t>(column)].widthPercent;
    }
    edges[kGridColumnCount] = left + width;
    return edges;
}

void paintRow(QPainter& painter, const ChannelGrid& grid, int row, int top, int height,
              const std::array<int, kGridColumnCount + 1>& edges) {
    for (int column = 0; column < kGridColumnCount; ++column) {
        const auto index = static_cast<std::size_t>(column);
        const QRect cell(edges[index], top, edges[index + 1] - edges[index], height);
        painter.drawRect(cell);
        painter.drawText(cell, Qt::AlignCenter, toQString(grid.text(row, column)));
    }
}

}  // namespace

void printChannelTable(QPrinter& printer, const ChannelGrid& grid, const QString& header,
                       Language language) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return;
    }
    // Unshaped, so "Off" is three letters a PDF reader finds, not a ligature glyph.
    QFont font(QStringLiteral("Sans Serif"), kPointSize);
    font.setStyleStrategy(QFont::PreferNoShaping);
    painter.setFont(font);
    const QRect page = painter.viewport();
    const int lineHeight = painter.fontMetrics().height();
    const int rowHeight = lineHeight * 3 / 2;
    // The header line, the column titles and the page number, with a line's space each.
    const int reserved = 2 * lineHeight + rowHeight + 2 * lineHeight;
    const std::vector<int> rows = printedRows(grid);
    const PrintPages pages =
        paginate(static_cast<int>(rows.size()), page.height(), reserved, rowHeight);
    const auto edges = columnEdges(page.left(), page.width() - 1);

    for (int index = 0; index < pages.pageCount; ++index) {
        if (index > 0) {
            printer.newPage();
        }
        painter.drawText(QRect(page.left(), page.top(), page.width(), lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, header);
        int top = page.top() + 2 * lineHeight;
        paintRow(painter, grid, kTitleRow, top, rowHeight, edges);
        for (const int row : rowsOfPage(rows, pages, index)) {
            top += rowHeight;
            paintRow(painter, grid, row, top, rowHeight, edges);
        }
        painter.drawText(QRect(page.left(), page.bottom() - lineHeight, page.width(), lineHeight),
                         Qt::AlignCenter,
                         toQString(pageNumberText(index + 1, pages.pageCount, language)));
    }
    painter.end();
}

void printDocument(QPrinter& printer, CChildFrame& child, const ProductState& product,
                   Language language) {
    CProgramView& view = *child.view();
    view.cellCommit();
    view.gridCommit();
    const QString name = toQString(child.document().name());
    printer.setDocName(name);
    printChannelTable(printer, view.channels(),
                      toQString(printHeaderText(toStdString(name), product, language)), language);
}

void preparePrinter(QPrinter& printer, CChildFrame& child) {
    const QString name = toQString(child.document().name());
    printer.setDocName(name);
    // A printer chosen before keeps its place; only a print to a file takes the proposal.
    if (printer.outputFormat() != QPrinter::PdfFormat &&
        !QPrinterInfo::availablePrinterNames().isEmpty()) {
        return;
    }
    const QDir folder = child.document().hasFile()
                            ? QFileInfo(toQString(child.document().path())).absoluteDir()
                            : QDir::current();
    printer.setOutputFileName(
        folder.filePath(QFileInfo(name).completeBaseName() + QStringLiteral(".pdf")));
}

}  // namespace kw::app
