#include "testsupport.h"

#include "canvas/dlgraphicsscene.h"
#include "canvas/dlgraphicsview.h"
#include "documentfixtures.h"
#include "editor/dldocument.h"
#include "editor/dleditor.h"
#include "editor/editorfileflows.h"
#include "marks/dlgraphicsitem.h"
#include "settings/helpers.h"

#include <QAction>
#include <QCloseEvent>
#include <QImageReader>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

namespace {
// The editor with its file dialogs and its note answered, so no test waits for a human:
// the save dialog takes its answers from a list, then is cancelled like the open dialog.
class TestableEditor : public DLEditor
{
public:
    QStringList saveAnswers;
    int saveDialogs = 0;
    int savedNotes = 0;

    TestableEditor() { replaceFileFlows(std::make_unique<AnsweredFileFlows>(this)); }

private:
    class AnsweredFileFlows : public EditorFileFlows
    {
    public:
        explicit AnsweredFileFlows(TestableEditor *editor)
            : EditorFileFlows(editor)
            , editor(editor)
        {
        }

    protected:
        QString askOpenFileName(const QString &) override { return QString(); }
        QString askSaveFileName() override
        {
            ++editor->saveDialogs;
            return editor->saveAnswers.isEmpty() ? QString() : editor->saveAnswers.takeFirst();
        }
        void showSavedNote() override { ++editor->savedNotes; }

    private:
        TestableEditor *editor;
    };
};

} // namespace

// Pictures and saved files live in separate folders, so a test sees exactly what a save wrote.
class TestDLEditor : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> pictures;
    std::unique_ptr<QTemporaryDir> out;
    std::unique_ptr<TestableEditor> editor;

    DLGraphicsScene *scene() const { return editor->canvasScene(); }
    QSlider *slider() const { return editor->findChild<QSlider *>("zoom_slider"); }
    QString openPicture(const QString &name = "shot.png", QSize size = {64, 48})
    {
        writeFile(pictures->filePath(name), pictureBytes("png", size));
        editor->openFile(pictures->filePath(name));
        return pictures->filePath(name);
    }
    // A rectangle mark placed the way a press on the canvas places one.
    QGraphicsItem *addMark()
    {
        DLGraphicsItem *mark = DLGraphicsItem::createDefault(MarkRect, QPointF(5, 5));
        mark->setZValue(1);
        mark->setOrderNumber(1);
        scene()->addItem(mark);
        return mark;
    }
    // "open" opens a picture, "slider=N" sets the zoom slider, "wheel up" and "wheel down"
    // turn the wheel over the canvas with Ctrl held; any other name clicks the button or
    // triggers the action of that name.
    void run(const QString &command)
    {
        QWidget *viewport = editor->canvasView()->viewport();
        const QPointF at(viewport->rect().center());
        if (command == "open") {
            openPicture();
        } else if (command.startsWith("slider=")) {
            slider()->setValue(command.section('=', 1).toInt());
        } else if (command.startsWith("wheel")) {
            QWheelEvent wheel(at, viewport->mapToGlobal(at.toPoint()), QPoint(),
                QPoint(0, command.endsWith("up") ? 120 : -120), Qt::NoButton, Qt::ControlModifier,
                Qt::NoScrollPhase, false);
            QApplication::sendEvent(viewport, &wheel);
        } else if (auto *action = editor->findChild<QAction *>(command)) {
            action->trigger();
        } else {
            editor->findChild<QToolButton *>(command)->click();
        }
    }
    bool sendClose()
    {
        QCloseEvent event;
        QApplication::sendEvent(editor.get(), &event);
        return event.isAccepted();
    }

