#include "testsupport.h"

#include "marks/dlgraphicscommentsitemrenderer.h"
#include "marks/dlgraphicsitemrenderer.h"
#include "stubnotifyhandle.h"

#include <QPainter>
#include <QTextLayout>

#include <memory>

namespace {
// One unwrapped line of text in the label font, measured independently of the mark.
struct Measured
{
    double width;
    double lineHeight;
};

Measured measure(const QString &text)
{
    QTextLayout layout(text, DLGraphicsItemRenderer::labelFont());
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setNumColumns(text.size());
    layout.endLayout();
    return {line.naturalTextWidth(), line.height()};
}

struct Comment
{
    Comment(const QString &text, double width, QPointF end = QPointF(40, 10))
    {
        r.init(&owner, QPointF(0, 0), end, text, width);
    }

    int lines() const { return r.textLayout() ? r.textLayout()->lineCount() : 0; }
    double widestLine() const
    {
        double widest = 0;
        for (int i = 0; i < lines(); ++i)
            widest = std::max(widest, r.textLayout()->lineAt(i).naturalTextWidth());
        return widest;
    }

    StubNotifyHandle owner;
    DLGraphicsCommentsItemRenderer r;
};

const QString wrappable = QStringLiteral("alpha beta gamma delta");
} // namespace

class TestCommentMark : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void newComment();
    void lineBreaks_data();
    void lineBreaks();
    void longWordBreaksInside();
    void storedWidth_data();
    void storedWidth();
    void emptyText();
    void widthGrip_data();
    void widthGrip();
    void widthLimit_data();
    void widthLimit();
    void layoutBuiltOncePerText();
    void newTextWrapsAtTheKeptWidth();
    void hitPathCoversBoxAndGrips();
    void paintsTextOnLightBox();
};

void TestCommentMark::initTestCase()
{
    DLGraphicsItemRenderer::setMarkColor(0xFFFF0000);
    DLGraphicsItemRenderer::setLabelFont(QFont(QStringLiteral("Arial"), 12));
}

void TestCommentMark::newComment()
{
    Comment c(QStringLiteral("Comments"), -1.0);
    const Measured m = measure(QStringLiteral("Comments"));
    QCOMPARE(c.lines(), 1);
    QCOMPARE(c.r.textRect(), QRect(0, 0, qRound(m.width), qRound(m.lineHeight)));
    QCOMPARE(c.r.maxWidth(), double(qRound(m.width) + 1));
    QCOMPARE(c.r.labelRect(), QRectF(47, 4, qRound(m.width) + 2, qRound(m.lineHeight)));
    QVERIFY(!c.r.isTextDirty());
}

void TestCommentMark::lineBreaks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");

    QTest::newRow("two line feeds give three lines") << "one\ntwo\nthree" << 3;
    QTest::newRow("an empty line between two feeds counts") << "one\n\nthree" << 3;
    QTest::newRow("a trailing feed starts an empty last line") << "one\n" << 2;
    QTest::newRow("no feed, one line") << "one two three" << 1;
}

void TestCommentMark::lineBreaks()
{
    QFETCH(QString, text);
    QFETCH(int, lines);

    // Wide enough for everything on one line: only the feeds break.
    Comment c(text, 1000.0);
    QCOMPARE(c.lines(), lines);
    const double lineHeight = measure(QStringLiteral("one")).lineHeight;
    QCOMPARE(c.r.textRect().height(), qRound(lines * lineHeight));
    QCOMPARE(c.r.labelRect().height(), double(c.r.textRect().height()));
    // Lines stack from the top without gaps.
    for (int i = 0; i < lines; ++i)
        QCOMPARE(c.r.textLayout()->lineAt(i).position(), QPointF(0, i * lineHeight));
    // Each line starts after a feed; the feed itself is not kept as a line feed.
    QVERIFY(!c.r.textLayout()->text().contains(QLatin1Char('\n')));
    QCOMPARE(c.r.text(), text);
}

