#include "labeldrawing.h"

#include "dlgraphicsitemrenderer.h"
#include "dlgraphicstextdrawitemrenderer.h"
#include "labelimagecache.h"

#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

namespace {
void setHighQualityAntialiasing(QPainter *painter)
{
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    painter->setRenderHint(QPainter::HighQualityAntialiasing, true);
    QT_WARNING_POP
}

// Everything of a pen that shows in a stroke or in text, as raw bytes: keys are made for every
// label on every repaint, so they must be cheap.
void appendPen(QByteArray *key, const QPen &pen)
{
    const struct
    {
        QRgb color;
        int style;
        int cap;
        int join;
        double width;
    } parts {pen.color().rgba(), int(pen.style()), int(pen.capStyle()), int(pen.joinStyle()),
        pen.widthF()};
    key->append(reinterpret_cast<const char *>(&parts), int(sizeof parts));
}

const QByteArray &fontKey(const QFont &font)
{
    static QFont last;
    static QByteArray key = last.key().toUtf8();
    if (!(font == last)) {
        last = font;
        key = font.key().toUtf8();
    }
    return key;
}
} // namespace

void paintOutlinedLabel(const QRectF &label, const QString &text, QPainter *painter, bool selected)
{
    painter->save();
    QPainterPath outline;
    outline.addText(QPointF(label.x(), label.y() + label.height() - 3.0),
        DLGraphicsItemRenderer::labelFont(), text);
    setHighQualityAntialiasing(painter);
    painter->setRenderHint(QPainter::TextAntialiasing, true);
    painter->strokePath(outline, DLGraphicsItemRenderer::labelOutlinePen());
    painter->setFont(DLGraphicsItemRenderer::labelFont());
    painter->setPen(
        selected ? DLGraphicsItemRenderer::darkMarkPen() : DLGraphicsItemRenderer::markPen());
    painter->setBrush(
        selected ? DLGraphicsItemRenderer::darkMarkBrush() : DLGraphicsItemRenderer::markBrush());
    painter->drawText(label, 0, text);
    painter->restore();
}

void drawOutlinedLabel(
    const DLGraphicsItemRenderer &renderer, QPainter *painter, bool selected, const QPointF &offset)
{
    const QRectF label = renderer.labelRect().translated(offset);
    const QString text = renderer.text();
    const QPen &outlinePen = DLGraphicsItemRenderer::labelOutlinePen();
    const QSizeF size = label.size();
    QByteArray key;
    key.reserve(128 + 2 * text.size());
    key.append(reinterpret_cast<const char *>(text.constData()), 2 * text.size());
    key.append('\0');
    key.append(fontKey(DLGraphicsItemRenderer::labelFont()));
    appendPen(&key, outlinePen);
    appendPen(
        &key, selected ? DLGraphicsItemRenderer::darkMarkPen() : DLGraphicsItemRenderer::markPen());
    key.append(reinterpret_cast<const char *>(&size), int(sizeof size));
    const auto bounds = [&] {
        QPainterPath outline;
        outline.addText(QPointF(label.x(), label.y() + label.height() - 3.0),
            DLGraphicsItemRenderer::labelFont(), text);
        const qreal reach = outlinePen.widthF() + 1.0;
        return outline.boundingRect().adjusted(-reach, -reach, reach, reach).united(label);
    };
    LabelImageCache::instance().draw(painter, key, label.topLeft(), bounds,
        [&](QPainter *target) { paintOutlinedLabel(label, text, target, selected); });
}

