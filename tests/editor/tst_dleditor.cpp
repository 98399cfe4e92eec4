#include "testsupport.h"

#include "canvas/dlgraphicsscene.h"
#include "canvas/dlgraphicsview.h"
#include "testableeditor.h"

#include <QAction>
#include <QBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSignalSpy>
#include <QSlider>
#include <QToolButton>
#include <QWheelEvent>

namespace {
const QStringList toolButtonNames {"ruler_btn", "rect_btn", "colorpick_btn", "comment_btn"};

struct LoadedEditor
{
    QTemporaryDir dir;
    TestableEditor editor;
    LoadedEditor() { editor.openFile(writePicture(dir, QStringLiteral("shot.png"))); }
};

QSlider *slider(const TestableEditor &editor)
{
    return editor.child<QSlider>("zoom_slider");
}

// Triggers a button by a real click or an action by name, as the row says.
void invoke(TestableEditor &editor, const QString &name)
{
    if (name.startsWith(QLatin1String("action"))) {
        QAction *action = editor.findChild<QAction *>(name);
        QVERIFY2(action, qPrintable(name));
        action->trigger();
    } else {
        QToolButton *button = editor.findChild<QToolButton *>(name);
        QVERIFY2(button, qPrintable(name));
        button->click();
    }
}

void ctrlWheel(DLGraphicsView *view, int angle)
{
    const QPointF pos(view->viewport()->rect().center());
    QWheelEvent event(pos, view->viewport()->mapToGlobal(pos.toPoint()), QPoint(), QPoint(0, angle),
        Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &event);
}
} // namespace

class TestDLEditor : public QObject
{
    Q_OBJECT
private slots:
    void enabledState_data();
    void enabledState();
    void moveButtonShownOnlyWithImage();
    void finishEditFollowsCommentEditing();
    void checkToolButton_data();
    void checkToolButton();
    void measuringTool_data();
    void measuringTool();
    void moveTool_data();
    void moveTool();
    void clickOnCheckedButtonKeepsTool_data();
    void clickOnCheckedButtonKeepsTool();
    void autoDetect_data();
    void autoDetect();
    void zoomStep_data();
    void zoomStep();
    void wheelZoom_data();
    void wheelZoom();
    void zoomIgnoredWhileEmpty();
    void openResetsZoomAndTitle();
    void keyboardShortcuts();
    void droppedFilesOpenTheFirst_data();
    void droppedFilesOpenTheFirst();
    void fileOpenRequestOpensLocalFile();
};

void TestDLEditor::enabledState_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("enabledWhileEmpty");

    for (const char *name : {"zoomin_btn", "zoomout_btn", "zoom_slider", "zoomfit_btn", "ruler_btn",
             "colorpick_btn", "rect_btn", "comment_btn", "save_btn", "actionUpdate_Image",
             "actionSave", "actionSave_As", "actionZoom_In", "actionZoom_Out", "actionFit_Size",
             "actionLength", "actionRect", "actionPick_Color", "actionComment", "actionMove_Edit"})
        QTest::newRow(name) << name << false;
    for (const char *name : {"setting_btn", "open_btn", "actionOpen_File", "actionSetting",
             "actionLanguage", "actionClose_Window", "actionAbout_App", "actionDelete",
             "actionAutoDetect", "actionUndo", "actionRedo"})
        QTest::newRow(name) << name << true;
}

void TestDLEditor::enabledState()
{
    QFETCH(QString, name);
    QFETCH(bool, enabledWhileEmpty);

    QTemporaryDir dir;
    TestableEditor editor;
    auto enabled = [&editor, &name]() -> int {
        if (auto *action = editor.findChild<QAction *>(name))
            return action->isEnabled();
        if (auto *widget = editor.findChild<QWidget *>(name))
            return widget->isEnabled();
        return -1;
    };
    QCOMPARE(enabled(), int(enabledWhileEmpty));
    editor.openFile(writePicture(dir, QStringLiteral("a.png")));
    QCOMPARE(enabled(), 1);
    editor.openFile(writePicture(dir, QStringLiteral("b.png")));
    QCOMPARE(enabled(), 1);
}

