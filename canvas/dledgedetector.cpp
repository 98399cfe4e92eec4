#include "dledgedetector.h"

#include "capslock.h"
#include "colorrun.h"
#include "dlgraphicsscene.h"
#include "dlundocommand.h"
#include "marks/dlgraphicsitem.h"
#include "marks/dlgraphicsitemrenderer.h"

#include <QGraphicsPathItem>
#include <QGraphicsPixmapItem>

#include <cmath>

namespace {
// Where a detection looks: the whole pixel under pos. A position no int can hold lies
// outside every picture, so it is sent far outside instead of overflowing.
QPoint detectPixel(const QPointF &pos)
{
    const double x = std::floor(pos.x());
    const double y = std::floor(pos.y());
    constexpr double limit = 1e9;
    if (!std::isfinite(x) || !std::isfinite(y) || std::abs(x) > limit || std::abs(y) > limit)
        return QPoint(-1, -1);
    return QPoint(int(x), int(y));
}
} // namespace

DLEdgeDetector::DLEdgeDetector(DLGraphicsScene &scene)
    : m_scene(scene)
    , m_lenLeftImage(QStringLiteral(":/DL/images/DLLenLeftside.png"))
    , m_lenMidImage(QStringLiteral(":/DL/images/DLLenMidside.png"))
    , m_lenRightImage(QStringLiteral(":/DL/images/DLLenRightside.png"))
{
}

QImage DLEdgeDetector::makeLengthLabelImage(int length) const
{
    return ::makeLengthLabelImage(length, m_lenLeftImage, m_lenMidImage, m_lenRightImage);
}

bool DLEdgeDetector::findRun(QPointF pos, QPoint *start, QPoint *end) const
{
    return m_scene.findColorRun(detectPixel(pos), !capsLockOn(), start, end);
}

void DLEdgeDetector::removePreview()
{
    delete m_detectPath;
    delete m_detectLabel;
    forget();
}

void DLEdgeDetector::forget()
{
    m_detectPath = nullptr;
    m_detectLabel = nullptr;
}

void DLEdgeDetector::start(QPointF pos)
{
    // A start while a phase runs replaces its preview rather than leaving it on the canvas.
    removePreview();
    // Empty until the first look: without a run under the pointer the bracket stays empty.
    m_detectPath
        = m_scene.addPath(QPainterPath(), DLGraphicsItemRenderer::darkMarkPen(), QBrush(Qt::white));
    m_detectLabel = m_scene.addPixmap(QPixmap());
    follow(pos);
}

void DLEdgeDetector::follow(QPointF pos)
{
    // The canvas was cleared under a running phase: there is no preview left to follow.
    if (!m_detectPath || !m_detectLabel)
        return;
    QPoint start;
    QPoint end;
    int length = 0;
    if (findRun(pos, &start, &end))
        m_detectPath->setPath(makeMeasurePath(start, end, &length));
    m_detectLabel->setPixmap(QPixmap::fromImage(makeLengthLabelImage(length)));
    m_detectLabel->setPos(pos.x(), pos.y() - 28);
}

void DLEdgeDetector::end(bool select, QPointF pos)
{
    // Without a preview there is no phase to end: a click after the canvas was cleared under
    // it, or one the view still takes for tracking, must not make a mark nobody saw.
    const bool previewing = isDetecting();
    removePreview();
    if (!select || !previewing)
        return;
    QPoint start;
    QPoint end;
    // A one-pixel run still makes its mark, with both points on the one pixel.
    if (!findRun(pos, &start, &end))
        return;
    DLGraphicsItem *mark
        = DLGraphicsItem::create(MarkLength, QPointF(start), QPointF(end), QString(), 100.0);
    if (!mark)
        return;
    m_scene.placeNewMark(mark);
    m_scene.pushUndoCommand(mark->takeUndoCommand(&m_scene, false));
}
