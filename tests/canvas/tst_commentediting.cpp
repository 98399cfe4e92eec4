#include "testsupport.h"

#include "canvas/dlgraphicsscene.h"
#include "canvas/dlgraphicstextitem.h"
#include "canvas/scenemouse.h"
#include "editor/testableeditor.h"
#include "marks/dlgraphicscommentsitem.h"
#include "marks/dlgraphicsitem.h"
#include "marks/dlgraphicsitemrenderer.h"

#include <QAction>
#include <QSignalSpy>
#include <QTextCursor>

#include <memory>

namespace {
QList<DLGraphicsItem *> marksOf(const QGraphicsScene &scene)
{
    QList<DLGraphicsItem *> marks;
    const QList<QGraphicsItem *> all = scene.items(Qt::AscendingOrder);
    for (QGraphicsItem *item : all) {
        if (isMarkItemType(item->type()))
            marks << static_cast<DLGraphicsItem *>(item);
    }
    return marks;
}

int editorCount(const QGraphicsScene &scene)
{
    int count = 0;
    const QList<QGraphicsItem *> all = scene.items();
    for (QGraphicsItem *item : all)
        count += item->type() == 75622 ? 1 : 0;
    return count;
}

void activate(QGraphicsScene &scene)
{
    QEvent event(QEvent::WindowActivate);
    QApplication::sendEvent(&scene, &event);
}

void runDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void typeText(QGraphicsScene &scene, const QString &text)
{
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(&scene, &press);
    }
}

void pressKey(QGraphicsScene &scene, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&scene, &press);
}

// A scene as the canvas shows it: active, comment tool, mark mode.
struct CommentScene
{
    CommentScene()
    {
        scene.setSceneRect(-100, -100, 800, 600);
        scene.setMode(ModeMark);
        scene.setToolType(ToolComment);
        activate(scene);
    }

    DLGraphicsItem *draw(QPointF from, QPointF to)
    {
        mouse.press(from);
        mouse.move(to);
        mouse.release(to);
        return scene.findMarkByOrder(int(scene.nextZValue) - 1);
    }

    DLGraphicsScene scene;
    SceneMouse mouse {&scene};
    QSignalSpy editState {&scene, &DLGraphicsScene::textEditStateChanged};
};

MarkRecord *commentRecord(double idx, QPointF p1, QPointF p2, const QString &text, double width)
{
    auto *record = new MarkRecord;
    record->type = MarkComments;
    record->idx = idx;
    record->point1 = p1;
    record->point2 = p2;
    record->text = text;
    record->maxw = width;
    return record;
}

QList<bool> states(const QSignalSpy &spy)
{
    QList<bool> list;
    for (const QList<QVariant> &call : spy)
        list << call.at(0).toBool();
    return list;
}
} // namespace

class TestCommentEditing : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void newCommentOpensEditor_data();
    void newCommentOpensEditor();
    void editEnds_data();
    void editEnds();
    void emptiedTextBecomesBlank();
    void unchangedTextStillRecords();
    void pressOnEditorKeepsEditing();
    void hasMarksWhileEditing();
    void secondBeginLeavesOneEditor();
    void restoredCommentOpensNoEditor_data();
    void restoredCommentOpensNoEditor();
    void doubleClickEditsAgain();
    void removingEditedCommentDropsEditor();
    void clearingCanvasEndsEditing();
    void finishEditAction();
};

void TestCommentEditing::initTestCase()
{
    DLGraphicsItemRenderer::setMarkColor(0xFFFF0000);
    DLGraphicsItemRenderer::setLabelFont(QFont(QStringLiteral("Arial"), 12));
}

void TestCommentEditing::newCommentOpensEditor_data()
{
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<QPointF>("end");

    QTest::newRow("placed by a drag") << QPointF(140, 120) << QPointF(140, 120);
    QTest::newRow("placed by a click") << QPointF(100, 100) << QPointF(100, 100);
    QTest::newRow("box left of the anchor") << QPointF(40.5, 130.5) << QPointF(40, 130);
}