private slots:
    void init()
    {
        pictures = std::make_unique<QTemporaryDir>();
        out = std::make_unique<QTemporaryDir>();
        editor = std::make_unique<TestableEditor>();
    }
    void cleanup()
    {
        editor.reset();
        setScreenSizeProvider(nullptr);
    }

    // The state after the commands, as "key=value" for the keys the row names: checked tool
    // buttons (x), scene mode and tool, view drag mode, zoom slider, view scale and whether
    // the view tracks the pointer for Auto Detect.
    void commands_data()
    {
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QString>("state");
        const auto row
            = [](const QString &name, const QStringList &commands, const QString &state) {
                  QTest::newRow(qPrintable(name)) << commands << state;
              };
        const QString length = "buttons=x---- mode=1 tool=0 drag=0 tracks=1";
        row("Length action after Rect", {"open", "rect_btn", "actionLength", "actionAutoDetect"},
            length);
        row("checked Length clicked again", {"open", "ruler_btn", "ruler_btn", "actionAutoDetect"},
            length);
        row("checked Move clicked again",
            {"open", "actionMove_Edit", "move_btn", "actionAutoDetect"},
            "buttons=----x mode=0 drag=1 tracks=0");
        row("Move action ends Auto Detect",
            {"open", "ruler_btn", "actionAutoDetect", "actionMove_Edit"}, "buttons=----x tracks=0");
        row("Rect tool ends Auto Detect", {"open", "ruler_btn", "actionAutoDetect", "rect_btn"},
            "buttons=-x--- tracks=0");
        const struct
        {
            int from, in, out;
        } steps[]
            = {{10, 100, 10}, {99, 100, 10}, {100, 200, 10}, {101, 200, 100}, {400, 400, 300}};
        for (const auto &s : steps) {
            const QStringList from {"open", QString("slider=%1").arg(s.from)};
            row(QString("in from %1").arg(s.from), from + QStringList {"zoomin_btn"},
                QString("zoom=%1 scale=%2").arg(s.in).arg(s.in / 100.0));
            row(QString("out from %1").arg(s.from), from + QStringList {"actionZoom_Out"},
                QString("zoom=%1 scale=%2").arg(s.out).arg(s.out / 100.0));
        }
        row("fit from 400", {"open", "slider=400", "actionFit_Size"}, "zoom=100 scale=1");
        row("wheel up stops at 400", {"open", "slider=398", "wheel up"}, "zoom=400 scale=4");
        row("wheel down stops at 10", {"open", "slider=12", "wheel down"}, "zoom=10 scale=0.1");
        row("empty window ignores wheel and zoom", {"wheel up", "actionZoom_In", "zoomout_btn"},
            "zoom=100 scale=1");
    }

    void commands()
    {
        QFETCH(QStringList, commands);
        QFETCH(QString, state);
        for (const QString &command : commands)
            run(command);
        QString buttons;
        for (const char *name :
            {"ruler_btn", "rect_btn", "colorpick_btn", "comment_btn", "move_btn"})
            buttons += editor->findChild<QToolButton *>(name)->isChecked() ? 'x' : '-';
        const QTransform t = editor->canvasView()->transform();
        const QHash<QString, QString> now {{"buttons", buttons},
            {"mode", QString::number(scene()->mode())},
            {"tool", QString::number(scene()->toolType())},
            {"drag", QString::number(editor->canvasView()->dragMode())},
            {"zoom", QString::number(slider()->value())},
            {"scale",
                t == QTransform::fromScale(t.m11(), t.m11()) ? QString::number(t.m11()) : "skewed"},
            {"tracks", QString::number(editor->canvasView()->isTrackingMouseFreeMove())}};
        QStringList seen;
        for (const QString &pair : state.split(' '))
            seen << pair.section('=', 0, 0) + '=' + now.value(pair.section('=', 0, 0));
        QCOMPARE(seen.join(' '), state);
    }

    // A picture is open; the second file is opened over it.
    void openOver_data()
    {
        QTest::addColumn<bool>("withMark");
        QTest::addColumn<QString>("second");
        QTest::newRow("no marks, no question") << false << "second.png";
        QTest::newRow("marks, No keeps everything") << true << "second.png";
        QTest::newRow("plan.dld opens as a document") << false << "plan.dld";
        QTest::newRow("plan.DLD opens as a picture") << false << "plan.DLD";
    }

    void openOver()
    {
        QFETCH(bool, withMark);
        QFETCH(QString, second);
        const QString first = openPicture("first.png");
        QGraphicsItem *mark = withMark ? addMark() : nullptr;
        slider()->setValue(250);
        const QString path = pictures->filePath(second);
        QVERIFY(writeFile(path,
            second.startsWith("plan") ? documentBytes(documentObject("inside.png"))
                                      : pictureBytes("png")));
        PromptRecorder prompts(QMessageBox::No);
        editor->openFile(path);

        QCOMPARE(
            prompts.texts(), withMark ? QStringList {"Replace current document?"} : QStringList());
        if (withMark)
            QCOMPARE(prompts.prompts().first().defaultButton, QMessageBox::NoButton);
        const bool document = !withMark && path.endsWith(".dld");
        QCOMPARE(editor->windowTitle(), withMark ? "first.png" : document ? path : second);
        QCOMPARE(scene()->imagePath(),
            withMark       ? first
                : document ? joinPath(tempDirPath(), "inside.png")
                           : path);
        QCOMPARE(scene()->nextZValue(), document ? 3.0 : 0.0);
        QCOMPARE(scene()->items().contains(mark), withMark);
        QCOMPARE(slider()->value(), withMark ? 250 : 100);
    }

    // After Yes to the replace question a document that cannot be read leaves the empty
    // window, from which Save writes nothing.
    void failedRead()
    {
        const QByteArray bytes = block(pictureBytes("png")) + block("no json");
        const QString path = pictures->filePath("broken.dld");
        QVERIFY(writeFile(path, bytes));
        openPicture();
        addMark();
        PromptRecorder prompts(QMessageBox::Yes);
        editor->openFile(path);
        QVERIFY(QMetaObject::invokeMethod(editor.get(), "on_actionSave_triggered"));
        QCOMPARE(prompts.texts(),
            QStringList(
                {"Replace current document?", "Could not parse image data. Open Failed. :("}));
        QCOMPARE(editor->windowTitle(), QStringLiteral("Dimlet"));
        QVERIFY(scene()->imagePath().isEmpty() && !scene()->hasMarks());
        QVERIFY(editor->findChild<QToolButton *>("move_btn")->isHidden());
        QCOMPARE(editor->saveDialogs, 0);
        QCOMPARE(fileBytes(path), bytes);
    }

    // 1251 * 0.8 = 1000.8 -> 1001, 201 * 0.5 = 100.5 -> 101 + 10; 1001 * 0.8 = 800.8 -> 801.
    // A 1 MB comment with a line feed every 80 characters; the window keeps answering.
    void longCommentAnswers()
    {
        QString text;
        for (int i = 0; text.size() < 1000000; ++i)
            text += i % 80 == 79 ? QChar('\n') : QChar('a' + i % 26);
        const QJsonObject mark {{"idx", 0}, {"maxw", -1}, {"text", text}, {"type", 3}, {"x1", 5},
            {"y1", 5}, {"x2", 40}, {"y2", 30}};
        const QString path = pictures->filePath("long.dld");
        QVERIFY(writeFile(path, documentBytes(documentObject("long.png", {mark}))));
        editor->show();
        editor->openFile(path);
        bool answered = false;
        QTimer::singleShot(0, [&] { answered = true; });
        QTest::keyClick(editor->canvasView(), Qt::Key_Right);
        QTRY_VERIFY_WITH_TIMEOUT(answered, 20000);
        QCOMPARE(scene()->marks().size(), 1);
    }

    void windowGrowsForPictureLargerThanScreen()
    {
        setScreenSizeProvider([] { return QSize(1251, 1001); });
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
        const QRect before = editor->geometry();
        QCOMPARE(before.size(), QSize(800, 600));
        openPicture("big.png", {2000, 1200});
        QTRY_COMPARE(editor->geometry(), before.marginsAdded(QMargins(111, 111, 111, 111)));
    }

    // An empty format is a document; an existing file brings up "File Existed. Replace?",
    // answered like the close question afterwards.
    void saveAs_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("existing");
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QByteArray>("format");
        const auto row = [](const char *name, const char *chosen, const char *result,
                             const char *format, const char *existing = "", bool yes = false) {
            QTest::newRow(name) << chosen << existing << yes << result << QByteArray(format);
        };
        row("bare name gets the document suffix", "plan", "plan.dld", "");
        row("document suffix kept", "plan.dld", "plan.dld", "");
        row("upper-case image suffix is a document", "shot.PNG", "shot.PNG.dld", "");
        row("jpeg exports", "shot.jpeg", "shot.jpeg", "jpeg");
        row("jpg exports", "shot.jpg", "shot.jpg", "jpeg");
        row("cancelled", "", "", "");
        row("document there, No writes nothing", "plan", "", "", "plan.dld");
        row("export there, Yes replaces", "a.bmp", "a.bmp", "bmp", "a.bmp", true);
    }

    void saveAs()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, existing);
        QFETCH(bool, answerYes);
        QFETCH(QString, result);
        QFETCH(QByteArray, format);
        const QString picture = openPicture("shot.png", {61, 37});
        scene()->setModified(true);
        if (!existing.isEmpty())
            QVERIFY(writeFile(out->filePath(existing), "older"));
        if (!chosen.isEmpty())
            editor->saveAnswers << out->filePath(chosen);
        PromptRecorder prompts(answerYes ? QMessageBox::Yes : QMessageBox::No);
        run("actionSave_As");

        QCOMPARE(prompts.texts(),
            existing.isEmpty() ? QStringList() : QStringList {"File Existed. Replace?"});
        QStringList files = QStringList {result, existing}.filter(QRegExp(".+"));
        files.removeDuplicates();
        files.sort();
        QCOMPARE(filesBelow(out->path()), files);
        if (existing != result && !existing.isEmpty())
            QCOMPARE(fileBytes(out->filePath(existing)), QByteArray("older"));
        QCOMPARE(editor->savedNotes, int(!result.isEmpty()));
        const bool document = !result.isEmpty() && format.isEmpty();
        if (document) {
            QTemporaryDir extracted;
            const DocumentReadResult back
                = readDocumentFile(out->filePath(result), extracted.path());
            QCOMPARE(fileBytes(back.picturePath), fileBytes(picture));
        } else if (!result.isEmpty()) {
            QCOMPARE(QImageReader(out->filePath(result)).format(), format);
            QCOMPARE(QImageReader(out->filePath(result)).size(), QSize(61, 37));
        }
        QCOMPARE(editor->windowTitle(), document ? out->filePath(result) : "shot.png");
        QCOMPARE(scene()->isModified(), !document);

        // Only a document save makes Save write without asking.
        const int dialogs = editor->saveDialogs;
        run("actionSave");
        QCOMPARE(editor->saveDialogs, dialogs + (document ? 0 : 1));

        // Closing asks while changes are unsaved, again after a refusal; only Yes closes.
        prompts.clear();
        QCOMPARE(sendClose(), document || answerYes);
        QCOMPARE(sendClose(), document || answerYes);
        QCOMPARE(prompts.texts(),
            QVector<QString>(document ? 0 : 2 - answerYes, "discard all change?").toList());
        if (!document)
            QCOMPARE(prompts.prompts().first().defaultButton, QMessageBox::Yes);
    }
};

DIMLET_TEST_MAIN(TestDLEditor)
#include "tst_dleditor.moc"
