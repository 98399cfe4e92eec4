#include "testsupport.h"

#include "marks/dlgraphicscommentsitemrenderer.h"
#include "marks/labeldrawing.h"
#include "marks/labelimagecache.h"
#include "marktest.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>

namespace {
using Comment = Driven<DLGraphicsCommentsItemRenderer>;

// A comment's text, a curved leader and a rectangle's outlined label on a busy background, so
// that anything placed one pixel off, clipped or blended differently shows; from the kept images
// or painted directly.
QImage painted(const DLGraphicsCommentsItemRenderer &c, bool kept, double zoom)
{
    QImage image(360, 150, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient fill(0, 0, 360, 150);
    fill.setColorAt(0, QColor(20, 90, 200));
    fill.setColorAt(1, QColor(250, 240, 120));
    painter.fillRect(image.rect(), fill);
    painter.setTransform(QTransform::fromScale(zoom, zoom) * QTransform::fromTranslate(3.3, 7.1));
    painter.setPen(QColor(DLGraphicsItemRenderer::markColor()));
    const Driven<> rect(MarkRect, {0, 0}, {90, 20}); // its label is (4, -height - 2) from here
    if (kept) {
        drawLaidOutText(*c.textLayout(), QPointF(24, 30), &painter);
        drawLeader(c, &painter, false, false);
        drawOutlinedLabel(*rect.r, &painter, false, QPointF(0, 30));
    } else {
        c.textLayout()->draw(&painter, QPointF(24, 30), {}, QRectF());
        paintLeader(c, &painter, false, false);
        paintOutlinedLabel(rect->labelRect().translated(0, 30), rect->text(), &painter, false);
    }
    return image;
}

// The largest difference of any channel.
int difference(const QImage &a, const QImage &b)
{
    int most = 0;
    for (int i = 0; i < a.width() * a.height(); ++i) {
        const QRgb p = a.pixel(i % a.width(), i / a.width()),
                   q = b.pixel(i % a.width(), i / a.width());
        const int d = std::max({qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q)),
            qAbs(qBlue(p) - qBlue(q))});
        most = std::max(most, d);
    }
    return most;
}
} // namespace

