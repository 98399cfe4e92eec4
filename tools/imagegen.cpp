// Draws the program's resource images into the directory given as the argument.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
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

// Tool and zoom icons: light strokes for the dark bar, drawn on a 16-unit grid with
// one stroke weight and round ends, so the set reads as one family at 1x and 2x.
const QColor iconInk(234, 236, 242);

QPen iconPen()
{
    QPen pen(iconInk, 1.0);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void drawSettings(QPainter &p)
{
    QPainterPath gear;
    const QPointF c(7.5, 7.5);
    const int teeth = 6;
    const double outer = 6.5;
    const double inner = 4.7;
    for (int i = 0; i < teeth * 4; ++i) {
        // Each tooth: rise, top, fall, gap, in quarter steps around the circle.
        const double angle = (i - 0.5) * M_PI * 2 / (teeth * 4);
        const int phase = i % 4;
        const double r = (phase == 1 || phase == 2) ? outer : inner;
        const QPointF pt = c + QPointF(std::cos(angle) * r, std::sin(angle) * r);
        if (i == 0)
            gear.moveTo(pt);
        else
            gear.lineTo(pt);
    }
    gear.closeSubpath();
    p.drawPath(gear);
    p.drawEllipse(c, 2.0, 2.0);
}

void drawSave(QPainter &p)
{
    QPainterPath disk;
    disk.moveTo(2.5, 2.5);
    disk.lineTo(11.5, 2.5);
    disk.lineTo(13.5, 4.5);
    disk.lineTo(13.5, 13.5);
    disk.lineTo(2.5, 13.5);
    disk.closeSubpath();
    p.drawPath(disk);
    p.drawPolyline(QPolygonF({{5.5, 2.5}, {5.5, 5.5}, {10.5, 5.5}, {10.5, 2.5}}));
    p.drawPolyline(QPolygonF({{4.5, 13.5}, {4.5, 9.5}, {11.5, 9.5}, {11.5, 13.5}}));
}

void drawOpen(QPainter &p)
{
    QPainterPath back;
    back.moveTo(3.0, 7.5);
    back.lineTo(1.5, 7.5);
    back.lineTo(1.5, 2.5);
    back.lineTo(5.5, 2.5);
    back.lineTo(7.5, 4.5);
    back.lineTo(12.5, 4.5);
    back.lineTo(12.5, 7.5);
    p.drawPath(back);
    QPainterPath flap;
    flap.moveTo(1.5, 13.5);
    flap.lineTo(3.5, 7.5);
    flap.lineTo(14.5, 7.5);
    flap.lineTo(12.5, 13.5);
    flap.closeSubpath();
    p.drawPath(flap);
}

void drawLength(QPainter &p)
{
    p.drawLine(QPointF(1.5, 4.5), QPointF(1.5, 12.5));
    p.drawLine(QPointF(14.5, 4.5), QPointF(14.5, 12.5));
    p.drawLine(QPointF(3.5, 8.5), QPointF(12.5, 8.5));
    p.drawPolyline(QPolygonF({{5.5, 6.5}, {3.5, 8.5}, {5.5, 10.5}}));
    p.drawPolyline(QPolygonF({{10.5, 6.5}, {12.5, 8.5}, {10.5, 10.5}}));
}

void drawRect(QPainter &p)
{
    p.drawRect(QRectF(3.5, 3.5, 9.0, 9.0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(iconInk);
    for (const QPointF &corner :
        {QPointF(3.5, 3.5), QPointF(12.5, 3.5), QPointF(3.5, 12.5), QPointF(12.5, 12.5)})
        p.drawRect(QRectF(corner - QPointF(1.5, 1.5), QSizeF(3.0, 3.0)));
    p.restore();
}

void drawPick(QPainter &p)
{
    // Drawn lying along x, then turned so the tip points to the bottom left.
    p.save();
    p.translate(8.0, 8.0);
    p.rotate(-45.0);
    QPainterPath tube;
    tube.moveTo(-8.0, 0.0);
    tube.lineTo(-6.5, -1.5);
    tube.lineTo(1.0, -1.5);
    tube.lineTo(1.0, 1.5);
    tube.lineTo(-6.5, 1.5);
    tube.closeSubpath();
    p.drawPath(tube);
    p.drawLine(QPointF(1.0, -3.5), QPointF(1.0, 3.5));
    p.drawRoundedRect(QRectF(1.0, -2.0, 6.0, 4.0), 2.0, 2.0);
    p.restore();
}

void drawComment(QPainter &p)
{
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(1.5, 2.5, 13.0, 9.0), 2.0, 2.0);
    QPainterPath tail;
    tail.moveTo(4.0, 11.0);
    tail.lineTo(4.5, 14.5);
    tail.lineTo(8.0, 11.0);
    tail.closeSubpath();
    p.drawPath(bubble.united(tail).simplified());
    p.drawLine(QPointF(4.5, 5.5), QPointF(11.5, 5.5));
    p.drawLine(QPointF(4.5, 8.5), QPointF(9.5, 8.5));
}

void drawMove(QPainter &p)
{
    p.drawLine(QPointF(7.5, 1.5), QPointF(7.5, 13.5));
    p.drawLine(QPointF(1.5, 7.5), QPointF(13.5, 7.5));
    p.drawPolyline(QPolygonF({{5.5, 3.5}, {7.5, 1.5}, {9.5, 3.5}}));
    p.drawPolyline(QPolygonF({{5.5, 11.5}, {7.5, 13.5}, {9.5, 11.5}}));
    p.drawPolyline(QPolygonF({{3.5, 5.5}, {1.5, 7.5}, {3.5, 9.5}}));
    p.drawPolyline(QPolygonF({{11.5, 5.5}, {13.5, 7.5}, {11.5, 9.5}}));
}

void drawLens(QPainter &p)
{
    p.drawEllipse(QPointF(6.5, 6.5), 5.0, 5.0);
    p.drawLine(QPointF(10.5, 10.5), QPointF(14.0, 14.0));
}

void drawZoomOut(QPainter &p)
{
    drawLens(p);
    p.drawLine(QPointF(4.5, 6.5), QPointF(8.5, 6.5));
}

void drawZoomIn(QPainter &p)
{
    drawZoomOut(p);
    p.drawLine(QPointF(6.5, 4.5), QPointF(6.5, 8.5));
}

void drawZoomReset(QPainter &p)
{
    p.drawRoundedRect(QRectF(1.5, 2.5, 13.0, 11.0), 2.0, 2.0);
    p.drawPolyline(QPolygonF({{3.5, 6.5}, {4.5, 5.5}, {4.5, 10.5}}));
    p.drawPolyline(QPolygonF({{10.5, 6.5}, {11.5, 5.5}, {11.5, 10.5}}));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(iconInk);
    p.drawEllipse(QPointF(8.0, 6.5), 0.75, 0.75);
    p.drawEllipse(QPointF(8.0, 9.5), 0.75, 0.75);
    p.restore();
}

void saveIcon(const QDir &dir, const QString &name, void (*draw)(QPainter &))
{
    for (int scale : {1, 2}) {
        QImage image = blank(16 * scale, 16 * scale);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.scale(scale, scale);
        p.setPen(iconPen());
        p.setBrush(Qt::NoBrush);
        draw(p);
        p.end();
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@2x");
        image.save(dir.filePath(name + suffix + QStringLiteral(".png")));
    }
}

void saveToolIcons(const QDir &dir)
{
    saveIcon(dir, QStringLiteral("DLSettings"), drawSettings);
    saveIcon(dir, QStringLiteral("DLSaveIcon"), drawSave);
    saveIcon(dir, QStringLiteral("DLOpen"), drawOpen);
    saveIcon(dir, QStringLiteral("DLHRuler"), drawLength);
    saveIcon(dir, QStringLiteral("DLRect"), drawRect);
    saveIcon(dir, QStringLiteral("DLPick"), drawPick);
    saveIcon(dir, QStringLiteral("DLComment"), drawComment);
    saveIcon(dir, QStringLiteral("DLMove"), drawMove);
    saveIcon(dir, QStringLiteral("DLZoomOut"), drawZoomOut);
    saveIcon(dir, QStringLiteral("DLZoomIn"), drawZoomIn);
    saveIcon(dir, QStringLiteral("DLZoomReset"), drawZoomReset);
}

// The application icon: a measured rectangle in the accent green of the checked tool,
// with a length dimension above it, on a tile of the window's dark colour.
QImage appIcon(int side)
{
    QImage image = blank(side, side);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(side / 256.0, side / 256.0);
    // Thin lines would vanish in the small sizes; keep every stroke at least ~1.2 pixels.
    const double minStroke = 1.2 * 256.0 / side;
    const double stroke = std::max(12.0, minStroke);

    QLinearGradient tile(0, 0, 0, 256);
    tile.setColorAt(0, QColor(58, 62, 77));
    tile.setColorAt(1, QColor(34, 36, 45));
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    const double inset = side <= 32 ? 4 : 12;
    p.drawRoundedRect(QRectF(inset, inset, 256 - 2 * inset, 256 - 2 * inset), 52, 52);

    const QColor green(60, 198, 74);
    QPen markPen(green, stroke);
    markPen.setJoinStyle(Qt::MiterJoin);
    p.setPen(markPen);
    p.setBrush(QColor(60, 198, 74, 48));
    const QRectF mark(64, 104, 128, 96);
    p.drawRect(mark);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const double handle = std::max(24.0, stroke * 2);
    for (const QPointF &corner :
        {mark.topLeft(), mark.topRight(), mark.bottomLeft(), mark.bottomRight()})
        p.drawRect(QRectF(corner - QPointF(handle / 2, handle / 2), QSizeF(handle, handle)));

    QPen dimension(QColor(236, 238, 244), stroke);
    dimension.setCapStyle(Qt::RoundCap);
    dimension.setJoinStyle(Qt::RoundJoin);
    p.setPen(dimension);
    p.setBrush(Qt::NoBrush);
    const double y = 60;
    p.drawLine(QPointF(64, y - 20), QPointF(64, y + 20));
    p.drawLine(QPointF(192, y - 20), QPointF(192, y + 20));
    p.drawLine(QPointF(74, y), QPointF(182, y));
    p.drawPolyline(QPolygonF({{94, y - 18}, {74, y}, {94, y + 18}}));
    p.drawPolyline(QPolygonF({{162, y - 18}, {182, y}, {162, y + 18}}));
    return image;
}

void saveAppIcons(const QDir &dir)
{
    appIcon(256).save(dir.filePath(QStringLiteral("DLAppIcon.png")));
    for (int side : {16, 32, 48, 64, 128})
        appIcon(side).save(dir.filePath(QStringLiteral("DLAppIcon%1.png").arg(side)));
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
    saveToolIcons(dir);
    saveAppIcons(dir);
    return 0;
}
