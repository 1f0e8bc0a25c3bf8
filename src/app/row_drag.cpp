#include "app/row_drag.h"

#include <QCoreApplication>
#include <QStringList>

namespace kw::app {
namespace {

const QString kRowsFormat = QStringLiteral("application/x-kwprog-channel-rows");

// The process and the grid's address: a grid of another process is never taken for ours.
QString sourceKey(const CMSFlexGrid& source) {
    return QStringLiteral("%1:%2")
        .arg(QCoreApplication::applicationPid())
        .arg(reinterpret_cast<quintptr>(&source));
}

}  // namespace

QMimeData* rowsMimeData(const CMSFlexGrid& source, const std::vector<int>& rows,
                        const QString& text) {
    QStringList fields{sourceKey(source)};
    for (const int row : rows) {
        fields << QString::number(row);
    }
    auto* data = new QMimeData;
    data->setData(kRowsFormat, fields.join(u' ').toLatin1());
    data->setText(text);
    return data;
}

std::optional<DraggedRows> draggedRows(const QMimeData& data) {
    const QStringList fields = QString::fromLatin1(data.data(kRowsFormat)).split(u' ');
    const QStringList key = fields.front().split(u':');
    if (fields.size() < 2 || key.size() != 2 ||
        key[0].toLongLong() != QCoreApplication::applicationPid()) {
        return std::nullopt;
    }
    DraggedRows dragged;
    dragged.source = reinterpret_cast<const CMSFlexGrid*>(key[1].toULongLong());
    for (qsizetype i = 1; i < fields.size(); ++i) {
        dragged.rows.push_back(fields[i].toInt());
    }
    return dragged;
}

}  // namespace kw::app