void TestCommentMark::longWordBreaksInside()
{
    const QString word = QStringLiteral("Pneumonoultramicroscopic");
    QVERIFY(measure(word).width > 120);
    Comment c(word, 40.0);
    QVERIFY(c.lines() > 2);
    QVERIFY(c.r.textLayout()->lineAt(0).textLength() < word.size());
    QVERIFY(c.widestLine() <= 40.0);
    QCOMPARE(c.r.maxWidth(), 40.0);
    QVERIFY(c.r.textRect().width() <= 40);
}

void TestCommentMark::storedWidth_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("stored");
    QTest::addColumn<bool>("kept");

    QTest::newRow("stored width wraps the same way") << wrappable << 60.0 << true;
    QTest::newRow("exactly 1 is kept") << QStringLiteral("abc") << 1.0 << true;
    QTest::newRow("below 1 means not set") << wrappable << 0.5 << false;
    QTest::newRow("0 means not set") << wrappable << 0.0 << false;
    QTest::newRow("negative means not set") << wrappable << -1.0 << false;
}

void TestCommentMark::storedWidth()
{
    QFETCH(QString, text);
    QFETCH(double, stored);
    QFETCH(bool, kept);

    Comment c(text, stored);
    if (kept) {
        QCOMPARE(c.r.maxWidth(), stored);
        QVERIFY(c.lines() > 1);
        // A line holds at least one character, however narrow the width.
        if (stored > 1.0)
            QVERIFY(c.widestLine() <= stored);
        else
            QCOMPARE(c.lines(), text.size());
    } else {
        QCOMPARE(c.r.maxWidth(), double(qRound(measure(text).width) + 1));
        QCOMPARE(c.lines(), 1);
    }
}

void TestCommentMark::emptyText()
{
    Comment c(QString(), -1.0);
    QVERIFY(!c.r.textLayout());
    QVERIFY(c.r.textRect().isNull());
    QCOMPARE(c.r.labelRect(), QRectF(47, 4, 2, 0));
    QCOMPARE(c.r.maxWidth(), -1.0);
    QCOMPARE(c.r.maxWidthLimit(), 100000000.0);
}

void TestCommentMark::widthGrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("width");
    QTest::addColumn<QPointF>("end");
    QTest::addColumn<double>("dx");
    QTest::addColumn<double>("widthChange");

    const QPointF right(40, 10);
    const QPointF left(-40, 10);
    QTest::newRow("one line: dragging outward does not widen")
        << QStringLiteral("Comments") << -1.0 << right << 30.0 << 0.0;
    QTest::newRow("one line: dragging inward narrows")
        << QStringLiteral("Comments") << -1.0 << right << -20.0 << -20.0;
    QTest::newRow("wrapped, box right: dragging right widens")
        << wrappable << 60.0 << right << 25.0 << 25.0;
    QTest::newRow("wrapped, box left: dragging left widens")
        << wrappable << 60.0 << left << -25.0 << 25.0;
    QTest::newRow("wrapped, box left: dragging right narrows")
        << wrappable << 60.0 << left << 20.0 << -20.0;
    QTest::newRow("one line, box left: dragging left does not widen")
        << QStringLiteral("Comments") << -1.0 << left << -30.0 << 0.0;
    QTest::newRow("narrowed past zero stops wrapping")
        << wrappable << 60.0 << right << -70.0 << -70.0;
}

void TestCommentMark::widthGrip()
{
    QFETCH(QString, text);
    QFETCH(double, width);
    QFETCH(QPointF, end);
    QFETCH(double, dx);
    QFETCH(double, widthChange);

    Comment c(text, width, end);
    const double start = c.r.maxWidth();
    const QTextLayout *layout = c.r.textLayout();
    const QPointF grip = c.r.mapFromLocal(c.r.widthGrip().center());
    QCOMPARE(c.r.hitTest(grip), 3);
    QCOMPARE(c.r.gripStartWidth(), start);

    c.r.mousePress(grip, 3);
    c.r.mouseMove(grip + QPointF(dx, 0), 3);
    QCOMPARE(c.r.maxWidth(), start + widthChange);
    QCOMPARE(c.r.textLayout(), layout);
    QCOMPARE(c.r.labelRect().width(), double(c.r.textRect().width() + 2));
    QCOMPARE(c.r.labelRect().height(), double(c.r.textRect().height()));
    if (c.r.maxWidth() <= 0)
        QCOMPARE(c.lines(), 1);
    else if (c.lines() > 1)
        QVERIFY(c.widestLine() <= c.r.maxWidth());
    if (widthChange < 0 && text == QLatin1String("Comments"))
        QVERIFY(c.lines() > 1);
    // The grip stays at the outer side of the box.
    if (end.x() > 0)
        QCOMPARE(c.r.widthGrip().left(), c.r.labelRect().right());
    else
        QCOMPARE(c.r.widthGrip().right(), c.r.labelRect().left());
}