void TestCommentEditing::newCommentOpensEditor()
{
    QFETCH(QPointF, to);
    QFETCH(QPointF, end);

    CommentScene s;
    DLGraphicsItem *mark = s.draw(QPointF(100, 100), to);
    QVERIFY(mark);
    QPointF second;
    mark->points(nullptr, &second);
    QCOMPARE(second, end);

    DLGraphicsTextItem *editor = s.scene.textEditor;
    QVERIFY(editor);
    QCOMPARE(editor->type(), 75622);
    QCOMPARE(editor->related, mark);
    QCOMPARE(editor->toPlainText(), QStringLiteral("Comments"));
    QCOMPARE(editor->textCursor().selectedText(), QStringLiteral("Comments"));
    QVERIFY(editor->hasFocus());
    QCOMPARE(editor->textInteractionFlags(), Qt::TextEditorInteraction);
    QCOMPARE(editor->pos(), mark->labelSceneRect().topLeft());
    QCOMPARE(editor->zValue(), 10000.0);
    QCOMPARE(editor->textWidth(), mark->maxWidth());
    QCOMPARE(editor->font(), DLGraphicsItemRenderer::labelFont());
    QCOMPARE(editor->defaultTextColor(), QColor(0xFFFF0000));
    QCOMPARE(states(s.editState), QList<bool> {true});
    // The creation was recorded before the edit began.
    QCOMPARE(s.scene.undoStack.count(), 1);
    QVERIFY(!static_cast<DLGraphicsCommentsItem *>(mark)->editOnRelease());

    typeText(s.scene, QStringLiteral("Hello"));
    QCOMPARE(editor->toPlainText(), QStringLiteral("Hello"));
}

void TestCommentEditing::editEnds_data()
{
    QTest::addColumn<QString>("how");

    QTest::newRow("Finish Edit") << "finish";
    QTest::newRow("a press elsewhere on the canvas") << "press";
    QTest::newRow("switching to move mode") << "move mode";
    QTest::newRow("the canvas losing the keyboard focus") << "focus out";
    QTest::newRow("Finish Edit in a window that was never active") << "inactive";
}

void TestCommentEditing::editEnds()
{
    QFETCH(QString, how);

    CommentScene s;
    if (how == QLatin1String("inactive")) {
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(&s.scene, &deactivate);
    }
    DLGraphicsItem *mark = s.draw(QPointF(100, 100), QPointF(140, 120));
    QVERIFY(mark && s.scene.textEditor);
    const QPointer<DLGraphicsTextItem> editor = s.scene.textEditor;
    QCOMPARE(editor->hasFocus(), how != QLatin1String("inactive"));
    typeText(s.scene, QStringLiteral("Door"));
    if (how == QLatin1String("inactive"))
        editor->setPlainText(QStringLiteral("Door"));
    pressKey(s.scene, Qt::Key_Return);
    if (how == QLatin1String("inactive"))
        editor->setPlainText(QStringLiteral("Door\n"));
    typeText(s.scene, QStringLiteral("2 m"));
    if (how == QLatin1String("inactive"))
        editor->setPlainText(QStringLiteral("Door\n2 m"));
    s.scene.modified = false;

    if (how == QLatin1String("press"))
        s.mouse.click(QPointF(400, 300));
    else if (how == QLatin1String("move mode"))
        s.scene.finishEditingAndDeselect();
    else if (how == QLatin1String("focus out")) {
        QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(&s.scene, &out);
    } else
        s.scene.makeEditorFinishEditing();

    QVERIFY(!s.scene.textEditor);
    QCOMPARE(mark->text(), QStringLiteral("Door\n2 m"));
    QCOMPARE(states(s.editState), (QList<bool> {true, false}));
    QVERIFY(s.scene.modified);
    QCOMPARE(s.scene.undoStack.count(), 2);
    // The press that ended the edit made no mark of its own.
    QCOMPARE(marksOf(s.scene).size(), 1);
    runDeferredDeletes();
    QVERIFY(!editor);
    QCOMPARE(editorCount(s.scene), 0);

    // The comment shows both lines now.
    const QRect box = mark->labelSceneRect().toRect();
    const int lineHeight = QFontMetrics(DLGraphicsItemRenderer::labelFont())
                               .boundingRect(QStringLiteral("D"))
                               .height();
    QVERIFY(box.height() > lineHeight * 3 / 2);

    s.scene.undo();
    QCOMPARE(mark->text(), QStringLiteral("Comments"));
    s.scene.redo();
    QCOMPARE(mark->text(), QStringLiteral("Door\n2 m"));
}

