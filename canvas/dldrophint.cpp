#include "dldrophint.h"

#include <QCoreApplication>
#include <QGraphicsItemGroup>
#include <QGraphicsPixmapItem>
#include <QPainter>

QGraphicsItemGroup *DLDropHint::makeDropHintItem()
{
    auto *group = new QGraphicsItemGroup();
    group->addToGroup(new QGraphicsPixmapItem(QPixmap::fromImage(makeDropHintImage())));
    return group;
}

QPainterPath DLDropHint::dropIconPath(
    int side, int areaWidth, int areaHeight, int margin, QPointF offset)
{
    QPainterPath path;
    const double ox = offset.x();
    const double oy = offset.y();
    path.addRoundedRect(
        QRectF((areaWidth - side) / 2 + ox, (areaHeight - side) / 2 + oy, side, side), 10, 10,
        Qt::AbsoluteSize);
    const double cx = areaWidth / 2 + ox;
    const double top = areaHeight / 2 - side / 2 + 2 * margin + oy;
    const double bottom = areaHeight / 2 + side / 2 - 2 * margin + oy;
    const double barbY = areaHeight / 2 - side / 4 - 2 * margin + 2 + areaHeight / 2 + oy;
    path.moveTo(cx, top);
    path.lineTo(cx, bottom);
    path.lineTo(cx + side / 4, barbY);
    path.moveTo(cx, bottom);
    path.lineTo(cx - side / 4, barbY);
    return path;
}

QImage DLDropHint::makeDropHintImage()
{
    QImage hint(300, 160, QImage::Format_ARGB32_Premultiplied);
    hint.fill(Qt::transparent);
    QPainter painter(&hint);
    const QPainterPath icon = dropIconPath(100, 300, 100, 12, QPointF(0, 10));
    painter.save();
    QPen iconPen(QColor(255, 255, 255, 128));
    iconPen.setWidth(12);
    painter.setPen(iconPen);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.drawPath(icon);
    painter.restore();

    painter.setPen(Qt::white);
    painter.setFont(QFont(QStringLiteral("Arial"), 17));
    painter.drawText(QRect(0, 104, 300, 40), Qt::AlignHCenter | Qt::AlignVCenter | Qt::AlignBottom,
        QCoreApplication::translate("DLGraphicsScene", "Drop File Here"));
    painter.setFont(QFont(QStringLiteral("Arial"), 11));
    painter.drawText(QRect(0, 140, 300, 20), Qt::AlignHCenter | Qt::AlignVCenter | Qt::AlignTop,
        QStringLiteral("[dld, png, jpg, bmp]"));
    return hint;
}