void TestCommentMark::widthLimit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("width");
    QTest::addColumn<bool>("limited");

    QTest::newRow("one line is limited to its width + 1")
        << QStringLiteral("Comments") << -1.0 << true;
    QTest::newRow("one line under a wide width too") << QStringLiteral("short") << 500.0 << true;
    QTest::newRow("wrapped text is not limited") << wrappable << 60.0 << false;
    QTest::newRow("forced breaks are not limited") << QStringLiteral("a\nb") << 500.0 << false;
}

void TestCommentMark::widthLimit()
{
    QFETCH(QString, text);
    QFETCH(double, width);
    QFETCH(bool, limited);
    Comment c(text, width);
    QCOMPARE(c.r.maxWidthLimit(), limited ? double(qRound(measure(text).width) + 1) : 100000000.0);
}

void TestCommentMark::layoutBuiltOncePerText()
{
    Comment c(wrappable, 60.0);
    const QTextLayout *first = c.r.textLayout();
    QVERIFY(first);
    c.r.updateGeometry();
    c.r.setMaxWidth(200.0);
    c.r.relayoutText();
    c.r.updateGeometry();
    QCOMPARE(c.r.textLayout(), first);
    QCOMPARE(c.lines(), 1);

    c.r.setText(QStringLiteral("other"));
    c.r.textChanged();
    QVERIFY(c.r.isTextDirty());
    c.r.updateGeometry();
    QVERIFY(!c.r.isTextDirty());
    QCOMPARE(c.r.textLayout()->text(), QStringLiteral("other"));
}

void TestCommentMark::newTextWrapsAtTheKeptWidth()
{
    Comment c(QStringLiteral("Comments"), -1.0);
    const double width = c.r.maxWidth();
    c.r.setText(QStringLiteral("Comments that are much longer than the first text"));
    c.r.textChanged();
    c.r.updateGeometry();
    QCOMPARE(c.r.maxWidth(), width);
    QVERIFY(c.lines() > 1);

    c.r.setText(QString());
    c.r.textChanged();
    c.r.updateGeometry();
    QVERIFY(!c.r.textLayout());
    QCOMPARE(c.r.labelRect().size(), QSizeF(2, 0));
}

void TestCommentMark::hitPathCoversBoxAndGrips()
{
    Comment c(QStringLiteral("Comments"), -1.0);
    const QPainterPath path = c.r.hitPath();
    QVERIFY(path.contains(c.r.widthGrip().center()));
    QVERIFY(path.contains(c.r.endHandle().center()));
    QVERIFY(path.contains(c.r.labelRect().center()));
    QVERIFY(!path.contains(QPointF(20, -20)));
}

void TestCommentMark::paintsTextOnLightBox()
{
    Comment c(QStringLiteral("Comments"), -1.0, QPointF(20, 20));
    QImage canvas(200, 80, QImage::Format_ARGB32);
    canvas.fill(Qt::black);
    QPainter painter(&canvas);
    painter.translate(10, 10);
    c.r.paint(&painter, false, false);
    painter.end();

    const QRect box = c.r.labelRect().translated(10, 10).toRect();
    int textPixels = 0;
    int backgroundPixels = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QColor p = canvas.pixelColor(x, y);
            if (p.red() > p.green() + 60)
                ++textPixels;
            else if (p.red() == 180 && p.green() == 180 && p.blue() == 180)
                ++backgroundPixels;
        }
    }
    QVERIFY(textPixels > 20);
    QVERIFY(backgroundPixels > textPixels);
}

DIMLET_TEST_MAIN(TestCommentMark)
#include "tst_commentmark.moc"
