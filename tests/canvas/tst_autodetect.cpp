#include "testsupport.h"

#include "canvas/capslock.h"
#include "canvas/colorrun.h"
#include "canvas/dlcreatecommand.h"
#include "canvas/dlgraphicsscene.h"
#include "canvas/dlgraphicsview.h"
#include "editor/testableeditor.h"
#include "marks/dlgraphicsitem.h"
#include "marks/dlgraphicsitemrenderer.h"
#include "marks/dlgraphicslengthitemrenderer.h"
#include "scenemouse.h"

#include <QAction>
#include <QGraphicsPathItem>
#include <QGraphicsPixmapItem>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>

namespace {
using Segment = QPair<QPointF, QPointF>;

// 60 x 40 black: a white block over x = 20..29, y = 5..20 and a lone red pixel at (40, 30).
QImage testPicture()
{
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.fillRect(QRect(20, 5, 10, 16), Qt::white);
    painter.end();
    picture.setPixel(40, 30, qRgb(255, 0, 0));
    return picture;
}

struct Canvas
{
    QTemporaryDir dir;
    QString path;
    DLGraphicsScene scene;
    Canvas()
    {
        path = dir.filePath(QStringLiteral("bars.png"));
        testPicture().save(path);
        scene.loadImage(path);
    }
};

QList<DLGraphicsItem *> marksOf(const QGraphicsScene &scene)
{
    QList<DLGraphicsItem *> marks;
    const QList<QGraphicsItem *> all = scene.items();
    for (QGraphicsItem *item : all) {
        if (isMarkItemType(item->type()))
            marks << static_cast<DLGraphicsItem *>(item);
    }
    return marks;
}

int countOfType(const QGraphicsScene &scene, int type)
{
    int count = 0;
    const QList<QGraphicsItem *> all = scene.items();
    for (const QGraphicsItem *item : all)
        count += item->type() == type ? 1 : 0;
    return count;
}

// Only the picture is left: no bracket, no label, no mark.
bool onlyThePicture(const DLGraphicsScene &scene)
{
    return scene.items().size() == 1 && scene.items().first() == scene.imageItem;
}

Segment pointsOf(const DLGraphicsItem *mark)
{
    QPointF a;
    QPointF b;
    mark->points(&a, &b);
    return {a, b};
}

// The path as its drawn segments: each subpath here is one move and one line.
QList<Segment> segmentsOf(const QPainterPath &path)
{
    QList<Segment> segments;
    for (int i = 0; i + 1 < path.elementCount(); i += 2) {
        const QPainterPath::Element move = path.elementAt(i);
        const QPainterPath::Element line = path.elementAt(i + 1);
        if (!move.isMoveTo() || !line.isLineTo())
            return {};
        segments << Segment(QPointF(move), QPointF(line));
    }
    return segments;
}

QImage labelFor(const DLGraphicsScene &scene, int pixelCount)
{
    return makeLengthLabelImage(
        pixelCount - 1, scene.lenLeftImage, scene.lenMidImage, scene.lenRightImage)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage shownLabel(const DLGraphicsScene &scene)
{
    return scene.detectLabel->pixmap().toImage().convertToFormat(
        QImage::Format_ARGB32_Premultiplied);
}

QPainterPath bracket(QPoint start, QPoint end)
{
    return makeMeasurePath(start, end, nullptr);
}

void sendMove(DLGraphicsView *view, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, view->viewport()->mapToGlobal(at), Qt::NoButton,
        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
}
} // namespace

Q_DECLARE_METATYPE(QPainterPath)

class TestAutoDetect : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void whiteBarExample();
    void startPreviewsTheRunUnderThePointer_data();
    void startPreviewsTheRunUnderThePointer();
    void previewPenIsTheDarkMarkColour_data();
    void previewPenIsTheDarkMarkColour();
    void movesFollowThePointer_data();
    void movesFollowThePointer();
    void selectCreatesTheMark_data();
    void selectCreatesTheMark();
    void createdMarkIsUndoable();
    void endWithoutMarkLeavesNothing_data();
    void endWithoutMarkLeavesNothing();
    void secondStartKeepsOnePreview();
    void clearCanvasDuringDetection();
    void pressesDuringDetectionMakeNoMark();
    void throughTheEditor();
};

