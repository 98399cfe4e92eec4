#include "testsupport.h"

#include "canvas/capslock.h"
#include "canvas/colorrun.h"
#include "canvas/dlgraphicstextitem.h"
#include "canvas/dlgraphicsview.h"
#include "canvas/dlundocommand.h"
#include "scenetest.h"
#include "settings/preferences.h"

#include <QGraphicsPathItem>
#include <QGraphicsPixmapItem>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QWheelEvent>

class TestScene : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    QGraphicsScene big {0, 0, 3000, 3000};
    std::unique_ptr<DLGraphicsView> view;

    // A shown view at zoom 2 over a large scene, scrolled halfway down.
    void showView()
    {
        view = std::make_unique<DLGraphicsView>();
        view->setScene(&big);
        view->resize(400, 300);
        view->setTransform(QTransform::fromScale(2, 2));
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum() / 2);
    }

private slots:
    void cleanup() { setCapsLockOverride(std::nullopt); }

    // File|its size, none when missing|size shown|scene rect in a view of 800 x 600.
    void loadImage_data()
    {
        rows({"even @2x is halved|shot@2x.png|200,100|100,50|-350,-275 800,600",
            "odd @2x: a warning; margins floor|odd@2x.png|201,100|201,100|-299,-250 800,600",
            "upper-case X is not retina|big@2X.png|200,100|200,100|-300,-250 800,600",
            "base name ends at the first dot|ui@2x.v2.png|64,32|32,16|-384,-292 800,600",
            "as large as the view gets margins|equal.png|800,600|800,600|-100,-100 1000,800",
            "missing file lays out as 0 x 0|missing.png||0,0|-400,-300 800,600"});
    }

    void loadImage()
    {
        QFETCH(QStringList, f);
        const QPoint file = point(f[1]).toPoint(), shown = point(f[2]).toPoint();
        const QLineF rect = line(f[3]);
        const QString path = dir.filePath(f[0]);
        // Every 2 x 2 block has its own colour, so halving keeps one per block.
        const auto cell = [](int x, int y) { return qRgba(x * 37 & 255, y * 53 & 255, 7, 200); };
        QImage image(qMax(file.x(), 1), qMax(file.y(), 1), QImage::Format_ARGB32);
        for (int i = 0, w = image.width(); i < w * image.height(); ++i)
            image.setPixel(i % w, i / w, cell(i % w / 2, i / w / 2));
        QVERIFY(f[1].isEmpty() || image.save(path));
        PromptRecorder prompts;
        DLGraphicsScene scene;
        DLGraphicsView view;
        view.setScene(&scene);
        view.setGeometry(0, 0, 800, 600);
        scene.loadImage(path);
        const int w = shown.x(), h = shown.y(), step = shown == file ? 2 : 1;
        QCOMPARE(scene.image().size(), QSize(w, h));
        // One canvas unit per picture pixel, whatever ratio the reader guessed from the name.
        QCOMPARE(scene.imageItem()->boundingRect(), QRectF(0, 0, w, h));
        QCOMPARE(scene.sceneRect(), QRectF(rect.p1(), QSizeF(rect.x2(), rect.y2())));
        QCOMPARE(prompts.texts().join('|').section("invalid", 1),
            file.x() % 2 ? "[201x100]. App will treat it as normal image." : "");
        if (w) // two corners, just inside the picture
            QCOMPARE(QVector<QRgb>({scene.pixelAt({w - 0.01, 0}), scene.pixelAt({0, h - 0.01})}),
                QVector<QRgb>({cell((w - 1) / step, 0), cell(0, (h - 1) / step)}));
        // A scene built after "bottom left" was stored counts y from the bottom.
        writePreference(PrefKey::FlipY, true);
        DLGraphicsScene restarted;
        writePreference(PrefKey::FlipY, false);
        SceneTestAccess::setImage(restarted, scene.image());
        QCOMPARE(restarted.mapToOrigin({3, 1}, 0.5), QPointF(3, h - 1.5));
    }

    // Kind|order|first x of the record among others|the mark it makes, none when skipped.
    // Documents come back as they were saved; the next new mark takes their z value.
    void loadDocument_data()
    {
        rows({"order: a negative half rounds away from zero|1|-2.5|5|1 -2.5 -3 5,10 40,30  -1",
            "type 4 is skipped|4|1|5|", "order not a number is skipped|1|nan|5|",
            "point at infinity is skipped|1|1|inf|"});
    }

    void loadDocument()
    {
        QFETCH(QStringList, f);
        const QString picture = dir.filePath("white.png");
        QVERIFY(QImage(200, 120, QImage::Format_RGB32).save(picture));
        MarkRecordList records {
            new MarkRecord {f[0].toInt(), f[1].toDouble(), {f[2].toDouble(), 10}, {40, 30}, {}, -1},
            new MarkRecord {MarkLength, 1, {30, 5}, {30, 90}, {}, 100},
            new MarkRecord {MarkColorPick, 5, {50, 50}, {90, 30}, {}, -1},
            new MarkRecord {MarkComments, 6, {5, 100}, {-30, 80}, "two\nlines, \u00e9", 73.5}};
        MarkScene first {ToolRect};
        QVERIFY(first.loadDocument(records, picture, 9.0));
        clearMarkRecords(records);
        const QStringList loaded = describeMarks(first);
        QCOMPARE(loaded.size(), f[3].isEmpty() ? 3 : 4);
        QVERIFY(f[3].isEmpty() || loaded.contains(f[3]));
        QVERIFY(first.undoStack().count() == 0 && !first.isModified());
        drag(&first, {170, 100}, {190, 115});
        QCOMPARE(describeMarks(first).first(), QStringLiteral("1 9 9 170,100 190,115  -1"));

        records << new MarkRecord; // collecting empties the list first
        QVERIFY(first.collectMarkRecords(&records));
        QCOMPARE(records.first()->idx, 9.0); // highest z first
        DLGraphicsScene second;
        QVERIFY(second.loadDocument(records, picture, first.nextZValue()));
        clearMarkRecords(records);
        QCOMPARE(describeMarks(second), describeMarks(first));
        QCOMPARE(second.nextZValue(), 10.0);
    }

    // Setup (else the length tool in mark mode)|drag|whether a new mark took the next order|marks
    // after, topmost first|commands. L = 10,10 60,10 lies under U = 40,10 120,10 at the start.
    void press_data()
    {
        rows({"length drawn backwards, fractions floor||50.9,40.5 20.2,44.9|1|20,40 50,40/U/L|1",
            "length click without movement is removed||20.6,30.2 20.6,30.2|1|U/L|0",
            "rectangle click stays, fractions floor|rect|-0.5,30.7 -0.5,30.7|1|-1,30 -1,30/U/L|1",
            "overlap: the topmost mark hit moves||65,10 75,12|0|50,12 130,12/L|1",
            "start dragged onto the end removes the mark||5,10 55,10|0|U|0",
            "click on a mark changes nothing||65,10 65,10|0|U/L|0",
            "move mode|move mode|65,10 75,12|0|U/L|0", "right button|right|65,10 75,12|0|U/L|0",
            "detecting|detecting|65,10 75,12|0|U/L|0"});
    }

    void press()
    {
        QFETCH(QStringList, f);
        const QString setup = f[0];
        const bool placed = f[2] == "1";
        MarkScene scene {setup == "rect" ? ToolRect : ToolLength};
        scene.setMode(setup == "move mode" ? ModeMove : ModeMark);
        scene.restoreMark({MarkLength, 0, {10, 10}, {60, 10}, QString(), -1});
        scene.restoreMark({MarkLength, 1, {40, 10}, {120, 10}, QString(), -1});
        SceneTestAccess::setNextZValue(scene, 4.0);
        if (setup == "detecting")
            scene.onTrackMouseFreeMoveStart({0, 0});
        if (f[3].count('/') != 1 + int(placed))
            QTest::ignoreMessage(QtDebugMsg, "mouseReleaseEvent--> remove invalid operation.");
        drag(&scene, line(f[1]).p1(), line(f[1]).p2(),
            setup == "right" ? Qt::RightButton : Qt::LeftButton);
        QCOMPARE(describeMarks(scene, false).join('/'),
            QString(f[3]).replace("U", "40,10 120,10").replace("L", "10,10 60,10"));
        QCOMPARE(scene.undoStack().count(), f[4].toInt());
        QCOMPARE(scene.nextZValue(), placed ? 5.0 : 4.0);
        QCOMPARE(scene.marks().first()->orderNumber(), placed && f[4] == "1" ? 4 : 1);
    }

    // Typed (a DEL stands for the Delete key)|how the edit ends|text after, empty when the
    // comment is gone|commands.
    void commentEdit_data()
    {
        rows({"two lines, press elsewhere|Door\n2 m|press|Door\n2 m|2",
            "emptied text becomes one blank|\x7f|finish| |2",
            "deleting the comment drops the edit|x|delete||2",
            "clearing the canvas drops the edit|x|clear||1"});
    }

    void commentEdit()
    {
        QFETCH(QStringList, f);
        const QString ending = f[1], text = f[2];
        MarkScene scene(ToolComment);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&scene, &activate);
        QSignalSpy states(&scene, &DLGraphicsScene::textEditStateChanged);
        drag(&scene, {10, 10}, {10, 10});
        DLGraphicsItem *mark = scene.findMarkByOrder(0);
        DLGraphicsTextItem *editor = SceneTestAccess::comments(scene).textEditor();
        QVERIFY(mark && editor && editor->hasFocus() && editor->related == mark);
        for (const QChar ch : f[0]) {
            const int key = ch == '\n' ? Qt::Key_Return : ch == '\x7f' ? Qt::Key_Delete : 0;
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key ? QString() : QString(ch));
            QApplication::sendEvent(&scene, &press);
        }
        if (ending == "press")
            drag(&scene, {50, 35}, {50, 35}); // ends the edit and makes no mark
        else if (ending == "finish")
            scene.makeEditorFinishEditing();
        else if (ending == "delete")
            mark->setSelected(true), scene.deleteSelectedMarks();
        else
            scene.clearCanvas();
        QVERIFY(!SceneTestAccess::comments(scene).textEditor());
        QCOMPARE(states, (QList<QVariantList> {{true}, {false}}));
        QCOMPARE(scene.undoStack().count(), f[3].toInt());
        QCOMPARE(scene.marks().size(), text.isEmpty() ? 0 : 1);
        if (text.isEmpty())
            return;
        QCOMPARE(mark->text(), text);
        scene.undo();
        QCOMPARE(mark->text(), QStringLiteral("Comments"));
    }

    // Tool|drawn from|to. Draw, move and delete a mark; every undo must bring back exactly the
    // marks there were before its command, and every redo those after it.
    void roundTrip_data()
    {
        rows({"length|0|10,10 40,12", "rectangle|1|10,10 40,30", "colour pick|2|22,8 50,30",
            "comment, narrowed before it is deleted|3|10,10 40,30"});
    }

    void roundTrip()
    {
        QFETCH(QStringList, f);
        const int tool = f[0].toInt();
        const QLineF drawn = line(f[1]);
        MarkScene scene {DLToolType(tool)};
        QMap<int, QStringList> states {{0, describeMarks(scene)}};
        const auto record = [&] { states[scene.undoStack().count()] = describeMarks(scene); };
        DLGraphicsItem *mark = DLGraphicsItem::createDefault(tool, drawn.p1());
        scene.placeNewMark(mark);
        const auto gesture = [&](int part, QPointF from, QPointF to) {
            mark->pressAt(from, part);
            mark->dragTo(to, part);
            mark->releaseAt(to, part);
            if (tool == ToolComment)
                mark->renderer()->setMaxWidth(30.0), mark->refresh();
            scene.pushUndoCommand(mark->takeUndoCommand(&scene, false));
            record();
            scene.makeEditorFinishEditing(); // a new comment opened its editor on release
            record();
        };
        gesture(defaultHitPart(tool), drawn.p1(), drawn.p2());
        gesture(HitBody, drawn.p1(), drawn.p1() + QPointF(2.5, -1));
        mark->setSelected(true);
        scene.deleteSelectedMarks();
        record();
        QCOMPARE(states.size(), tool == ToolComment ? 5 : 4);
        for (int at = scene.undoStack().count() - 1; at >= 0; --at) {
            scene.undo();
            QCOMPARE(describeMarks(scene), states.value(at));
        }
        for (int at = 1; at < states.size(); ++at) {
            scene.redo();
            QCOMPARE(describeMarks(scene), states.value(at));
        }
    }

    // Tracking|event: a wheel with its modifier and delta, a left press, a Space
    // release (auto-repeated, on another control) or the window losing focus|what follows.
    void viewEvents_data()
    {
        rows({"ctrl wheel delta 1 zooms in|0|ctrl 1|in",
            "ctrl wheel delta 0 zooms out|0|ctrl 0|out", "plain wheel scrolls|0|plain -120|scroll",
            "ctrl wheel while tracking scrolls|1|ctrl -120|scroll tracking",
            "left press ends tracking and selects|1|press|end true",
            "space release ends tracking|1|space|end false",
            "auto-repeated space release is ignored|1|auto space|tracking",
            "space released on another control ends|1|other space|end false",
            "window losing focus ends tracking|1|deactivate|end false"});
    }

    void viewEvents()
    {
        QFETCH(QStringList, f);
        const QString event = f[1];
        showView();
        QSignalSpy in(view.get(), &DLGraphicsView::fangda),
            out(view.get(), &DLGraphicsView::suoxiao),
            end(view.get(), &DLGraphicsView::trackMouseFreeMoveEnd);
        const int before = view->verticalScrollBar()->value();
        view->setTrackMouseFreeMove(f[0] == "1");
        QSlider other;
        QKeyEvent release(
            QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, {}, event == "auto space");
        QEvent deactivate(QEvent::WindowDeactivate);
        QWheelEvent wheel({100, 100}, view->viewport()->mapToGlobal(QPoint(100, 100)), {},
            {0, event.section(' ', 1).toInt()}, Qt::NoButton,
            event.startsWith("ctrl") ? Qt::ControlModifier : Qt::NoModifier, Qt::NoScrollPhase,
            false);
        if (event == "press")
            QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, {70, 20});
        else if (event.endsWith("space"))
            QApplication::sendEvent(
                event == "other space" ? &other : static_cast<QWidget *>(view.get()), &release);
        else
            QApplication::sendEvent(
                event == "deactivate" ? static_cast<QWidget *>(view.get()) : view->viewport(),
                event == "deactivate" ? static_cast<QEvent *>(&deactivate) : &wheel);
        QStringList seen {
            QString("in").repeated(in.count()) + QString("out").repeated(out.count())};
        seen << (view->verticalScrollBar()->value() > before ? "scroll" : "")
             << (view->isTrackingMouseFreeMove() ? "tracking" : "");
        const QPointF at = view->mapToScene(QPoint(70, 20)); // only a press selects where it ends
        for (const QVariantList &e : end)
            seen << "end" << e[0].toString()
                 << (e[1] == (e[0].toBool() ? at : QPointF()) ? "" : "?");
        QCOMPARE(seen.join(' ').simplified(), f[2]);
        QVERIFY(f[0] == "0" || view->hasMouseTracking());
    }

    // Format|straight ARGB pixels of a row|start|the run found. What the walk below leaves out:
    // alpha, and the picture's edges, which preview and end see.
    void findColorRun_data()
    {
        rows({"alpha never ends a run|5|01C87828 80C87828 FFC87828 FF000000|1|0 2",
            "premultiplied: one colour, any alpha|6|01C87828 7FC87828 FEC87828 FF000000|0|0 2",
            "premultiplied: half-transparent is not darker|6|80C8C8C8 FF646464|0|0 0",
            "premultiplied: transparent is black|6|FF000000 00000000 FF000000 FFFFFFFF|2|0 2"});
    }

    void findColorRun()
    {
        QFETCH(QStringList, f);
        const QStringList pixels = f[1].split(' ');
        QImage image(pixels.size(), 1, QImage::Format_ARGB32);
        for (int x = 0; x < pixels.size(); ++x)
            image.setPixel(x, 0, pixels[x].toUInt(nullptr, 16));
        QPoint start, end;
        QVERIFY(::findColorRun(image.convertToFormat(QImage::Format(f[0].toInt())),
            {f[2].toInt(), 0}, true, &start, &end));
        QCOMPARE(QStringLiteral("%1 %2").arg(start.x()).arg(end.x()), f[3]);
    }

    void matchesAPixelWalk_data()
    {
        rows({"straight ARGB|5", "opaque RGB|4", "24-bit, converted a line at a time|13"});
    }

    // Runs of every length and start, up to both borders, broken by pixels just inside and just
    // outside the tolerance, must come out as a walk pixel by pixel finds them, from every pixel.
    void matchesAPixelWalk()
    {
        QFETCH(QStringList, f);
        // Scan lines longer than their pixels, so a column must step by the stride.
        QImage wide(40, 23, QImage::Format_ARGB32);
        QRgb colour = qRgb(100, 100, 100);
        for (quint32 i = 0, seed = 7; i < 40 * 23; ++i, seed = seed * 1103515245u + 12345u) {
            const quint32 roll = (seed >> 16) % 12;
            colour = roll == 0 ? qRgb(seed >> 8 & 255, 100, 100) : colour;
            wide.setPixel(i % 40, i / 40, colour - (roll == 1 || roll == 2 ? roll : 0));
        }
        const QImage plain(wide.constBits(), 37, 23, wide.bytesPerLine(), QImage::Format_ARGB32);
        const QImage image = plain.convertToFormat(QImage::Format(f[0].toInt()));
        const auto same = [&](QPoint a, QRgb q) { // off the picture never matches
            const QRgb p = plain.valid(a) ? plain.pixel(a) : q ^ 0x800000;
            return std::max({qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q)),
                       qAbs(qBlue(p) - qBlue(q))})
                <= 1;
        };
        for (const QPoint along : {QPoint(1, 0), QPoint(0, 1)}) {
            for (int i = 0; i < plain.width() * plain.height(); ++i) {
                const QPoint p(i % plain.width(), i / plain.width());
                QPoint first = p, last = p, start, end;
                while (same(first - along, plain.pixel(p)))
                    first -= along;
                while (same(last + along, plain.pixel(p)))
                    last += along;
                QVERIFY(::findColorRun(image, p, along.x() == 1, &start, &end));
                QCOMPARE(QLine(start, end), QLine(first, last));
            }
        }
    }

    // Start|move|caps lock|run at the start|run after the move; an empty run, an empty bracket.
    void preview_data()
    {
        rows({"along the bar, fractions floor|24,8|29.9,10.5|0|20,8 29,8|20,10 29,10",
            "caps lock column to the top border|24,8|24,4.5|1|24,5 24,20|24,0 24,4",
            "out of the picture keeps the last bracket, label 1|24,8|60,8|0|20,8 29,8|20,8 29,8",
            "starting outside shows an empty bracket|-0.5,8|24,40|1||"});
    }

    void preview()
    {
        QFETCH(QStringList, f);
        const QPointF movePos = point(f[1]);
        const auto bracket = [](QLineF run) {
            return run.isNull() ? QPainterPath()
                                : makeMeasurePath(run.p1().toPoint(), run.p2().toPoint(), nullptr);
        };
        MarkScene scene;
        const DLEdgeDetector &detector = SceneTestAccess::detector(scene);
        setCapsLockOverride(f[2] == "1");
        scene.onTrackMouseFreeMoveStart(QPointF(35, 8)); // a second start replaces this one
        scene.onTrackMouseFreeMoveStart(point(f[0]));
        QCOMPARE(detector.previewPath()->path(), bracket(line(f[3])));
        scene.onTrackMouseFreeMovePosChanged(movePos);
        QCOMPARE(detector.previewPath()->path(), bracket(line(f[4])));
        const int length = movePos.x() < 60 && movePos.y() < 40 ? int(line(f[4]).length()) : 0;
        QCOMPARE(detector.previewLabel()->pixmap().toImage(),
            QPixmap::fromImage(detector.makeLengthLabelImage(length)).toImage());
    }

    // Select|end|whether the canvas was cleared under the preview|mark made, if any.
    void end_data()
    {
        rows({"click on the bar|1|24.9,8.9|0|0 7 7 20,8 29,8  100",
            "space released over the bar|0|24,8|0|", "click just left of the picture|1|-0.1,8|0|",
            "click after the canvas was cleared under the preview|1|25,8|1|",
            "click on a one-pixel run: the points coincide|1|40,30|0|0 7 7 40,30 40,30  100"});
    }

    void end()
    {
        QFETCH(QStringList, f);
        const bool made = !f[3].isEmpty();
        MarkScene scene;
        SceneTestAccess::setNextZValue(scene, 7.0);
        scene.onTrackMouseFreeMoveStart(QPointF(35, 8));
        if (f[2] == "1")
            scene.clearCanvas();
        scene.onTrackMouseFreeMoveEnd(f[0] == "1", point(f[1]));
        QVERIFY(!scene.isDetecting());
        QCOMPARE(scene.items().size(), int(made)); // the preview is gone
        QCOMPARE(describeMarks(scene).join(""), f[3]);
        QCOMPARE(scene.undoStack().count(), int(made));
        QCOMPARE(scene.nextZValue(), made ? 8.0 : 7.0);
    }
};

DIMLET_TEST_MAIN(TestScene)
#include "tst_scene.moc"