class TestCommentMark : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { DLGraphicsItemRenderer::setLabelFont(QFont("Arial", 12)); }

    // Text|width value|lines, -1 for more than one within the width|whether the width value
    // becomes the natural width + 1.
    void layout_data()
    {
        rows({"new comment: one line|Comments|-1|1|1",
            "two line feeds give three lines|one\ntwo\nthree|1e3|3|0",
            "long word in a narrow box breaks inside|Pneumonoultramicroscopic|40|-1|0",
            "width below 1 is not set|alpha beta gamma delta|0.5|1|1",
            "empty text: a 2 x 0 box, width unset||-1|0|0"});
    }

    void layout()
    {
        QFETCH(QStringList, f);
        const Comment c(MarkComments, {0, 0}, {40, 10}, f[0], f[1].toDouble());
        const QRect t = c->textRect();
        QCOMPARE(c->maxWidth(), f[3] == "1" ? t.width() + 1.0 : f[1].toDouble());
        const int lines = f[2].toInt(), count = c->textLayout() ? c->textLayout()->lineCount() : 0;
        QVERIFY(lines < 0 ? count > 1 : count == lines);
        for (int i = 0; i < count; ++i)
            QVERIFY(c->textLayout()->lineAt(i).naturalTextWidth() <= c->maxWidth());
        QCOMPARE(c->labelRect(), QRectF(47, 4, t.width() + 2, f[0].isEmpty() ? 0 : t.height()));
    }

    // Text|width value|end x, so the box lies on that side|grip dragged by|width change. A
    // one-line comment cannot be widened past its natural width + 1; narrowing wraps it.
    void widthGrip_data()
    {
        rows({"one line: outward does not widen|Comments|-1|40|30|0",
            "one line: inward narrows|Comments|-1|40|-20|-20",
            "box left, wrapped: leftward widens|alpha beta gamma delta|60|-40|-25|25"});
    }

    void widthGrip()
    {
        QFETCH(QStringList, f);
        Comment c(MarkComments, {0, 0}, {f[2].toDouble(), 10}, f[0], f[1].toDouble());
        const double start = c->maxWidth();
        const QPointF grip = c->mapFromLocal(c->widthGrip().center());
        QCOMPARE(c->hitTest(grip), int(HitWidthGrip));
        c->mousePress(grip, HitWidthGrip);
        c->mouseMove(grip + QPointF(f[3].toDouble(), 0), HitWidthGrip);
        QCOMPARE(c->maxWidth(), start + f[4].toDouble());
        QCOMPARE(c->labelRect().width(), c->textRect().width() + 2.0);
    }

    // Local to the anchor: the arrowhead's tip and corners, and the leader's points from
    // its first (the end, or the arrowhead's base when curved) to its last.
    void calloutLayout_data()
    {
        rows({"right and below: right-angled head|40,10|2,0 9,0 2,7|40,10 10,10 5.5,3.5",
            "steep below: the leg would pass the end, so a curve|5,40|0,2 -5,8 5,8|0,8 0,20 5,20 "
            "5,40",
            "straight below counts as left and curves|0,20|0,2 -5,8 5,8|0,8 0,10 0,10 0,20"});
    }

    void calloutLayout()
    {
        QFETCH(QStringList, f);
        const QPointF end = point(f[0]);
        const Comment c(MarkComments, {100, 50}, QPointF(100, 50) + end, "Note", 50.0);
        QCOMPARE(c->arrowTriangle(), polygon(f[1]));
        const QPainterPath path = c->leaderPath();
        QPolygonF points;
        for (int i = 0; i < path.elementCount(); ++i)
            points << path.elementAt(i);
        QCOMPARE(points, polygon(f[2]));
        QCOMPARE(path.elementAt(1).isCurveTo(), points.size() == 4);
        const QRectF label = c->labelRect();
        const bool right = end.x() > 0;
        QCOMPARE(label.y(), end.y() - 6);
        QCOMPARE(right ? label.x() - 7 : label.right() + 7, end.x());
    }

    // A kept image is one layer: pixels that direct painting blends twice may lie one level off.
    // After a change, what looks different must be painted anew, not taken from a kept image.
    void keptImagesGiveTheSamePixels_data()
    {
        rows({"none, reduced||0.37", "none, enlarged||2.6", "text|text|1",
            "wrap width|wrap width|1", "colour|colour|1", "font|font|1", "leader|leader|1"});
    }

    void keptImagesGiveTheSamePixels()
    {
        QFETCH(QStringList, f);
        const QString change = f[0];
        const bool changed = !change.isEmpty();
        const double zoom = f[1].toDouble();
        DLGraphicsItemRenderer::setMarkColor(0xFFFF0000);
        DLGraphicsItemRenderer::setLabelFont(QFont(QStringLiteral("Arial"), 12));
        LabelImageCache::instance().clear();
        const QString text = QStringLiteral("Padding should be 8 px on both sides");
        Driven<DLGraphicsCommentsItemRenderer> c(MarkComments, {100, 60}, {105, 100}, text, 60.0);
        const QImage before = painted(*c.r, true, zoom);

        DLGraphicsItemRenderer::setMarkColor(change == "colour" ? 0xFF00A0FF : 0xFFFF0000);
        DLGraphicsItemRenderer::setLabelFont(
            QFont(QStringLiteral("Arial"), change == "font" ? 16 : 12));
        c->setText(change == "text" ? QStringLiteral("Commenta") : text);
        c->textChanged();
        c->setMaxWidth(change == "wrap width" ? 45.0 : 60.0);
        c->setSecondPoint(change == "leader" ? QPointF(105, 101) : QPointF(105, 100));
        c->updateGeometry();
        const QImage direct = painted(*c.r, false, zoom);
        QVERIFY(difference(painted(*c.r, true, zoom), direct) <= 1);
        QCOMPARE(difference(before, direct) > 1, changed);
        if (!changed)
            QVERIFY(LabelImageCache::instance().hits() > 0);
    }

    // Pixel ratio|opacity|whether a second draw copies the kept image, which would give other
    // pixels than painting directly on such targets.
    void keptOnlyForPlainTargets_data()
    {
        rows({"plain|1|1|1", "pixel ratio 2|2|1|0", "opacity just below 1|1|0.99|0"});
    }

    void keptOnlyForPlainTargets()
    {
        QFETCH(QStringList, f);
        QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(f[0].toDouble());
        LabelImageCache::instance().clear();
        for (int i = 0; i < 2; ++i) {
            QPainter painter(&image);
            painter.setOpacity(f[1].toDouble());
            LabelImageCache::instance().draw(
                &painter, "label", {5, 5}, [] { return QRectF(0, 0, 9, 9); }, [](QPainter *) {});
        }
        QCOMPARE(LabelImageCache::instance().hits(), f[2].toInt());
    }
};

DIMLET_TEST_MAIN(TestCommentMark)
#include "tst_commentmark.moc"
