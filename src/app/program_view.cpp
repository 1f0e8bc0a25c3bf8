#include "app/program_view.h"

namespace kw::app {

CProgramView::CProgramView(CProgramDoc& document, ProductState& product, QWidget* parent)
    : QWidget(parent), document_(document), product_(product) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void CProgramView::refill() {
    product_.deriveFrom(document_.image());
}

void CProgramView::gridCommit() {
    product_.writeInto(document_.image());
}

}  // namespace kw::app
