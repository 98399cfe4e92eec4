#include "testsupport.h"

#include "canvas/dlgraphicsscene.h"
#include "canvas/dlgraphicstextitem.h"
#include "marks/dlgraphicsitem.h"
#include "marks/dlgraphicsitemrenderer.h"
#include "scenemouse.h"

#include <QSignalSpy>
#include <QTextCursor>

namespace {
// Typed into the scene as key presses; a line feed is Return, 0x7f is Delete.
void type(QGraphicsScene &scene, const QString &text)
{
    for (const QChar ch : text) {
        const int key = ch == '\n' ? Qt::Key_Return : ch == '\x7f' ? Qt::Key_Delete : 0;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key ? QString() : QString(ch));
        QApplication::sendEvent(&scene, &press);
    }
}

int editorCount(const QGraphicsScene &scene)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int count = 0;
    for (QGraphicsItem *item : scene.items())
        count += item->type() == 75622;
    return count;
}

// The canvas of an active window with the comment tool in mark mode.
struct CommentScene
{
    DLGraphicsScene scene;
    SceneMouse mouse {&scene};
    QSignalSpy states {&scene, &DLGraphicsScene::textEditStateChanged};
    CommentScene()
    {
        scene.setSceneRect(-100, -100, 800, 600);
        scene.setMode(ModeMark);
        scene.setToolType(ToolComment);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&scene, &activate);
        DLGraphicsItemRenderer::setMarkColor(0xFFFF0000);
    }
    DLGraphicsItem *place(QPointF at)
    {
        mouse.click(at);
        return scene.findMarkByOrder(int(scene.nextZValue) - 1);
    }
    QVariantList editStates() const
    {
        QVariantList list;
        for (const QList<QVariant> &call : states)
            list << call.first();
        return list;
    }
};
} // namespace

class TestCommentEditing : public QObject
{
    Q_OBJECT

private slots:
    void editEnds_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        const QString twoLines = QStringLiteral("Door\n2 m");
        QTest::newRow("Finish Edit") << "finish" << twoLines << twoLines;
        QTest::newRow("a press elsewhere, which makes no mark") << "press" << twoLines << twoLines;
        QTest::newRow("switching to move mode") << "move mode" << twoLines << twoLines;
        QTest::newRow("losing the keyboard focus") << "focus" << twoLines << twoLines;
        QTest::newRow("emptied text becomes one blank") << "press"
                                                        << "\x7f"
                                                        << " ";
        QTest::newRow("unchanged text still records") << "finish"
                                                      << ""
                                                      << "Comments";
    }

    void editEnds()
    {
        QFETCH(QString, how);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        CommentScene s;
        DLGraphicsItem *mark = s.place({100, 100});
        DLGraphicsTextItem *editor = s.scene.textEditor;
        QVERIFY(mark && editor && editor->hasFocus());
        QCOMPARE(editor->related, mark);
        QCOMPARE(editor->textCursor().selectedText(), QStringLiteral("Comments"));
        QCOMPARE(editor->pos(), mark->labelSceneRect().topLeft());
        QCOMPARE(editor->textWidth(), mark->maxWidth());
        QCOMPARE(editor->defaultTextColor(), QColor(0xFFFF0000));
        QCOMPARE(s.editStates(), QVariantList {true});
        QCOMPARE(s.scene.undoStack.count(), 1); // the creation, recorded before the edit
        QVERIFY(s.scene.hasMarks());
        type(s.scene, typed);
        if (how == QLatin1String("press")) {
            s.mouse.click({400, 300});
        } else if (how == QLatin1String("move mode")) {
            s.scene.finishEditingAndDeselect();
        } else if (how == QLatin1String("focus")) {
            QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
            QApplication::sendEvent(&s.scene, &out);
        } else {
            s.scene.makeEditorFinishEditing();
        }
        QVERIFY(!s.scene.textEditor);
        QCOMPARE(editorCount(s.scene), 0);
        QCOMPARE(mark->text(), text);
        QCOMPARE(s.editStates(), (QVariantList {true, false}));
        QVERIFY(s.scene.modified);
        QCOMPARE(s.scene.undoStack.count(), 2);
        QCOMPARE(s.scene.findMarkByOrder(1), nullptr);
        s.scene.undo();
        QCOMPARE(mark->text(), QStringLiteral("Comments"));
        s.scene.redo();
        QCOMPARE(mark->text(), text);
    }
};

DIMLET_TEST_MAIN(TestCommentEditing)
#include "tst_commentediting.moc"
