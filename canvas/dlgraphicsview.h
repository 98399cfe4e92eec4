#pragma once

#include <QGraphicsView>
#include <QPointF>

// The canvas view: Ctrl + wheel asks the editor to zoom, and free-move tracking
// reports the pointer to edge auto-detection.
class DLGraphicsView : public QGraphicsView
{
    Q_OBJECT
public:
    explicit DLGraphicsView(QWidget *parent = nullptr);

    void setTrackMouseFreeMove(bool on);
    // Ends tracking as a Space release does: the preview goes, nothing is measured.
    void endTrackMouseFreeMove();
    bool isTrackingMouseFreeMove() const { return trackMouseFreeMove; }

signals:
    void fangda();
    void suoxiao();
    void trackMouseFreeMovePosChanged(QPointF pos);
    void trackMouseFreeMoveStart(QPointF pos);
    void trackMouseFreeMoveEnd(bool select, QPointF pos);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool trackMouseFreeMove = false;
};
