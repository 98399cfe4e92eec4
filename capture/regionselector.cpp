#include "regionselector.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

RegionSelector::RegionSelector(
    const QImage &screenPicture, qreal devicePixelRatio, const QRect &screen)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , frozen(QPixmap::fromImage(screenPicture))
    , ratio(devicePixelRatio > 0 ? devicePixelRatio : 1.0)
    , pictureSize(screenPicture.size())
{
    frozen.setDevicePixelRatio(ratio);
    setAttribute(Qt::WA_DeleteOnClose);
    // The main window is hidden meanwhile; closing this one must not end the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    setCursor(Qt::CrossCursor);
    setMouseTracking(true);
    setGeometry(screen.isValid() ? screen : QRect(QPoint(), pictureSize / ratio));
}

QRect RegionSelector::devicePixels(
    const QRect &logical, qreal devicePixelRatio, const QSize &bounds)
{
    const QRect device(int(std::floor(logical.x() * devicePixelRatio)),
        int(std::floor(logical.y() * devicePixelRatio)),
        int(std::lround(logical.width() * devicePixelRatio)),
        int(std::lround(logical.height() * devicePixelRatio)));
    return device.intersected(QRect(QPoint(), bounds));
}

QRect RegionSelector::selection() const
{
    return QRect(anchor, current).normalized();
}

void RegionSelector::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, frozen);
    const QRect region = dragging ? selection() : QRect();
    // Everything outside the region is dimmed; the region itself shows the true pixels.
    QRegion outside(rect());
    outside -= region;
    painter.setClipRegion(outside);
    painter.fillRect(rect(), QColor(0, 0, 0, 100));
    painter.setClipping(false);
    if (!dragging)
        return;
    painter.setPen(QPen(QColor(60, 198, 74), 1));
    painter.drawRect(region.adjusted(-1, -1, 0, 0));

    const QString size = QStringLiteral("%1x%2").arg(region.width()).arg(region.height());
    QRect label = painter.fontMetrics().boundingRect(size).adjusted(-4, -2, 4, 2);
    label.moveBottomLeft(region.topLeft() - QPoint(0, 4));
    if (label.top() < 0)
        label.moveTopLeft(region.bottomLeft() + QPoint(0, 4));
    painter.fillRect(label, QColor(40, 43, 53, 220));
    painter.setPen(Qt::white);
    painter.drawText(label, Qt::AlignCenter, size);
}

void RegionSelector::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    anchor = current = event->pos();
    dragging = true;
    update();
}

void RegionSelector::mouseMoveEvent(QMouseEvent *event)
{
    if (!dragging)
        return;
    current = event->pos();
    update();
}

void RegionSelector::mouseReleaseEvent(QMouseEvent *event)
{
    if (!dragging || event->button() != Qt::LeftButton)
        return;
    current = event->pos();
    dragging = false;
    // A click without a drag selects nothing; the user may drag again.
    if (current == anchor) {
        update();
        return;
    }
    answer(devicePixels(selection(), ratio, pictureSize));
}

void RegionSelector::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape) {
        QWidget::keyPressEvent(event);
        return;
    }
    answer(QRect());
}

void RegionSelector::closeEvent(QCloseEvent *event)
{
    // However the window goes, whoever waits for it hears back.
    if (!answered) {
        answered = true;
        emit cancelled();
    }
    QWidget::closeEvent(event);
}

void RegionSelector::answer(const QRect &region)
{
    if (answered)
        return;
    answered = true;
    hide();
    if (region.isEmpty())
        emit cancelled();
    else
        emit selected(region);
    close();
}