void TestDLEditor::moveButtonShownOnlyWithImage()
{
    TestableEditor editor;
    auto *move = editor.child<QToolButton>("move_btn");
    QVERIFY(move->isHidden());
    QVERIFY(move->isChecked());
    QTemporaryDir dir;
    editor.openFile(writePicture(dir, QStringLiteral("a.png")));
    QVERIFY(!move->isHidden());
    editor.setEmptyState(true);
    QVERIFY(move->isHidden());
}

void TestDLEditor::finishEditFollowsCommentEditing()
{
    LoadedEditor loaded;
    auto *finish = loaded.editor.child<QAction>("actionFinish_Edit");
    QVERIFY(!finish->isEnabled());
    emit loaded.editor.canvasScene()->textEditStateChanged(true);
    QVERIFY(finish->isEnabled());
    emit loaded.editor.canvasScene()->textEditStateChanged(false);
    QVERIFY(!finish->isEnabled());
}

void TestDLEditor::checkToolButton_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("checkedButton");

    QTest::newRow("below the first unchecks all") << -1 << -1;
    QTest::newRow("length") << 0 << 0;
    QTest::newRow("rectangle") << 1 << 1;
    QTest::newRow("colour pick") << 2 << 2;
    QTest::newRow("comment") << 3 << 3;
    QTest::newRow("one past the last unchecks all") << 4 << -1;
    QTest::newRow("move index unchecks all") << 1000 << -1;
}

void TestDLEditor::checkToolButton()
{
    QFETCH(int, index);
    QFETCH(int, checkedButton);

    LoadedEditor loaded;
    TestableEditor &editor = loaded.editor;
    for (const QString &name : toolButtonNames)
        editor.findChild<QToolButton *>(name)->setChecked(true);
    editor.child<QToolButton>("move_btn")->setChecked(true);

    editor.checkToolButton(index);
    for (int i = 0; i < toolButtonNames.size(); ++i)
        QCOMPARE(editor.findChild<QToolButton *>(toolButtonNames.at(i))->isChecked(),
            i == checkedButton);
    QVERIFY(!editor.child<QToolButton>("move_btn")->isChecked());
}

void TestDLEditor::measuringTool_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("tool");

    QTest::newRow("Length button") << "ruler_btn" << int(ToolLength);
    QTest::newRow("Rect button") << "rect_btn" << int(ToolRect);
    QTest::newRow("Color Pick button") << "colorpick_btn" << int(ToolColorPick);
    QTest::newRow("Comment button") << "comment_btn" << int(ToolComment);
    QTest::newRow("Length action") << "actionLength" << int(ToolLength);
    QTest::newRow("Rect action") << "actionRect" << int(ToolRect);
    QTest::newRow("Color Pick action") << "actionPick_Color" << int(ToolColorPick);
    QTest::newRow("Comment action") << "actionComment" << int(ToolComment);
}

void TestDLEditor::measuringTool()
{
    QFETCH(QString, command);
    QFETCH(int, tool);

    LoadedEditor loaded;
    TestableEditor &editor = loaded.editor;
    // Start from a different measuring tool so the tool type really has to change.
    const int other = (tool + 1) % 4;
    editor.findChild<QToolButton *>(toolButtonNames.at(other))->click();
    QCOMPARE(int(editor.canvasScene()->toolType), other);

    invoke(editor, command);
    QCOMPARE(int(editor.canvasScene()->toolType), tool);
    QCOMPARE(editor.canvasScene()->mode, ModeMark);
    QCOMPARE(editor.canvasView()->dragMode(), QGraphicsView::NoDrag);
    QVERIFY(editor.canvasView()->isInteractive());
    for (int i = 0; i < toolButtonNames.size(); ++i)
        QCOMPARE(editor.findChild<QToolButton *>(toolButtonNames.at(i))->isChecked(), i == tool);
    QVERIFY(!editor.child<QToolButton>("move_btn")->isChecked());
}

void TestDLEditor::moveTool_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("Move button") << "move_btn";
    QTest::newRow("Move action") << "actionMove_Edit";
}