void TestAutoDetect::init()
{
    setCapsLockOverride(false);
    DLGraphicsItemRenderer::setLabelFont(QFont(QStringLiteral("Arial"), 12));
}

void TestAutoDetect::cleanup()
{
    setCapsLockOverride(std::nullopt);
}

void TestAutoDetect::whiteBarExample()
{
    Canvas canvas;
    DLGraphicsScene &scene = canvas.scene;
    scene.onTrackMouseFreeMoveStart(QPointF(24, 8));

    QVERIFY(scene.detectPath);
    QVERIFY(scene.detectLabel);
    const QList<Segment> expected {{{20, 4}, {20, 12}}, {{29, 4}, {29, 12}}, {{20, 8}, {29, 8}}};
    QCOMPARE(segmentsOf(scene.detectPath->path()), expected);
    QVERIFY(labelFor(scene, 10) != labelFor(scene, 1));
    QCOMPARE(shownLabel(scene), labelFor(scene, 10));
    QCOMPARE(scene.detectLabel->pixmap().size(), QSize(40, 26));

    scene.onTrackMouseFreeMoveEnd(true, QPointF(24, 8));
    const QList<DLGraphicsItem *> marks = marksOf(scene);
    QCOMPARE(marks.size(), 1);
    QCOMPARE(marks.first()->markType(), int(MarkLength));
    QCOMPARE(pointsOf(marks.first()), Segment(QPointF(20, 8), QPointF(29, 8)));
    QCOMPARE(marks.first()->text(), QStringLiteral("10"));
    QVERIFY(!scene.detectPath);
    QVERIFY(!scene.detectLabel);
}

void TestAutoDetect::startPreviewsTheRunUnderThePointer_data()
{
    QTest::addColumn<QPointF>("pos");
    QTest::addColumn<bool>("capsLock");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("end");
    QTest::addColumn<int>("pixels");

    QTest::newRow("row through the bar")
        << QPointF(24, 8) << false << true << QPoint(20, 8) << QPoint(29, 8) << 10;
    QTest::newRow("fractions floor onto the bar's last pixel")
        << QPointF(29.9, 8.5) << false << true << QPoint(20, 8) << QPoint(29, 8) << 10;
    QTest::newRow("first pixel past the bar runs to the right border")
        << QPointF(30, 8) << false << true << QPoint(30, 8) << QPoint(59, 8) << 30;
    QTest::newRow("left of the bar runs to the left border")
        << QPointF(19.99, 12) << false << true << QPoint(0, 12) << QPoint(19, 12) << 20;
    QTest::newRow("caps lock measures the column")
        << QPointF(24, 8) << true << true << QPoint(24, 5) << QPoint(24, 20) << 16;
    QTest::newRow("column above the bar runs to the top border")
        << QPointF(24, 4.5) << true << true << QPoint(24, 0) << QPoint(24, 4) << 5;
    QTest::newRow("column below the bar runs to the bottom border")
        << QPointF(21, 21) << true << true << QPoint(21, 21) << QPoint(21, 39) << 19;
    QTest::newRow("lone pixel along its row")
        << QPointF(40.5, 30.5) << false << true << QPoint(40, 30) << QPoint(40, 30) << 1;
    QTest::newRow("lone pixel along its column")
        << QPointF(40.5, 30.5) << true << true << QPoint(40, 30) << QPoint(40, 30) << 1;
    QTest::newRow("just left of the picture")
        << QPointF(-0.5, 8) << false << false << QPoint() << QPoint() << 1;
    QTest::newRow("just right of the picture")
        << QPointF(60, 8) << false << false << QPoint() << QPoint() << 1;
    QTest::newRow("just below the picture, caps lock")
        << QPointF(24, 40) << true << false << QPoint() << QPoint() << 1;
}

