#pragma once
// Paints the channel table onto a printer, a PDF file or a print preview: the header
// with the document's name, model and band, the column titles, the used channels and
// the page numbers, on as many pages as they need.

#include <QString>

#include "channels/channel_grid.h"

class QPrinter;

namespace kw::app {

class CChildFrame;

void printChannelTable(QPrinter& printer, const ChannelGrid& grid, const QString& header,
                       Language language);

// Before the print dialog: the document's name is the print's title, and a print to a
// file proposes that name with ".pdf" in the document's folder.
void preparePrinter(QPrinter& printer, CChildFrame& child);

// The table as the document's view shows it: the value still in an editor and the grid
// are committed first, as a save does.
void printDocument(QPrinter& printer, CChildFrame& child, const ProductState& product,
                   Language language);

}  // namespace kw::app