void drawLaidOutText(const QTextLayout &layout, const QPointF &topLeft, QPainter *painter)
{
    const QString text = layout.text();
    QByteArray key;
    key.reserve(96 + 2 * text.size() + 24 * layout.lineCount());
    key.append("text", 5);
    key.append(reinterpret_cast<const char *>(text.constData()), 2 * text.size());
    key.append('\0');
    key.append(fontKey(layout.font()));
    appendPen(&key, painter->pen());
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        const struct
        {
            int start;
            int length;
            QPointF position;
            double width;
        } placed {line.textStart(), line.textLength(), line.position(), line.width()};
        key.append(reinterpret_cast<const char *>(&placed), int(sizeof placed));
    }
    const auto bounds = [&] {
        // Glyphs may reach past their lines (bearings, tall accents), so their own boxes count.
        QRectF area = layout.boundingRect();
        for (const QGlyphRun &run : layout.glyphRuns()) {
            const QRawFont font = run.rawFont();
            const QVector<quint32> glyphs = run.glyphIndexes();
            const QVector<QPointF> positions = run.positions();
            for (int i = 0; i < glyphs.size() && i < positions.size(); ++i)
                area |= font.boundingRect(glyphs[i]).translated(positions[i]);
        }
        return area.translated(topLeft).adjusted(-2, -2, 2, 2);
    };
    LabelImageCache::instance().draw(painter, key, topLeft, bounds, [&](QPainter *target) {
        target->save();
        layout.draw(target, topLeft, {}, QRectF());
        target->restore();
    });
}

void paintLeader(const DLGraphicsTextDrawItemRenderer &renderer, QPainter *painter, bool emphasised,
    bool hovered)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    setHighQualityAntialiasing(painter);
    const QPainterPath leader = renderer.leaderPath();
    const QPolygonF arrow = renderer.arrowTriangle();
    if (hovered && !emphasised) {
        painter->strokePath(leader, DLGraphicsItemRenderer::whiteHaloPen());
        painter->setPen(DLGraphicsItemRenderer::whiteHaloPen());
        painter->setBrush(Qt::NoBrush);
        painter->drawPolygon(arrow);
    }
    const QPen &pen
        = emphasised ? DLGraphicsItemRenderer::darkMarkPen() : DLGraphicsItemRenderer::markPen();
    painter->strokePath(leader, pen);
    painter->setPen(pen);
    painter->setBrush(
        emphasised ? DLGraphicsItemRenderer::darkMarkBrush() : DLGraphicsItemRenderer::markBrush());
    painter->drawPolygon(arrow);
    painter->restore();
}

void drawLeader(const DLGraphicsTextDrawItemRenderer &renderer, QPainter *painter, bool emphasised,
    bool hovered)
{
    const bool halo = hovered && !emphasised;
    const struct
    {
        QPointF points[8];
        QRgb fill;
        int flags;
    } shape {{renderer.arrowBase(), renderer.corner(), renderer.end(), renderer.control1(),
                 renderer.control2(), renderer.arrowTip(), renderer.arrowCorner1(),
                 renderer.arrowCorner2()},
        (emphasised ? DLGraphicsItemRenderer::darkMarkBrush() : DLGraphicsItemRenderer::markBrush())
            .color()
            .rgba(),
        int(renderer.isCurved()) | int(emphasised) << 1 | int(halo) << 2};
    QByteArray key;
    key.reserve(200);
    key.append("leader", 7);
    key.append(reinterpret_cast<const char *>(&shape), int(sizeof shape));
    appendPen(&key,
        emphasised ? DLGraphicsItemRenderer::darkMarkPen() : DLGraphicsItemRenderer::markPen());
    if (halo)
        appendPen(&key, DLGraphicsItemRenderer::whiteHaloPen());
    const auto bounds = [&] {
        const qreal reach
            = (halo ? DLGraphicsItemRenderer::whiteHaloPen().widthF() : 1.0) / 2 + 2.0;
        return renderer.leaderPath()
            .boundingRect()
            .united(renderer.arrowTriangle().boundingRect())
            .adjusted(-reach, -reach, reach, reach);
    };
    LabelImageCache::instance().draw(painter, key, QPointF(), bounds,
        [&](QPainter *target) { paintLeader(renderer, target, emphasised, hovered); });
}

QPainterPath calloutPath(const DLGraphicsTextDrawItemRenderer &renderer)
{
    QPainterPath path = renderer.leaderPath();
    path.addPolygon(renderer.arrowTriangle());
    path.closeSubpath();
    return path;
}