void TestAutoDetect::startPreviewsTheRunUnderThePointer()
{
    QFETCH(QPointF, pos);
    QFETCH(bool, capsLock);
    QFETCH(bool, found);
    QFETCH(QPoint, start);
    QFETCH(QPoint, end);
    QFETCH(int, pixels);

    Canvas canvas;
    DLGraphicsScene &scene = canvas.scene;
    setCapsLockOverride(capsLock);
    scene.onTrackMouseFreeMoveStart(pos);

    QVERIFY(scene.detectPath);
    QVERIFY(scene.detectLabel);
    QCOMPARE(scene.detectPath->scene(), &scene);
    QCOMPARE(scene.detectLabel->scene(), &scene);
    if (found)
        QCOMPARE(scene.detectPath->path(), bracket(start, end));
    else
        QVERIFY(scene.detectPath->path().isEmpty());
    QCOMPARE(shownLabel(scene), labelFor(scene, pixels));
    QCOMPARE(scene.detectLabel->pos(), QPointF(pos.x(), pos.y() - 28));
}

void TestAutoDetect::previewPenIsTheDarkMarkColour_data()
{
    QTest::addColumn<uint>("markColor");
    QTest::addColumn<uint>("darkColor");
    QTest::newRow("red") << 0xFFFF0000u << 0xFFF00000u;
    QTest::newRow("dark blue grey") << 0xFF2C3E50u << 0xFF1D2F41u;
    QTest::newRow("channels below 15 stop at 0") << 0xFF0A1020u << 0xFF000111u;
}

void TestAutoDetect::previewPenIsTheDarkMarkColour()
{
    QFETCH(uint, markColor);
    QFETCH(uint, darkColor);
    Canvas canvas;
    const QRgb previous = DLGraphicsItemRenderer::markColor();
    DLGraphicsItemRenderer::setMarkColor(markColor);
    canvas.scene.onTrackMouseFreeMoveStart(QPointF(24, 8));
    DLGraphicsItemRenderer::setMarkColor(previous);

    const QPen pen = canvas.scene.detectPath->pen();
    QCOMPARE(pen.color().rgba(), darkColor);
    QCOMPARE(pen.widthF(), 1.0);
    QCOMPARE(canvas.scene.detectPath->brush(), QBrush(Qt::white, Qt::SolidPattern));
}

void TestAutoDetect::movesFollowThePointer_data()
{
    QTest::addColumn<QPointF>("startPos");
    QTest::addColumn<bool>("capsAtStart");
    QTest::addColumn<QPointF>("movePos");
    QTest::addColumn<bool>("capsAtMove");
    QTest::addColumn<QPainterPath>("path");
    QTest::addColumn<int>("pixels");

    QTest::newRow("along the bar") << QPointF(24, 8) << false << QPointF(21.5, 10.5) << false
                                   << bracket(QPoint(20, 10), QPoint(29, 10)) << 10;
    QTest::newRow("off the bar onto black") << QPointF(24, 8) << false << QPointF(35, 8) << false
                                            << bracket(QPoint(30, 8), QPoint(59, 8)) << 30;
    QTest::newRow("out of the picture keeps the last bracket")
        << QPointF(24, 8) << false << QPointF(-3, 8) << false
        << bracket(QPoint(20, 8), QPoint(29, 8)) << 1;
    QTest::newRow("caps lock switched on between moves")
        << QPointF(24, 8) << false << QPointF(25, 9) << true
        << bracket(QPoint(25, 5), QPoint(25, 20)) << 16;
    QTest::newRow("caps lock switched off between moves")
        << QPointF(24, 8) << true << QPointF(25, 9) << false
        << bracket(QPoint(20, 9), QPoint(29, 9)) << 10;
    QTest::newRow("from outside into the picture")
        << QPointF(-5, -5) << false << QPointF(24, 8) << false
        << bracket(QPoint(20, 8), QPoint(29, 8)) << 10;
    QTest::newRow("outside all along keeps the empty path")
        << QPointF(-5, -5) << false << QPointF(61, 41) << false << QPainterPath() << 1;
}

