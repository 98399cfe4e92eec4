// Draws the program's resource images into the directory given as the argument.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {
const QColor labelFill(24, 26, 33, 235);
const QColor labelEdge(255, 255, 255, 70);

QImage blank(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The auto-detect count label is a dark pill with a small tail at its bottom-left
// corner that points at the pointer; it is drawn whole once and cut into three slices.
QImage labelPill(int width)
{
    QImage image = blank(width, 26);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath body;
    body.addRoundedRect(QRectF(0.5, 0.5, width - 1.0, 21.0), 6, 6);
    QPainterPath tail;
    tail.moveTo(2.5, 14);
    tail.lineTo(0.5, 25.5);
    tail.lineTo(11, 21.5);
    tail.closeSubpath();
    const QPainterPath shape = body.united(tail);
    p.setPen(QPen(labelEdge, 1));
    p.setBrush(labelFill);
    p.drawPath(shape);
    return image;
}

void saveSlices(const QDir &dir)
{
    const QImage whole = labelPill(30);
    whole.copy(0, 0, 14, 26).save(dir.filePath("DLLenLeftside.png"));
    whole.copy(14, 0, 2, 26).save(dir.filePath("DLLenMidside.png"));
    whole.copy(16, 0, 14, 26).save(dir.filePath("DLLenRightside.png"));
}

// The transparency checkerboard behind pictures, the familiar pattern of image editors.
void saveBackgroundTile(const QDir &dir)
{
    QImage tile(16, 16, QImage::Format_RGB32);
    tile.fill(QColor(255, 255, 255));
    QPainter p(&tile);
    p.fillRect(0, 0, 8, 8, QColor(204, 204, 204));
    p.fillRect(8, 8, 8, 8, QColor(204, 204, 204));
    tile.save(dir.filePath("DLBackground1.png"));
}
} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: dimlet_imagegen OUTPUT_DIR\n");
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists() && !QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    saveSlices(dir);
    saveBackgroundTile(dir);
    return 0;
}
