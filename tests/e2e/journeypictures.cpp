#include "journeypictures.h"

#include <QPainter>

namespace {
const QRgb frameColour = qRgb(17, 219, 203);
const QRgb lightBackground = qRgb(236, 238, 241);
const QRgb interfaceBackground = qRgb(247, 248, 250);

void drawFrame(QImage *image)
{
    QPainter painter(image);
    painter.setPen(QColor(frameColour));
    painter.drawRect(image->rect().adjusted(0, 0, -1, -1));
}
} // namespace

QRgb pictureFrameColour()
{
    return frameColour;
}

QRect markingPatch()
{
    return QRect(180, 60, 60, 40);
}

QRgb markingPatchColour()
{
    return qRgb(51, 102, 204);
}

QImage makeMarkingPicture()
{
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(lightBackground);
    QPainter painter(&image);
    painter.fillRect(markingPatch(), QColor(markingPatchColour()));
    painter.fillRect(QRect(20, 220, 120, 50), QColor(230, 126, 34));
    painter.end();
    drawFrame(&image);
    return image;
}

QVector<QRect> interfaceButtons()
{
    return {QRect(40, 90, 120, 36), QRect(184, 90, 93, 36), QRect(300, 150, 141, 44)};
}

QImage makeInterfacePicture()
{
    QImage image(480, 300, QImage::Format_RGB32);
    image.fill(interfaceBackground);
    QPainter painter(&image);
    painter.fillRect(QRect(1, 1, 478, 40), QColor(226, 229, 234));
    painter.fillRect(QRect(12, 14, 140, 12), QColor(120, 126, 138));
    const QColor fills[] = {QColor(52, 120, 246), QColor(46, 204, 113), QColor(231, 76, 60)};
    int i = 0;
    for (const QRect &button : interfaceButtons()) {
        painter.fillRect(button, fills[i++]);
        // The caption stays clear of the top and bottom eight rows and of the side
        // ten columns, where the journeys measure.
        painter.fillRect(button.adjusted(20, 14, -20, -14), Qt::white);
    }
    painter.end();
    drawFrame(&image);
    return image;
}

QPoint findPictureOrigin(const QImage &screen)
{
    for (int y = 0; y + 1 < screen.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(screen.constScanLine(y));
        for (int x = 0; x + 1 < screen.width(); ++x) {
            if ((line[x] & 0xffffff) != (frameColour & 0xffffff))
                continue;
            // The corner continues to the right and downwards.
            if ((screen.pixel(x + 1, y) & 0xffffff) == (frameColour & 0xffffff)
                && (screen.pixel(x, y + 1) & 0xffffff) == (frameColour & 0xffffff))
                return QPoint(x, y);
        }
    }
    return QPoint(-1, -1);
}
