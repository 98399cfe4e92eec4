#pragma once

#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QWidget>

// The frozen screen shown full-screen; the user drags a rectangle, taken on release, or
// presses Esc. The rectangle counts the pixels under both corners, as a rectangle mark does.
class RegionSelector : public QWidget
{
    Q_OBJECT
public:
    // screenPicture in device pixels, showing the screen whose logical geometry is screen.
    RegionSelector(const QImage &screenPicture, qreal devicePixelRatio, const QRect &screen);

    // The device pixels of screenPicture under a rectangle of logical pixels.
    static QRect devicePixels(const QRect &logical, qreal devicePixelRatio, const QSize &bounds);

signals:
    // Device pixels of the screen picture.
    void selected(const QRect &region);
    void cancelled();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QRect selection() const;
    void answer(const QRect &region);

    QPixmap frozen;
    qreal ratio;
    QSize pictureSize;
    QPoint anchor;
    QPoint current;
    bool dragging = false;
    bool answered = false;
};