void TestDLEditor::moveTool()
{
    QFETCH(QString, command);

    LoadedEditor loaded;
    TestableEditor &editor = loaded.editor;
    editor.child<QToolButton>("comment_btn")->click();
    QVERIFY(editor.canvasView()->isInteractive());

    invoke(editor, command);
    QVERIFY(editor.child<QToolButton>("move_btn")->isChecked());
    for (const QString &name : toolButtonNames)
        QVERIFY2(!editor.findChild<QToolButton *>(name)->isChecked(), qPrintable(name));
    QCOMPARE(editor.canvasScene()->mode, ModeMove);
    QCOMPARE(editor.canvasView()->dragMode(), QGraphicsView::ScrollHandDrag);
    QVERIFY(!editor.canvasView()->isInteractive());
}

void TestDLEditor::clickOnCheckedButtonKeepsTool_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("tool");

    QTest::newRow("Length") << "ruler_btn" << int(ModeMark) << int(ToolLength);
    QTest::newRow("Rect") << "rect_btn" << int(ModeMark) << int(ToolRect);
    QTest::newRow("Color Pick") << "colorpick_btn" << int(ModeMark) << int(ToolColorPick);
    QTest::newRow("Comment") << "comment_btn" << int(ModeMark) << int(ToolComment);
    QTest::newRow("Move") << "move_btn" << int(ModeMove) << -1;
}

void TestDLEditor::clickOnCheckedButtonKeepsTool()
{
    QFETCH(QString, button);
    QFETCH(int, mode);
    QFETCH(int, tool);

    LoadedEditor loaded;
    TestableEditor &editor = loaded.editor;
    auto *target = editor.findChild<QToolButton *>(button);
    QTest::mouseClick(target, Qt::LeftButton);
    QVERIFY(target->isChecked());
    QTest::mouseClick(target, Qt::LeftButton);
    QVERIFY(target->isChecked());
    QCOMPARE(int(editor.canvasScene()->mode), mode);
    if (tool >= 0)
        QCOMPARE(int(editor.canvasScene()->toolType), tool);
}

void TestDLEditor::autoDetect_data()
{
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<bool>("tracks");

    QTest::newRow("length tool") << true << QStringList {"ruler_btn"} << true;
    QTest::newRow("length tool from the key") << true << QStringList {"actionLength"} << true;
    QTest::newRow("rectangle tool") << true << QStringList {"rect_btn"} << false;
    QTest::newRow("colour pick tool") << true << QStringList {"colorpick_btn"} << false;
    QTest::newRow("comment tool") << true << QStringList {"comment_btn"} << false;
    QTest::newRow("move tool right after length")
        << true << QStringList {"ruler_btn", "move_btn"} << false;
    QTest::newRow("back to length after rectangle")
        << true << QStringList {"rect_btn", "ruler_btn"} << true;
    QTest::newRow("empty window") << false << QStringList() << false;
}

void TestDLEditor::autoDetect()
{
    QFETCH(bool, loaded);
    QFETCH(QStringList, commands);
    QFETCH(bool, tracks);

    QTemporaryDir dir;
    TestableEditor editor;
    if (loaded)
        editor.openFile(writePicture(dir, QStringLiteral("a.png")));
    for (const QString &command : commands)
        invoke(editor, command);
    QSignalSpy started(editor.canvasView(), &DLGraphicsView::trackMouseFreeMoveStart);

    editor.child<QAction>("actionAutoDetect")->trigger();
    QCOMPARE(editor.canvasView()->isTrackingMouseFreeMove(), tracks);
    QCOMPARE(started.count(), tracks ? 1 : 0);
}

void TestDLEditor::zoomStep_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");

    const struct
    {
        int from, in, out;
    } steps[] = {
        {10, 100, 10},
        {11, 100, 10},
        {99, 100, 10},
        {100, 200, 10},
        {101, 200, 100},
        {110, 200, 100},
        {111, 200, 100},
        {150, 200, 100},
        {199, 200, 100},
        {200, 300, 100},
        {201, 300, 200},
        {250, 300, 200},
        {399, 400, 300},
        {400, 400, 300},
    };
    for (const auto &step : steps) {
        for (const char *in : {"zoomin_btn", "actionZoom_In"})
            QTest::addRow("%s from %d", in, step.from) << in << step.from << step.in;
        for (const char *out : {"zoomout_btn", "actionZoom_Out"})
            QTest::addRow("%s from %d", out, step.from) << out << step.from << step.out;
    }
    for (const char *fit : {"zoomfit_btn", "actionFit_Size"}) {
        QTest::addRow("%s from 10", fit) << fit << 10 << 100;
        QTest::addRow("%s from 400", fit) << fit << 400 << 100;
    }
}

