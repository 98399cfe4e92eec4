#include "guidegeometry.h"

#include <QAbstractSlider>

namespace {
struct Fractions
{
    double visible = 1.0;
    double offset = 0.0;
};

Fractions fractionsOf(const QAbstractSlider *bar)
{
    Fractions f;
    if (!bar || bar->maximum() == bar->minimum())
        return f;
    const double range = bar->maximum() - bar->minimum() + bar->pageStep();
    f.visible = bar->pageStep() / range;
    f.offset = (bar->value() - bar->minimum()) / range;
    return f;
}
} // namespace

QPainterPath makeGuidePath(const QRectF &r, bool vertical)
{
    QPainterPath path;
    if (vertical) {
        path.moveTo(0, r.y());
        path.lineTo(0, r.y() + r.height());
    } else {
        path.moveTo(r.x(), 0);
        path.lineTo(r.x() + r.width(), 0);
    }
    return path;
}

QRect scrollVisibleRect(
    const QAbstractSlider *horizontal, const QAbstractSlider *vertical, const QSizeF &area)
{
    const Fractions h = fractionsOf(horizontal);
    const Fractions v = fractionsOf(vertical);
    return QRect(int(area.width() * h.offset), int(area.height() * v.offset),
        int(area.width() * h.visible), int(area.height() * v.visible));
}

QRectF visibleSceneRect(const QRectF &sceneRect, double scale, const QAbstractSlider *horizontal,
    const QAbstractSlider *vertical)
{
    const QRectF &sr = sceneRect;
    const double s = scale;
    if (!(s > 0.0))
        return sr;
    if (s > 1.0) {
        const QRect v
            = scrollVisibleRect(horizontal, vertical, QSizeF(sr.width() * s, sr.height() * s));
        return QRectF(
            v.x() / s + sr.x(), v.y() / s + sr.y(), v.width() / s + 16, v.height() / s + 16);
    }
    const double mx = (sr.width() / s - sr.width()) * 0.5;
    const double my = (sr.height() / s - sr.height()) * 0.5;
    return sr.adjusted(-mx, -my, mx, my);
}
