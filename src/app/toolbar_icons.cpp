#include "app/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "res/command_ids.h"

namespace kw::app {
namespace {

constexpr int kSize = 32;  // drawn at twice the button size, so it scales down crisply

const QColor kInk(0x2b, 0x3a, 0x4a);
const QColor kPaper(0xfa, 0xfb, 0xfc);
const QColor kAccent(0x1f, 0x6f, 0x78);
const QColor kWarm(0xe0, 0x58, 0x3a);

QPixmap canvas() {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void drawSheet(QPainter& p) {
    QPainterPath sheet;
    sheet.moveTo(7, 3);
    sheet.lineTo(19, 3);
    sheet.lineTo(26, 10);
    sheet.lineTo(26, 29);
    sheet.lineTo(7, 29);
    sheet.closeSubpath();
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(kPaper);
    p.drawPath(sheet);
    p.drawPolyline(QPolygonF({QPointF(19, 3), QPointF(19, 10), QPointF(26, 10)}));
}

void drawRadio(QPainter& p, qreal x) {
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawRoundedRect(QRectF(x, 9, 11, 20), 2.5, 2.5);
    p.drawRect(QRectF(x + 7, 3, 2, 7));
    p.setBrush(QColor(0x9f, 0xd3, 0xc7));
    p.drawRect(QRectF(x + 2, 12, 7, 5));
}

void drawArrow(QPainter& p, QPointF from, QPointF to, const QColor& color) {
    p.setPen(QPen(color, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF n(-d.y(), d.x());
    p.drawPolyline(QPolygonF({to - d * 5 + n * 5, to, to - d * 5 - n * 5}));
}

QPixmap drawn(CommandId command) {
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (command) {
        case command::kFileNew:
            drawSheet(p);
            p.setPen(QPen(kAccent, 2.4));
            p.drawLine(QPointF(16.5, 14), QPointF(16.5, 24));
            p.drawLine(QPointF(11.5, 19), QPointF(21.5, 19));
            break;
        case command::kFileOpen: {
            p.setPen(QPen(kInk, 1.6));
            p.setBrush(QColor(0xf2, 0xc1, 0x4e));
            p.drawRoundedRect(QRectF(3, 7, 24, 20), 2, 2);
            p.setBrush(QColor(0xf7, 0xd6, 0x7c));
            p.drawPolygon(
                QPolygonF({QPointF(7, 13), QPointF(30, 13), QPointF(26, 27), QPointF(3, 27)}));
            break;
        }
        case command::kFileSave:
            p.setPen(QPen(kInk, 1.6));
            p.setBrush(kAccent);
            p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
            p.setBrush(kPaper);
            p.drawRect(QRectF(9, 4, 14, 9));
            p.setBrush(QColor(0xd9, 0xe2, 0xea));
            p.drawRect(QRectF(8, 18, 16, 10));
            break;
        case command::kRead:
            drawRadio(p, 3);
            drawArrow(p, QPointF(17, 17), QPointF(29, 17), kAccent);
            break;
        case command::kWrite:
            drawRadio(p, 18);
            drawArrow(p, QPointF(3, 17), QPointF(15, 17), kWarm);
            break;
        case command::kFilePrint:
            p.setPen(QPen(kInk, 1.6));
            p.setBrush(kPaper);
            p.drawRect(QRectF(9, 3, 14, 10));
            p.setBrush(QColor(0x8a, 0x99, 0xa8));
            p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
            p.setBrush(kPaper);
            p.drawRect(QRectF(9, 19, 14, 10));
            break;
        case command::kAppAbout: {
            p.setPen(Qt::NoPen);
            p.setBrush(kAccent);
            p.drawEllipse(QRectF(3, 3, 26, 26));
            QFont font;
            font.setPixelSize(20);
            font.setBold(true);
            p.setFont(font);
            p.setPen(Qt::white);
            p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
            break;
        }
        default:
            break;
    }
    return pixmap;
}

}  // namespace

QIcon toolbarIcon(CommandId command) {
    return QIcon(drawn(command));
}

QPixmap closeMark(const QColor& color) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(color, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4.5, 4.5), QPointF(11.5, 11.5));
    p.drawLine(QPointF(11.5, 4.5), QPointF(4.5, 11.5));
    return pixmap;
}

}  // namespace kw::app