void TestDLEditor::zoomStep()
{
    QFETCH(QString, command);
    QFETCH(int, from);
    QFETCH(int, to);

    LoadedEditor loaded;
    TestableEditor &editor = loaded.editor;
    slider(editor)->setValue(from);
    QCOMPARE(slider(editor)->value(), from);
    invoke(editor, command);
    QCOMPARE(slider(editor)->value(), to);
    const QTransform transform = editor.canvasView()->transform();
    QCOMPARE(transform.m11(), to / 100.0);
    QCOMPARE(transform.m22(), to / 100.0);
    QCOMPARE(transform.m12(), 0.0);
    QCOMPARE(editor.canvasScene()->scale, to / 100.0);
}

void TestDLEditor::wheelZoom_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QList<int>>("angles");
    QTest::addColumn<int>("to");

    QTest::newRow("one notch up") << 100 << QList<int> {120} << 105;
    QTest::newRow("one notch down") << 100 << QList<int> {-120} << 95;
    QTest::newRow("zero delta zooms out") << 100 << QList<int> {0} << 95;
    QTest::newRow("small positive delta zooms in") << 100 << QList<int> {1} << 105;
    QTest::newRow("three notches up") << 100 << QList<int> {120, 120, 120} << 115;
    QTest::newRow("up then down") << 150 << QList<int> {120, -120} << 150;
    QTest::newRow("stops at 400") << 398 << QList<int> {120} << 400;
    QTest::newRow("stays at 400") << 400 << QList<int> {120, 120} << 400;
    QTest::newRow("stops at 10") << 12 << QList<int> {-120} << 10;
    QTest::newRow("stays at 10") << 10 << QList<int> {-120} << 10;
    QTest::newRow("off a step from the floor") << 10 << QList<int> {120} << 15;
}

void TestDLEditor::wheelZoom()
{
    QFETCH(int, from);
    QFETCH(QList<int>, angles);
    QFETCH(int, to);

    LoadedEditor loaded;
    TestableEditor &editor = loaded.editor;
    slider(editor)->setValue(from);
    for (int angle : angles)
        ctrlWheel(editor.canvasView(), angle);
    QCOMPARE(slider(editor)->value(), to);
    QCOMPARE(editor.canvasView()->transform().m11(), to / 100.0);
}

void TestDLEditor::zoomIgnoredWhileEmpty()
{
    TestableEditor editor;
    QCOMPARE(slider(editor)->value(), 100);
    ctrlWheel(editor.canvasView(), 120);
    emit editor.canvasView()->suoxiao();
    editor.child<QAction>("actionZoom_In")->trigger();
    editor.child<QToolButton>("zoomout_btn")->click();
    QCOMPARE(slider(editor)->value(), 100);
    QCOMPARE(editor.canvasView()->transform(), QTransform());
}

void TestDLEditor::openResetsZoomAndTitle()
{
    QTemporaryDir dir;
    TestableEditor editor;
    QCOMPARE(editor.windowTitle(), QStringLiteral("Dimlet"));
    editor.openFile(writePicture(dir, QStringLiteral("first.png")));
    QCOMPARE(editor.windowTitle(), QStringLiteral("first.png"));
    slider(editor)->setValue(250);
    editor.child<QToolButton>("rect_btn")->click();

    editor.openFile(writePicture(dir, QStringLiteral("second shot.png")));
    QCOMPARE(editor.windowTitle(), QStringLiteral("second shot.png"));
    QCOMPARE(slider(editor)->value(), 100);
    QCOMPARE(editor.canvasView()->transform().m11(), 1.0);
    QVERIFY(editor.child<QToolButton>("rect_btn")->isChecked());
    QCOMPARE(editor.canvasScene()->imagePath, dir.filePath(QStringLiteral("second shot.png")));

    editor.resetDocument();
    QCOMPARE(editor.windowTitle(), QStringLiteral("Dimlet"));
    QVERIFY(editor.canvasScene()->items().isEmpty());
}

