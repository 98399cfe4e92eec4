#include "testsupport.h"

#include "marks/colortext.h"
#include "marks/dlgraphicscommentsitemrenderer.h"
#include "marks/dlgraphicslengthitemrenderer.h"
#include "marks/labeldrawing.h"
#include "marks/labelimagecache.h"
#include "marktest.h"

#include <QPainter>
#include <QTextLayout>
#include <algorithm>

namespace {
using Comment = Driven<DLGraphicsCommentsItemRenderer>;

// A comment's text, a curved leader and a rectangle's outlined label, from the kept images or
// painted directly, at the row's zoom, device pixel ratio and opacity (f[1], f[2], f[3]).
QImage painted(const DLGraphicsCommentsItemRenderer &c, bool kept, const QStringList &f)
{
    QImage image(360, 150, QImage::Format_RGB32);
    image.fill(qRgb(20, 90, 200));
    image.setDevicePixelRatio(f[2].toDouble());
    QPainter painter(&image);
    painter.setOpacity(f[3].toDouble());
    painter.setTransform(QTransform::fromScale(f[1].toDouble(), f[1].toDouble())
        * QTransform::fromTranslate(3.3, 7.1));
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
} // namespace

class TestMarkItem : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { DLGraphicsItemRenderer::setLabelFont(QFont("Arial", 12)); }
    void cleanup()
    {
        DLGraphicsItemRenderer::setColorFormat(0);
        DLGraphicsItemRenderer::setColorAtHandler(nullptr);
        DLGraphicsItemRenderer::setMapPointHandler(nullptr);
    }

    // Kind|points (width 100 unless both are equal, a mark being drawn)|part|drag|points after.
    void drag_data()
    {
        rows({"body move rounds fractions up|1|10,10 40,30|9|30,10 32.3,9.5|13,10 43,30",
            "drawn length: a tie gives horizontal|0|10,10 10,10|2|10,10 30,30|10,10 30,10",
            "drawn steeply upwards keeps the start column|0|10,50 10,50|2|10,50 13,10|10,10 10,50",
            "length start across the axis: no change|0|10,20 60,20|1|2,17 2,57|10,20 60,20",
            "length end left past the start swaps ends|0|10,20 60,20|2|69,24 -1,24|-10,20 10,20",
            "vertical length start below the end|0|10,20 10,75|1|7,12 7,82|10,75 10,90",
            "resize by (2.9, -2.9) is (2, -2)|1|10,10 40,30|8|45,35 47.9,32.1|10,10 42,28",
            "top-left past the right edge flips|1|10,10 40,30|1|5,5 45,5|40,10 50,30",
            "arrowhead drag is not rounded|2|10,20 60,20|1|15,20 20.5,25|15.5,25 60,20",
            "callout end drag|3|10,20 60,20|2|60,20 70.5,30|10,20 70.5,30"});
    }

    void drag()
    {
        QFETCH(QStringList, f);
        const QLineF mark = line(f[1]), drag = line(f[3]);
        const int part = f[2].toInt();
        const bool drawn = mark.p1() == mark.p2();
        Driven<> d(f[0].toInt(), mark.p1(), mark.p2(), QStringLiteral("Note"), drawn ? -1 : 100);
        if (!drawn)
            QCOMPARE(d->hitTest(drag.p1()), part);
        d->mousePress(drag.p1(), part);
        const QRectF before = d->boundingRect();
        d.noticed.clear();
        d->mouseMove(drag.p2(), part);
        d->mouseRelease(drag.p2(), part);
        QCOMPARE(QLineF(d->firstPoint(), d->secondPoint()), line(f[4]));
        QCOMPARE(d.pos, line(f[4]).p1());
        // The item's cached bounds and the scene's index hear of a change before it is made.
        QVERIFY(d->boundingRect() == before || d.noticed.value(0) == before);
    }