void TestCommentEditing::emptiedTextBecomesBlank()
{
    CommentScene s;
    DLGraphicsItem *mark = s.draw(QPointF(100, 100), QPointF(140, 120));
    QVERIFY(s.scene.textEditor);
    pressKey(s.scene, Qt::Key_Delete);
    QCOMPARE(s.scene.textEditor->toPlainText(), QString());
    s.mouse.click(QPointF(400, 300));
    QCOMPARE(mark->text(), QStringLiteral(" "));
    QCOMPARE(marksOf(s.scene).size(), 1);
    s.scene.undo();
    QCOMPARE(mark->text(), QStringLiteral("Comments"));
}

void TestCommentEditing::unchangedTextStillRecords()
{
    CommentScene s;
    DLGraphicsItem *mark = s.draw(QPointF(100, 100), QPointF(140, 120));
    s.scene.modified = false;
    s.scene.makeEditorFinishEditing();
    QCOMPARE(mark->text(), QStringLiteral("Comments"));
    QCOMPARE(s.scene.undoStack.count(), 2);
    QVERIFY(s.scene.modified);
}

void TestCommentEditing::pressOnEditorKeepsEditing()
{
    CommentScene s;
    s.draw(QPointF(100, 100), QPointF(140, 120));
    DLGraphicsTextItem *editor = s.scene.textEditor;
    QVERIFY(editor);
    s.mouse.click(editor->sceneBoundingRect().center());
    QCOMPARE(s.scene.textEditor, editor);
    QVERIFY(editor->hasFocus());
    QCOMPARE(marksOf(s.scene).size(), 1);
    QCOMPARE(s.scene.undoStack.count(), 1);
}

void TestCommentEditing::hasMarksWhileEditing()
{
    DLGraphicsScene scene;
    activate(scene);
    std::unique_ptr<DLGraphicsItem> outside(DLGraphicsItem::createDefault(MarkComments, {10, 10}));
    QVERIFY(!scene.hasMarks());
    scene.beginCommentEditing(QStringLiteral("note"), outside.get());
    QVERIFY(scene.hasMarks());
    QVERIFY(marksOf(scene).isEmpty());
    scene.makeEditorFinishEditing();
    runDeferredDeletes();
    QVERIFY(!scene.hasMarks());
}

void TestCommentEditing::secondBeginLeavesOneEditor()
{
    CommentScene s;
    DLGraphicsItem *first = s.draw(QPointF(100, 100), QPointF(140, 120));
    s.scene.makeEditorFinishEditing();
    DLGraphicsItem *second = s.draw(QPointF(100, 300), QPointF(140, 320));
    QVERIFY(first && second && s.scene.textEditor);
    const int recorded = s.scene.undoStack.count();
    const QString firstText = first->text();

    s.scene.beginCommentEditing(first->text(), first);
    runDeferredDeletes();
    QCOMPARE(editorCount(s.scene), 1);
    QCOMPARE(s.scene.textEditor->related, first);
    QVERIFY(s.scene.textEditor->hasFocus());
    // The dropped editor wrote nothing back.
    QCOMPARE(second->text(), QStringLiteral("Comments"));
    QCOMPARE(s.scene.undoStack.count(), recorded);

    typeText(s.scene, QStringLiteral("A"));
    s.scene.makeEditorFinishEditing();
    QCOMPARE(first->text(), QStringLiteral("A"));
    QCOMPARE(second->text(), QStringLiteral("Comments"));
    QCOMPARE(states(s.editState).last(), false);
    QVERIFY(!s.scene.textEditor);
}

void TestCommentEditing::restoredCommentOpensNoEditor_data()
{
    QTest::addColumn<bool>("byUndo");
    QTest::newRow("from a document") << false;
    QTest::newRow("brought back by undo") << true;
}

