#pragma once
// CProgramView: the "Channel Information" view of a document. It keeps the product state
// in step with the document's image at every refill; the channel table itself comes
// with the channel grid.

#include <QWidget>

#include "link/transfer_commands.h"
#include "model/program_doc.h"

namespace kw::app {

class CProgramView : public QWidget, public GridSync {
    Q_OBJECT
  public:
    CProgramView(CProgramDoc& document, ProductState& product, QWidget* parent);

    CProgramDoc& document() { return document_; }
    // The value still in the current cell's editor; there is no editor yet.
    void cellCommit() override {}
    // The grid commit: before every save and every transfer.
    void gridCommit() override;
    // The grid refill: after a new document is shown, after open, after a model change.
    void refill() override;

  private:
    CProgramDoc& document_;
    ProductState& product_;
};

}  // namespace kw::app
