#include "windowgrowth.h"

#include <QMargins>
#include <QtGlobal>

namespace {
constexpr double screenShare = 0.8;
constexpr int growthPadding = 10;

// Half of the missing length on each side; single precision and qRound keep the
// window's outcome the same on every platform.
int growthPerSide(int wanted, int current)
{
    if (current >= wanted)
        return 0;
    return qRound(float(wanted - current) * 0.5f) + growthPadding;
}
} // namespace

QRect grownWindowGeometry(
    const QRect &window, const QSize &view, const QSize &scene, const QSize &screen)
{
    if (scene.width() <= view.width() && scene.height() <= view.height())
        return window;
    const int maxW = qRound(screen.width() * screenShare);
    const int maxH = qRound(screen.height() * screenShare);
    const int wantW = qMin(scene.width(), maxW);
    const int wantH = qMin(scene.height(), maxH);
    const int dw = growthPerSide(wantW, window.width());
    const int dh = growthPerSide(wantH, window.height());
    return window.marginsAdded(QMargins(dw, dh, dw, dh));
}