void TestCommentEditing::restoredCommentOpensNoEditor()
{
    QFETCH(bool, byUndo);

    CommentScene s;
    QTemporaryDir dir;
    MarkRecordList records;
    records << commentRecord(0, {100, 100}, {140, 120}, QStringLiteral("kept"), 60);
    s.scene.loadDocument(records, writePicture(dir, QStringLiteral("shot.png")), 1.0);
    clearMarkRecords(records);
    DLGraphicsItem *mark = s.scene.findMarkByOrder(0);
    QVERIFY(mark);
    if (byUndo) {
        mark->setSelected(true);
        s.scene.deleteSelectedMarks();
        QVERIFY(!s.scene.findMarkByOrder(0));
        s.scene.undo();
        mark = s.scene.findMarkByOrder(0);
        QVERIFY(mark);
    } else {
        QCOMPARE(mark->maxWidth(), 60.0);
    }

    const QPointF grab = mark->labelSceneRect().center();
    s.mouse.drag(grab, grab + QPointF(10, 5));
    QVERIFY(!s.scene.textEditor);
    QVERIFY(s.editState.isEmpty());
    QCOMPARE(mark->pos(), QPointF(110, 105));
    QCOMPARE(mark->text(), QStringLiteral("kept"));
}

void TestCommentEditing::doubleClickEditsAgain()
{
    CommentScene s;
    DLGraphicsItem *mark = s.draw(QPointF(100, 100), QPointF(140, 120));
    typeText(s.scene, QStringLiteral("Edited"));
    s.scene.makeEditorFinishEditing();
    runDeferredDeletes();

    QGraphicsSceneMouseEvent doubleClick(QEvent::GraphicsSceneMouseDoubleClick);
    doubleClick.setScenePos(mark->labelSceneRect().center());
    doubleClick.setButton(Qt::LeftButton);
    doubleClick.setButtons(Qt::LeftButton);
    QApplication::sendEvent(&s.scene, &doubleClick);
    QVERIFY(s.scene.textEditor);
    QCOMPARE(s.scene.textEditor->related, mark);
    QCOMPARE(s.scene.textEditor->toPlainText(), QStringLiteral("Edited"));
    QCOMPARE(s.scene.textEditor->textCursor().selectedText(), QStringLiteral("Edited"));
}

void TestCommentEditing::removingEditedCommentDropsEditor()
{
    CommentScene s;
    DLGraphicsItem *mark = s.draw(QPointF(100, 100), QPointF(140, 120));
    QVERIFY(s.scene.textEditor);
    const int recorded = s.scene.undoStack.count();
    s.scene.removeMarkByOrder(mark->orderNumber());
    QVERIFY(!s.scene.textEditor);
    QCOMPARE(states(s.editState), (QList<bool> {true, false}));
    runDeferredDeletes();
    QCOMPARE(editorCount(s.scene), 0);
    QCOMPARE(s.scene.undoStack.count(), recorded);
}

void TestCommentEditing::clearingCanvasEndsEditing()
{
    CommentScene s;
    s.draw(QPointF(100, 100), QPointF(140, 120));
    QVERIFY(s.scene.textEditor);
    s.scene.clearCanvas();
    QVERIFY(!s.scene.textEditor);
    QCOMPARE(states(s.editState), (QList<bool> {true, false}));
    QVERIFY(!s.scene.hasMarks());
    QCOMPARE(s.scene.undoStack.count(), 1);
}

void TestCommentEditing::finishEditAction()
{
    QTemporaryDir dir;
    TestableEditor editor;
    editor.openFile(writePicture(dir, QStringLiteral("shot.png")));
    DLGraphicsScene *scene = editor.canvasScene();
    activate(*scene);
    editor.child<QAction>("actionComment")->trigger();
    auto *finish = editor.child<QAction>("actionFinish_Edit");
    QVERIFY(!finish->isEnabled());

    SceneMouse mouse(scene);
    mouse.drag(QPointF(50, 50), QPointF(90, 70));
    QVERIFY(scene->textEditor);
    QVERIFY(finish->isEnabled());
    DLGraphicsItem *mark = scene->textEditor->related;
    typeText(*scene, QStringLiteral("Title"));

    finish->trigger();
    QVERIFY(!scene->textEditor);
    QVERIFY(!finish->isEnabled());
    QCOMPARE(mark->text(), QStringLiteral("Title"));
    editor.child<QAction>("actionUndo")->trigger();
    QCOMPARE(mark->text(), QStringLiteral("Comments"));
}

DIMLET_TEST_MAIN(TestCommentEditing)
#include "tst_commentediting.moc"
