#pragma once

#include <QImage>
#include <QPointF>

class QGraphicsPathItem;
class QGraphicsPixmapItem;
class DLGraphicsScene;

// Edge auto-detection: while a detection phase runs, a bracket and a pixel count follow the
// run of same-coloured pixels under the pointer (a row, or a column with Caps Lock on); a
// click turns the run into a length mark.
class DLEdgeDetector
{
public:
    explicit DLEdgeDetector(DLGraphicsScene &scene);

    bool isDetecting() const { return m_detectPath != nullptr; }
    QGraphicsPathItem *previewPath() const { return m_detectPath; }
    QGraphicsPixmapItem *previewLabel() const { return m_detectLabel; }
    QImage makeLengthLabelImage(int length) const;

    void start(QPointF pos);
    void follow(QPointF pos);
    void end(bool select, QPointF pos);
    // The canvas deleted the preview with every other item.
    void forget();

private:
    bool findRun(QPointF pos, QPoint *start, QPoint *end) const;
    void removePreview();

    DLGraphicsScene &m_scene;
    QGraphicsPathItem *m_detectPath = nullptr;
    QGraphicsPixmapItem *m_detectLabel = nullptr;
    QImage m_lenLeftImage;
    QImage m_lenMidImage;
    QImage m_lenRightImage;
};