    // Length|whether the line breaks around its label, which must then fit in the gap.
    void lengthLabel_data() { rows({"30: whole|30|0", "31: broken|31|1"}); }

    void lengthLabel()
    {
        QFETCH(QStringList, f);
        const double len = f[0].toDouble();
        Driven<DLGraphicsLengthItemRenderer> r(MarkLength, {10, 20}, {10 + len, 20}, {}, 100.0);
        QCOMPARE(r->text(), QString::number(len + 1)); // counts both end pixels
        QCOMPARE(r->isSplit(), f[1] == "1");
        const QRectF label = r->labelRect();
        QVERIFY(r->isSplit() ? label.contains(0.5 * len, 0) && r->gapStart().x() < label.left()
                    && r->gapEnd().x() > label.right()
                             : label.top() > 0);
    }

    // ARGB|format, + 10 with the colour profile|text.
    void colorText_data()
    {
        rows({"default, opaque: no percent|FFFF8000|0|FF8000",
            "alpha 2 is 1%|02000000|0|000000(1%)", "alpha 254 is 100%|FE000000|0|000000(100%)",
            "rgbHex: upper case|090AAB05|1|0AAB05", "rgbFloat rounds|090140FE|2|0.00,0.25,1.00",
            "rgbInt pads|FF05C800|3|05,200,00", "rgbaFloat|E6FF8000|5|1.00,0.50,0.00(0.90)",
            "profile: the ends of a table row|FF0F10FF|13|13,14,255",
            "profile leaves alpha alone|80FF8000|14|FF6D00(80)"});
    }

    void colorText()
    {
        QFETCH(QStringList, f);
        QCOMPARE(
            ::colorText(f[0].toUInt(nullptr, 16), f[1].toInt() % 10, f[1].toInt() >= 10), f[2]);
    }

    // Kind|points|mask|text: laid out with the top-left origin and the default format; then the
    // settings change to the bottom-left origin of a 600 pixel picture and rgbaInt.
    void settingsChanged_data()
    {
        rows({"a pick re-formats for the format|2|10,30 50,50|2|10,30,00(255)",
            "a pick ignores colour and origin|2|10,30 50,50|17|0A1E00",
            "a rectangle relabels for any change|1|10,30 50,50|1|10,549(41x21)",
            "a rectangle keeps its label for none|1|10,30 50,50|0|10,30(41x21)",
            "a point maps with no height|1|120,48 120,48|16|x:120,y:552",
            "touching the bottom edge|1|0,580 9,599|16|0,0(10x20)"});
    }

    void settingsChanged()
    {
        QFETCH(QStringList, f);
        DLGraphicsItemRenderer::setColorAtHandler(
            [](QPointF p) { return qRgb(int(p.x()), int(p.y()), 0); });
        Driven<> d(f[0].toInt(), line(f[1]).p1(), line(f[1]).p2());
        DLGraphicsItemRenderer::setColorFormat(RgbaIntFormat);
        DLGraphicsItemRenderer::setMapPointHandler(
            [](QPointF p, double height) { return QPointF(p.x(), 600 - p.y() - height); });
        d->settingsChanged(f[2].toInt());
        QCOMPARE(d->text(), f[3]);
    }

    // Text|width|end x: the box's side|lines, -1 for several within the width|whether the width
    // becomes natural + 1|width grip dragged by|change (one line is not widened past natural + 1).
    void commentLayout_data()
    {
        rows({"two line feeds give three lines|one\ntwo\nthree|1e3|40|3|0||",
            "long word in a narrow box breaks inside|Pneumonoultramicroscopic|40|40|-1|0||",
            "width below 1 is not set|alpha beta gamma delta|0.5|40|1|1||",
            "empty text: a 2 x 0 box, width unset||-1|40|0|0||",
            "one line: outward does not widen|Comments|-1|40|1|1|30|0",
            "one line: one pixel inward narrows|Comments|-1|40|1|1|-1|-1",
            "box left, wrapped: leftward widens|alpha beta gamma delta|60|-40|-1|0|-25|25"});
    }

