#include "app/grid_corner_title.h"

#include <QPainter>
#include <QStyleOptionHeader>

namespace kw::app {

GridCornerTitle::GridCornerTitle(QWidget* parent) : QWidget(parent) {}

void GridCornerTitle::setText(const QString& text) {
    text_ = text;
    update();
}

void GridCornerTitle::setTextColour(const QColor& colour) {
    colour_ = colour;
    update();
}

void GridCornerTitle::paintEvent(QPaintEvent*) {
    QStyleOptionHeader option;
    option.initFrom(this);
    option.rect = rect();
    option.text = text_;
    option.textAlignment = Qt::AlignCenter;
    option.position = QStyleOptionHeader::OnlyOneSection;
    if (colour_.isValid()) {
        option.palette.setColor(QPalette::ButtonText, colour_);
    }
    QPainter painter(this);
    style()->drawControl(QStyle::CE_Header, &option, &painter, this);
}

}  // namespace kw::app