void TestDLEditor::keyboardShortcuts()
{
    QTemporaryDir dir;
    TestableEditor editor;
    editor.show();
    QApplication::setActiveWindow(&editor);
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    auto *ruler = editor.child<QToolButton>("ruler_btn");

    QTest::keyClick(&editor, Qt::Key_1);
    QVERIFY(!ruler->isChecked());
    QCOMPARE(editor.canvasScene()->mode, ModeMove);

    editor.openFile(writePicture(dir, QStringLiteral("a.png")));
    QTest::keyClick(&editor, Qt::Key_2);
    QVERIFY(editor.child<QToolButton>("rect_btn")->isChecked());
    QTest::keyClick(&editor, Qt::Key_1);
    QVERIFY(ruler->isChecked());
    QCOMPARE(editor.canvasScene()->toolType, ToolLength);

    // A button's own shortcut clicks it with a short animation, hence the waits.
    QTest::keyClick(&editor, Qt::Key_Equal);
    QTRY_COMPARE(slider(editor)->value(), 200);
    QTest::keyClick(&editor, Qt::Key_Equal, Qt::ControlModifier);
    QCOMPARE(slider(editor)->value(), 300);
    QTest::keyClick(&editor, Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(slider(editor)->value(), 200);
    QTest::keyClick(&editor, Qt::Key_Minus);
    QTRY_COMPARE(slider(editor)->value(), 100);
    slider(editor)->setValue(250);
    QTest::keyClick(&editor, Qt::Key_0);
    QTRY_COMPARE(slider(editor)->value(), 100);
    slider(editor)->setValue(250);
    QTest::keyClick(&editor, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(slider(editor)->value(), 100);

    QTest::keyPress(&editor, Qt::Key_Space);
    QVERIFY(editor.canvasView()->isTrackingMouseFreeMove());
    QTest::keyRelease(editor.canvasView(), Qt::Key_Space);
    QVERIFY(!editor.canvasView()->isTrackingMouseFreeMove());

    QTest::keyClick(&editor, Qt::Key_5);
    QVERIFY(editor.child<QToolButton>("move_btn")->isChecked());
    QTest::keyPress(&editor, Qt::Key_Space);
    QVERIFY(!editor.canvasView()->isTrackingMouseFreeMove());
    QTest::keyRelease(&editor, Qt::Key_Space);
}

void TestDLEditor::droppedFilesOpenTheFirst_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("over the canvas") << "editorView";
    QTest::newRow("over the tool bar") << "myMenubar";
}

void TestDLEditor::droppedFilesOpenTheFirst()
{
    QFETCH(QString, target);

    QTemporaryDir dir;
    TestableEditor editor;
    QWidget *over = editor.child<QWidget>(qPrintable(target));
    if (auto *view = qobject_cast<QAbstractScrollArea *>(over))
        over = view->viewport();
    const QString first = writePicture(dir, QStringLiteral("first.PNG"));
    const QString second = writePicture(dir, QStringLiteral("second.png"));
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(dir.filePath(QStringLiteral("notes.txt"))),
        QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)});

    const QPoint pos = over->rect().center();
    QDragEnterEvent enter(pos, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(over, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(pos, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(over, &drop);
    QVERIFY(drop.isAccepted());

    QCOMPARE(editor.windowTitle(), QStringLiteral("first.PNG"));
    QCOMPARE(editor.canvasScene()->imagePath, first);
    QVERIFY(slider(editor)->isEnabled());
}

void TestDLEditor::fileOpenRequestOpensLocalFile()
{
    QTemporaryDir dir;
    TestableEditor editor;
    const QString path = writePicture(dir, QStringLiteral("requested.png"));
    editor.handleAppOpenURL(QUrl::fromLocalFile(path));
    QCOMPARE(editor.windowTitle(), QStringLiteral("requested.png"));
    QCOMPARE(editor.canvasScene()->imagePath, path);
}

DIMLET_TEST_MAIN(TestDLEditor)
#include "tst_dleditor.moc"