    void commentLayout()
    {
        QFETCH(QStringList, f);
        const double end = f[2].toDouble();
        Comment c(MarkComments, {0, 0}, {end, 10}, f[0], f[1].toDouble());
        const QRect t = c->textRect();
        const double before = c->maxWidth(), w = t.width() + 2.0;
        QCOMPARE(before, f[4] == "1" ? t.width() + 1.0 : f[1].toDouble());
        const int lines = f[3].toInt(), count = c->textLayout() ? c->textLayout()->lineCount() : 0;
        QVERIFY(lines < 0 ? count > 1 : count == lines);
        for (int i = 0; i < count; ++i)
            QVERIFY(c->textLayout()->lineAt(i).naturalTextWidth() <= before);
        QCOMPARE(
            c->labelRect(), QRectF(end > 0 ? end + 7 : end - 7 - w, 4, w, count ? t.height() : 0));
        if (f[5].isEmpty())
            return;
        const QPointF grip = c->mapFromLocal(c->widthGrip().center());
        QCOMPARE(c->hitTest(grip), int(HitWidthGrip));
        c->mousePress(grip, HitWidthGrip);
        c->mouseMove(grip + QPointF(f[5].toDouble(), 0), HitWidthGrip);
        QCOMPARE(c->maxWidth(), before + f[6].toDouble());
        QCOMPARE(c->labelRect().width(), c->textRect().width() + 2.0);
    }

    // What changes|zoom|pixel ratio|opacity. Kept images may lie a level off direct painting; what
    // a change alters is painted anew; nothing is kept where a kept image would give other pixels.
    void keptImagesGiveTheSamePixels_data()
    {
        rows({"none, reduced||0.37|1|1", "none, enlarged||2.6|1|1", "pixel ratio 2||1|2|1",
            "opacity just below 1||1|1|0.99", "text|text|1|1|1", "wrap width|wrap width|1|1|1",
            "colour|colour|1|1|1", "font|font|1|1|1", "leader|leader|1|1|1"});
    }

    void keptImagesGiveTheSamePixels()
    {
        QFETCH(QStringList, f);
        const QString change = f[0];
        DLGraphicsItemRenderer::setMarkColor(0xFFFF0000);
        DLGraphicsItemRenderer::setLabelFont(QFont(QStringLiteral("Arial"), 12));
        LabelImageCache::instance().clear();
        const QString text = QStringLiteral("Padding should be 8 px on both sides");
        Comment c(MarkComments, {100, 60}, {105, 100}, text, 60.0);
        const QImage before = painted(*c.r, true, f);

        DLGraphicsItemRenderer::setMarkColor(change == "colour" ? 0xFF00A0FF : 0xFFFF0000);
        DLGraphicsItemRenderer::setLabelFont(
            QFont(QStringLiteral("Arial"), change == "font" ? 16 : 12));
        c->setText(change == "text" ? QStringLiteral("Commenta") : text);
        c->textChanged();
        c->setMaxWidth(change == "wrap width" ? 45.0 : 60.0);
        c->setSecondPoint(change == "leader" ? QPointF(105, 101) : QPointF(105, 100));
        c->updateGeometry();
        const QImage direct = painted(*c.r, false, f);
        const auto difference = [&](const QImage &a) { // the largest of any channel
            int most = 0;
            for (qsizetype i = 0; i < a.sizeInBytes(); ++i)
                most = std::max(most, qAbs(a.constBits()[i] - direct.constBits()[i]));
            return most;
        };
        QVERIFY(difference(painted(*c.r, true, f)) <= 1);
        QCOMPARE(difference(before) > 1, !change.isEmpty());
        if (change.isEmpty())
            QCOMPARE(LabelImageCache::instance().hits() > 0, f[2] == "1" && f[3] == "1");
    }
};

DIMLET_TEST_MAIN(TestMarkItem)
#include "tst_markitem.moc"