void TestAutoDetect::movesFollowThePointer()
{
    QFETCH(QPointF, startPos);
    QFETCH(bool, capsAtStart);
    QFETCH(QPointF, movePos);
    QFETCH(bool, capsAtMove);
    QFETCH(QPainterPath, path);
    QFETCH(int, pixels);

    Canvas canvas;
    DLGraphicsScene &scene = canvas.scene;
    setCapsLockOverride(capsAtStart);
    scene.onTrackMouseFreeMoveStart(startPos);
    QGraphicsPathItem *previewPath = scene.detectPath;
    QGraphicsPixmapItem *previewLabel = scene.detectLabel;
    setCapsLockOverride(capsAtMove);
    scene.onTrackMouseFreeMovePosChanged(movePos);

    QCOMPARE(scene.detectPath, previewPath);
    QCOMPARE(scene.detectLabel, previewLabel);
    QCOMPARE(scene.detectPath->path(), path);
    QCOMPARE(shownLabel(scene), labelFor(scene, pixels));
    QCOMPARE(scene.detectLabel->pos(), QPointF(movePos.x(), movePos.y() - 28));
    QCOMPARE(marksOf(scene).size(), 0);
}

void TestAutoDetect::selectCreatesTheMark_data()
{
    QTest::addColumn<QPointF>("startPos");
    QTest::addColumn<QPointF>("endPos");
    QTest::addColumn<bool>("capsAtEnd");
    QTest::addColumn<QPointF>("first");
    QTest::addColumn<QPointF>("second");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QString>("text");

    const int horizontal = DLGraphicsLengthItemRenderer::Horizontal;
    const int vertical = DLGraphicsLengthItemRenderer::Vertical;
    QTest::newRow("row through the bar") << QPointF(24, 8) << QPointF(24.9, 8.9) << false
                                         << QPointF(20, 8) << QPointF(29, 8) << horizontal << "10";
    QTest::newRow("caps lock read again at the end")
        << QPointF(24, 8) << QPointF(24, 8) << true << QPointF(24, 5) << QPointF(24, 20) << vertical
        << "16";
    QTest::newRow("the press position decides, not the last move")
        << QPointF(24, 8) << QPointF(35, 8) << false << QPointF(30, 8) << QPointF(59, 8)
        << horizontal << "30";
    QTest::newRow("run to the bottom border")
        << QPointF(24, 8) << QPointF(0, 39) << true << QPointF(0, 0) << QPointF(0, 39) << vertical
        << "40";
}

void TestAutoDetect::selectCreatesTheMark()
{
    QFETCH(QPointF, startPos);
    QFETCH(QPointF, endPos);
    QFETCH(bool, capsAtEnd);
    QFETCH(QPointF, first);
    QFETCH(QPointF, second);
    QFETCH(int, orientation);
    QFETCH(QString, text);

    Canvas canvas;
    DLGraphicsScene &scene = canvas.scene;
    scene.nextZValue = 7.0;
    scene.onTrackMouseFreeMoveStart(startPos);
    setCapsLockOverride(capsAtEnd);
    scene.onTrackMouseFreeMoveEnd(true, endPos);

    const QList<DLGraphicsItem *> marks = marksOf(scene);
    QCOMPARE(marks.size(), 1);
    DLGraphicsItem *mark = marks.first();
    QCOMPARE(pointsOf(mark), Segment(first, second));
    QCOMPARE(mark->text(), text);
    const auto *renderer = static_cast<const DLGraphicsLengthItemRenderer *>(mark->renderer());
    QCOMPARE(renderer->orientation(), orientation);
    QCOMPARE(mark->zValue(), 7.0);
    QCOMPARE(mark->orderNumber(), 7);
    QCOMPARE(scene.nextZValue, 8.0);
    QCOMPARE(mark->pendingChange(), PendingChange::None);
    QVERIFY(scene.modified);
    QCOMPARE(scene.undoStack.count(), 1);
    QCOMPARE(countOfType(scene, QGraphicsPathItem::Type), 0);
    QCOMPARE(countOfType(scene, QGraphicsPixmapItem::Type), 1);
}

