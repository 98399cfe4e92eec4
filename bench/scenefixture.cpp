#include "scenefixture.h"

#include "canvas/dlgraphicsscene.h"
#include "canvas/dlgraphicsview.h"

#include <QApplication>
#include <QScrollBar>
#include <QStyle>

SceneFixture::SceneFixture(const QSize &viewportSize, bool shown)
    : m_scene(std::make_unique<DLGraphicsScene>())
    , m_view(std::make_unique<DLGraphicsView>())
{
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->setLineWidth(0);
    m_view->setScene(m_scene.get());
    m_scene->setEmptyState(true);
    // Room for the scroll bars that a picture larger than the view brings.
    const int bar = m_view->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    m_view->resize(viewportSize + QSize(bar, bar));
    if (shown) {
        m_view->show();
        QApplication::processEvents();
    }
}

SceneFixture::~SceneFixture()
{
    m_view->setScene(nullptr);
}

void SceneFixture::open(const QString &picture, const MarkRecordList &records, double nextZValue)
{
    m_scene->clearCanvas();
    m_scene->clearUndo();
    m_scene->loadDocument(records, picture, nextZValue);
    m_scene->setEmptyState(false);
    m_scene->setMode(ModeMark);
    m_view->setDragMode(QGraphicsView::NoDrag);
    m_view->setInteractive(true);
    QApplication::processEvents();
}
