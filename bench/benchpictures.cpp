#include "benchpictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QSaveFile>

namespace {
constexpr int panelWidth = 920;
constexpr int panelHeight = 640;
constexpr int gutter = 40;
constexpr int noiseSide = 4096;
const QColor background(236, 240, 241);

const char *const words[] = {"layout", "padding", "button", "margin", "toolbar", "inspector",
    "settings", "preview", "canvas", "label", "spacing", "header", "footer", "select", "cancel",
    "apply", "width", "height", "colour", "shadow", "radius", "border", "icon", "menu"};

QString sentence(QRandomGenerator &random, int count)
{
    QStringList parts;
    for (int i = 0; i < count; ++i)
        parts << QString::fromLatin1(words[random.bounded(int(std::size(words)))]);
    return parts.join(QLatin1Char(' '));
}

void drawPanel(QPainter &painter, const QRect &frame, QRandomGenerator &random)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(frame);

    QRect title(frame.left(), frame.top(), frame.width(), 34);
    QLinearGradient titleFill(title.topLeft(), title.bottomLeft());
    titleFill.setColorAt(0, QColor(250, 250, 252));
    titleFill.setColorAt(1, QColor(214, 218, 224));
    painter.fillRect(title, titleFill);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QColor dots[] = {QColor(255, 95, 86), QColor(255, 189, 46), QColor(39, 201, 63)};
    for (int i = 0; i < 3; ++i) {
        painter.setBrush(dots[i]);
        painter.drawEllipse(QPointF(frame.left() + 20 + 22 * i, frame.top() + 17), 6, 6);
    }
    painter.setPen(QColor(60, 60, 67));
    painter.setFont(QFont(QStringLiteral("Arial"), 11, QFont::Bold));
    painter.drawText(title, Qt::AlignCenter, sentence(random, 2));

    // A side bar of list entries, a body of text lines, buttons and a chart with gradients.
    const QRect side(frame.left(), title.bottom() + 1, 200, frame.height() - title.height());
    painter.fillRect(side, QColor(246, 247, 249));
    painter.setFont(QFont(QStringLiteral("Arial"), 10));
    for (int y = side.top() + 14; y < side.bottom() - 20; y += 26) {
        painter.setPen(QColor(90, 94, 102));
        painter.drawText(QPoint(side.left() + 36, y + 12), sentence(random, 1));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(120 + random.bounded(80), 140, 200));
        painter.drawRoundedRect(QRectF(side.left() + 14, y + 1, 14, 14), 3, 3);
    }
    const int bodyLeft = side.right() + 24;
    painter.setFont(QFont(QStringLiteral("Arial"), 9));
    painter.setPen(QColor(40, 42, 48));
    for (int y = title.bottom() + 30; y < frame.top() + 330; y += 17)
        painter.drawText(QPoint(bodyLeft, y), sentence(random, 4 + random.bounded(6)));

    const QRectF chart(bodyLeft, frame.top() + 350, frame.right() - bodyLeft - 24, 200);
    QLinearGradient sky(chart.topLeft(), chart.bottomLeft());
    sky.setColorAt(0, QColor(88, 146, 230));
    sky.setColorAt(1, QColor(230, 240, 255));
    painter.fillRect(chart, sky);
    QRadialGradient glow(chart.center(), chart.height());
    glow.setColorAt(0, QColor(255, 255, 255, 150));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(chart, glow);
    painter.setPen(QPen(QColor(30, 60, 120), 2));
    QPointF last(chart.left(), chart.center().y());
    for (qreal x = chart.left(); x <= chart.right(); x += 24) {
        const QPointF next(x, chart.top() + 20 + random.bounded(int(chart.height()) - 40));
        painter.drawLine(last, next);
        last = next;
    }
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        const QRectF button(frame.right() - 24 - 110 * (i + 1), frame.bottom() - 56, 96, 30);
        painter.setBrush(i == 0 ? QColor(0, 122, 255) : QColor(229, 229, 234));
        painter.drawRoundedRect(button, 6, 6);
        painter.setPen(i == 0 ? Qt::white : QColor(30, 30, 30));
        painter.drawText(button, Qt::AlignCenter, sentence(random, 1));
        painter.setPen(Qt::NoPen);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

bool writeImage(const QImage &image, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, "png");
    if (!writer.write(image)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
} // namespace

BenchPictures::BenchPictures(const QString &folder)
    : m_folder(folder)
{
}

QString BenchPictures::screenshot() const
{
    return QDir(m_folder).filePath(QStringLiteral("screen-8k.png"));
}

QString BenchPictures::screenshotAt2x() const
{
    return QDir(m_folder).filePath(QStringLiteral("screen-8k@2x.png"));
}

QString BenchPictures::noise() const
{
    return QDir(m_folder).filePath(QStringLiteral("noise-50mb.png"));
}

QPoint BenchPictures::widestRowPoint()
{
    // The gutter above the second row of panels.
    return QPoint(screenWidth / 2 + 7, gutter + panelHeight + gutter / 2);
}

QPoint BenchPictures::tallestColumnPoint()
{
    // The gutter left of the third column of panels.
    return QPoint(2 * (panelWidth + gutter) + gutter / 2, screenHeight / 2 + 5);
}

bool BenchPictures::prepare()
{
    if (!QDir().mkpath(m_folder))
        return false;
    if (!QFileInfo::exists(screenshot()) && !writeScreenshot())
        return false;
    if (!QFileInfo::exists(screenshotAt2x())) {
        QFile::remove(screenshotAt2x());
        if (!QFile::copy(screenshot(), screenshotAt2x()))
            return false;
    }
    return QFileInfo::exists(noise()) || writeNoise();
}

bool BenchPictures::writeScreenshot() const
{
    QImage image(screenWidth, screenHeight, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    QRandomGenerator random(2024);
    for (int top = gutter; top + panelHeight <= screenHeight; top += panelHeight + gutter) {
        for (int left = gutter; left + panelWidth <= screenWidth; left += panelWidth + gutter)
            drawPanel(painter, QRect(left, top, panelWidth, panelHeight), random);
    }
    painter.end();
    return writeImage(image, screenshot());
}

bool BenchPictures::writeNoise() const
{
    QImage image(noiseSide, noiseSide, QImage::Format_RGB32);
    QRandomGenerator random(50);
    for (int y = 0; y < noiseSide; ++y) {
        auto *line = reinterpret_cast<quint32 *>(image.scanLine(y));
        random.fillRange(line, noiseSide);
        for (int x = 0; x < noiseSide; ++x)
            line[x] |= 0xFF000000u;
    }
    return writeImage(image, noise());
}