void TestAutoDetect::createdMarkIsUndoable()
{
    Canvas canvas;
    DLGraphicsScene &scene = canvas.scene;
    scene.nextZValue = 3.0;
    scene.onTrackMouseFreeMoveStart(QPointF(24, 8));
    scene.onTrackMouseFreeMoveEnd(true, QPointF(24, 8));

    QCOMPARE(scene.undoStack.count(), 1);
    const auto *command = dynamic_cast<const DLCreateCommand *>(scene.undoStack.command(0));
    QVERIFY(command);
    QCOMPARE(command->markType(), int(MarkLength));
    QCOMPARE(command->order(), 3);
    QCOMPARE(command->scene(), &scene);
    QVERIFY(!command->isFirstRedoPending());

    scene.undo();
    QVERIFY(marksOf(scene).isEmpty());
    QVERIFY(onlyThePicture(scene));
    scene.redo();
    const QList<DLGraphicsItem *> marks = marksOf(scene);
    QCOMPARE(marks.size(), 1);
    QCOMPARE(pointsOf(marks.first()), Segment(QPointF(20, 8), QPointF(29, 8)));
    QCOMPARE(marks.first()->zValue(), 3.0);
    QCOMPARE(scene.nextZValue, 4.0);
}

void TestAutoDetect::endWithoutMarkLeavesNothing_data()
{
    QTest::addColumn<bool>("select");
    QTest::addColumn<QPointF>("startPos");
    QTest::addColumn<QPointF>("endPos");

    QTest::newRow("space released over the bar") << false << QPointF(24, 8) << QPointF(24, 8);
    QTest::newRow("space released, the view's origin") << false << QPointF(24, 8) << QPointF(0, 0);
    QTest::newRow("press outside the picture") << true << QPointF(24, 8) << QPointF(70, 8);
    QTest::newRow("press just left of the picture") << true << QPointF(24, 8) << QPointF(-0.1, 8);
    QTest::newRow("press above the picture") << true << QPointF(-5, -5) << QPointF(24, -1);
    QTest::newRow("press on a one-pixel run") << true << QPointF(24, 8) << QPointF(40, 30);
}

void TestAutoDetect::endWithoutMarkLeavesNothing()
{
    QFETCH(bool, select);
    QFETCH(QPointF, startPos);
    QFETCH(QPointF, endPos);

    Canvas canvas;
    DLGraphicsScene &scene = canvas.scene;
    scene.nextZValue = 2.0;
    scene.onTrackMouseFreeMoveStart(startPos);
    scene.onTrackMouseFreeMovePosChanged(endPos);
    scene.onTrackMouseFreeMoveEnd(select, endPos);

    QVERIFY(!scene.detectPath);
    QVERIFY(!scene.detectLabel);
    QVERIFY(onlyThePicture(scene));
    QCOMPARE(scene.nextZValue, 2.0);
    QCOMPARE(scene.undoStack.count(), 0);
    QVERIFY(!scene.modified);
}

void TestAutoDetect::secondStartKeepsOnePreview()
{
    Canvas canvas;
    DLGraphicsScene &scene = canvas.scene;
    scene.onTrackMouseFreeMoveStart(QPointF(24, 8));
    scene.onTrackMouseFreeMoveStart(QPointF(35, 8));

    QCOMPARE(countOfType(scene, QGraphicsPathItem::Type), 1);
    QCOMPARE(countOfType(scene, QGraphicsPixmapItem::Type), 2); // the picture and one label
    QCOMPARE(scene.detectPath->path(), bracket(QPoint(30, 8), QPoint(59, 8)));
    QCOMPARE(scene.detectLabel->pos(), QPointF(35, 8 - 28));

    scene.onTrackMouseFreeMoveEnd(false, QPointF());
    QVERIFY(onlyThePicture(scene));
}

void TestAutoDetect::clearCanvasDuringDetection()
{
    Canvas canvas;
    DLGraphicsScene &scene = canvas.scene;
    scene.onTrackMouseFreeMoveStart(QPointF(24, 8));
    scene.clearCanvas();
    QVERIFY(!scene.detectPath);
    QVERIFY(!scene.detectLabel);
    QVERIFY(scene.items().isEmpty());

    // The rest of the interrupted phase neither draws nor measures.
    scene.onTrackMouseFreeMovePosChanged(QPointF(25, 8));
    scene.onTrackMouseFreeMoveEnd(true, QPointF(25, 8));
    QVERIFY(scene.items().isEmpty());
    QCOMPARE(scene.undoStack.count(), 0);

    scene.loadImage(canvas.path);
    scene.onTrackMouseFreeMoveStart(QPointF(24, 8));
    scene.onTrackMouseFreeMoveEnd(true, QPointF(24, 8));
    QCOMPARE(marksOf(scene).size(), 1);
}

