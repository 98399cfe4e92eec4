#include "labeldrawing.h"

#include "dlgraphicsitemrenderer.h"
#include "dlgraphicstextdrawitemrenderer.h"
#include "labelimagecache.h"

#include <QFontMetricsF>
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
    const DLGraphicsItemRenderer::Style &style = DLGraphicsItemRenderer::style();
    painter->save();
    QPainterPath outline;
    outline.addText(QPointF(label.x(), label.y() + label.height() - 3.0), style.labelFont, text);
    setHighQualityAntialiasing(painter);
    painter->setRenderHint(QPainter::TextAntialiasing, true);
    painter->strokePath(outline, style.labelOutlinePen);
    painter->setFont(style.labelFont);
    painter->setPen(DLGraphicsItemRenderer::penFor(selected));
    painter->setBrush(DLGraphicsItemRenderer::brushFor(selected));
    painter->drawText(label, 0, text);
    painter->restore();
}

void drawOutlinedLabel(
    const DLGraphicsItemRenderer &renderer, QPainter *painter, bool selected, const QPointF &offset)
{
    const QRectF label = renderer.labelRect().translated(offset);
    const QString text = renderer.text();
    const QFont &font = DLGraphicsItemRenderer::labelFont();
    const QPen &outlinePen = DLGraphicsItemRenderer::style().labelOutlinePen;
    const QSizeF size = label.size();
    QByteArray key;
    key.reserve(128 + 2 * text.size());
    key.append(reinterpret_cast<const char *>(text.constData()), 2 * text.size());
    key.append('\0');
    key.append(fontKey(font));
    appendPen(&key, outlinePen);
    appendPen(&key, DLGraphicsItemRenderer::penFor(selected));
    key.append(reinterpret_cast<const char *>(&size), int(sizeof size));
    const auto bounds = [&] {
        QPainterPath outline;
        outline.addText(QPointF(label.x(), label.y() + label.height() - 3.0), font, text);
        const qreal reach = outlinePen.widthF() + 1.0;
        return outline.boundingRect().adjusted(-reach, -reach, reach, reach).united(label);
    };
    LabelImageCache::instance().draw(painter, key, label.topLeft(), bounds,
        [&](QPainter *target) { paintOutlinedLabel(label, text, target, selected); });
}

void drawLaidOutText(const QTextLayout &layout, const QPointF &topLeft, QPainter *painter)
{
    // A text too large ever to be cached is drawn straight, and only the lines near the
    // visible area: whole-text passes on every paint freeze the window for long comments.
    const QRectF extent = painter->deviceTransform().mapRect(layout.boundingRect());
    if (!LabelImageCache::couldHold(extent.width() * extent.height())) {
        QRectF visible = painter->hasClipping()
            ? painter->clipBoundingRect()
            : painter->deviceTransform().inverted().mapRect(
                QRectF(0, 0, painter->device()->width(), painter->device()->height()));
        const double margin = 2 * QFontMetricsF(layout.font()).height();
        visible.adjust(-margin, -margin, margin, margin);
        painter->save();
        layout.draw(painter, topLeft, {}, visible);
        painter->restore();
        return;
    }
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

void paintLeader(
    const DLGraphicsTextDrawItemRenderer &renderer, QPainter *painter, bool selected, bool hovered)
{
    const QPen &haloPen = DLGraphicsItemRenderer::style().whiteHaloPen;
    const bool emphasised = selected || renderer.isPressed();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    setHighQualityAntialiasing(painter);
    const QPainterPath leader = renderer.leaderPath();
    const QPolygonF arrow = renderer.arrowTriangle();
    if (renderer.showsHoverHalo(hovered, selected)) {
        painter->strokePath(leader, haloPen);
        painter->setPen(haloPen);
        painter->setBrush(Qt::NoBrush);
        painter->drawPolygon(arrow);
    }
    painter->strokePath(leader, DLGraphicsItemRenderer::penFor(emphasised));
    painter->setPen(DLGraphicsItemRenderer::penFor(emphasised));
    painter->setBrush(DLGraphicsItemRenderer::brushFor(emphasised));
    painter->drawPolygon(arrow);
    painter->restore();
}

void drawLeader(
    const DLGraphicsTextDrawItemRenderer &renderer, QPainter *painter, bool selected, bool hovered)
{
    const QPen &haloPen = DLGraphicsItemRenderer::style().whiteHaloPen;
    const bool emphasised = selected || renderer.isPressed();
    const bool halo = renderer.showsHoverHalo(hovered, selected);
    const QPainterPath leader = renderer.leaderPath();
    const QPolygonF arrow = renderer.arrowTriangle();
    QByteArray key;
    key.reserve(240);
    key.append("leader", 7);
    for (int i = 0; i < leader.elementCount(); ++i) {
        const QPainterPath::Element e = leader.elementAt(i);
        const double element[] = {double(e.type), e.x, e.y};
        key.append(reinterpret_cast<const char *>(element), int(sizeof element));
    }
    key.append(
        reinterpret_cast<const char *>(arrow.constData()), int(arrow.size() * sizeof(QPointF)));
    key.append(char(halo));
    appendPen(&key, DLGraphicsItemRenderer::penFor(emphasised));
    const QRgb fill = DLGraphicsItemRenderer::brushFor(emphasised).color().rgba();
    key.append(reinterpret_cast<const char *>(&fill), int(sizeof fill));
    if (halo)
        appendPen(&key, haloPen);
    const auto bounds = [&] {
        const qreal reach = (halo ? haloPen.widthF() : 1.0) / 2 + 2.0;
        return leader.boundingRect()
            .united(arrow.boundingRect())
            .adjusted(-reach, -reach, reach, reach);
    };
    LabelImageCache::instance().draw(painter, key, QPointF(), bounds,
        [&](QPainter *target) { paintLeader(renderer, target, selected, hovered); });
}

QPainterPath calloutPath(const DLGraphicsTextDrawItemRenderer &renderer)
{
    QPainterPath path = renderer.leaderPath();
    path.addPolygon(renderer.arrowTriangle());
    path.closeSubpath();
    return path;
}