void TestAutoDetect::pressesDuringDetectionMakeNoMark()
{
    Canvas canvas;
    DLGraphicsScene &scene = canvas.scene;
    scene.setToolType(ToolLength);
    scene.setMode(ModeMark);
    scene.onTrackMouseFreeMoveStart(QPointF(24, 8));

    SceneMouse mouse(&scene);
    mouse.drag(QPointF(5, 30), QPointF(50, 30));
    SceneMouse(&scene, Qt::RightButton).drag(QPointF(5, 35), QPointF(50, 35));
    QVERIFY(marksOf(scene).isEmpty());
    QCOMPARE(scene.undoStack.count(), 0);

    // As the view does it: the scene sees the press, then the detection ends.
    mouse.press(QPointF(24, 8));
    scene.onTrackMouseFreeMoveEnd(true, QPointF(24, 8));
    mouse.release(QPointF(24, 8));
    const QList<DLGraphicsItem *> marks = marksOf(scene);
    QCOMPARE(marks.size(), 1);
    QCOMPARE(pointsOf(marks.first()), Segment(QPointF(20, 8), QPointF(29, 8)));
    QCOMPARE(scene.undoStack.count(), 1);
}

void TestAutoDetect::throughTheEditor()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bars.png"));
    QVERIFY(testPicture().save(path));
    TestableEditor editor;
    editor.show();
    QApplication::setActiveWindow(&editor);
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    editor.openFile(path);
    DLGraphicsScene *scene = editor.canvasScene();
    DLGraphicsView *view = editor.canvasView();
    // A quarter pixel in, so the view's rounding to whole widget pixels keeps the pixel.
    const auto viewportPoint
        = [view](QPoint pixel) { return view->mapFromScene(QPointF(pixel) + QPointF(0.25, 0.25)); };

    QTest::keyClick(&editor, Qt::Key_1);
    QCOMPARE(scene->mode, ModeMark);
    QCursor::setPos(view->viewport()->mapToGlobal(viewportPoint(QPoint(35, 8))));

    // Space pressed and released: a preview, then nothing.
    QTest::keyPress(&editor, Qt::Key_Space);
    QVERIFY(view->isTrackingMouseFreeMove());
    QVERIFY(scene->detectPath);
    QCOMPARE(scene->detectPath->path(), bracket(QPoint(30, 8), QPoint(59, 8)));
    QTest::keyRelease(view, Qt::Key_Space);
    QVERIFY(!scene->detectPath);
    QVERIFY(onlyThePicture(*scene));

    // Space held, the pointer moves, a click takes the run under it.
    QTest::keyPress(&editor, Qt::Key_Space);
    sendMove(view, viewportPoint(QPoint(35, 8)));
    QCOMPARE(scene->detectPath->path(), bracket(QPoint(30, 8), QPoint(59, 8)));
    setCapsLockOverride(true);
    sendMove(view, viewportPoint(QPoint(24, 10)));
    QCOMPARE(scene->detectPath->path(), bracket(QPoint(24, 5), QPoint(24, 20)));
    setCapsLockOverride(false);
    const QPoint click = viewportPoint(QPoint(24, 10));
    sendMove(view, click);
    QCOMPARE(scene->detectPath->path(), bracket(QPoint(20, 10), QPoint(29, 10)));
    QCOMPARE(shownLabel(*scene), labelFor(*scene, 10));
    QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::NoModifier, click);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, click);
    QTest::keyRelease(view, Qt::Key_Space);

    QVERIFY(!view->isTrackingMouseFreeMove());
    QVERIFY(!scene->detectPath);
    const QList<DLGraphicsItem *> marks = marksOf(*scene);
    QCOMPARE(marks.size(), 1);
    QCOMPARE(pointsOf(marks.first()), Segment(QPointF(20, 10), QPointF(29, 10)));
    QCOMPARE(scene->undoStack.count(), 1);

    QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(marksOf(*scene).isEmpty());
    QVERIFY(onlyThePicture(*scene));
}

DIMLET_TEST_MAIN(TestAutoDetect)
#include "tst_autodetect.moc"
