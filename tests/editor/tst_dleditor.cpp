#include "testsupport.h"

#include "canvas/dlgraphicsscene.h"
#include "canvas/dlgraphicsview.h"
#include "documentfixtures.h"
#include "editor/dleditor.h"
#include "editor/editorfileflows.h"
#include "marks/dlgraphicsitem.h"
#include "marks/marktest.h"
#include "settings/helpers.h"

#include <QAction>
#include <QCloseEvent>
#include <QImageReader>
#include <QSlider>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWheelEvent>
#include <array>

namespace {
// File dialogs answered so no test waits for a human: open is cancelled, save takes its
// answers from a list and then is cancelled.
struct AnsweredFileFlows : EditorFileFlows
{
    using EditorFileFlows::EditorFileFlows;
    QStringList saveAnswers;
    int saveDialogs = 0;
    int savedNotes = 0;
    QString askOpenFileName(const QString &) override { return {}; }
    QString askSaveFileName() override
    {
        ++saveDialogs;
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }
    void showSavedNote() override { ++savedNotes; }
};

struct TestableEditor : DLEditor
{
    AnsweredFileFlows *flows = new AnsweredFileFlows(this);
    TestableEditor() { replaceFileFlows(std::unique_ptr<EditorFileFlows>(flows)); }
};
} // namespace

// Pictures and saved files live in separate folders, so a test sees exactly what a save wrote.
class TestDLEditor : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> pictures, out;
    std::unique_ptr<TestableEditor> editor;
    AnsweredFileFlows *flows = nullptr;

    DLGraphicsScene *scene() const { return editor->canvasScene(); }
    QSlider *slider() const { return editor->findChild<QSlider *>("zoom_slider"); }
    QString openPicture(const QString &name = "shot.png", QSize size = {64, 48})
    {
        writeFile(pictures->filePath(name), pictureBytes("png", size));
        editor->openFile(pictures->filePath(name));
        return pictures->filePath(name);
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
        flows = editor->flows;
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
        const auto row = [](const QString &name, const QString &commands, const QString &state) {
            QTest::newRow(qPrintable(name)) << ("open," + commands).split(',') << state;
        };
        const QString length = "buttons=x---- mode=1 tool=0 drag=0 tracks=1";
        row("Length action after Rect", "rect_btn,actionLength,actionAutoDetect", length);
        row("checked Length clicked again", "ruler_btn,ruler_btn,actionAutoDetect", length);
        row("checked Move clicked again", "actionMove_Edit,move_btn,actionAutoDetect",
            "buttons=----x mode=0 drag=1 tracks=0");
        row("Move action ends Auto Detect", "ruler_btn,actionAutoDetect,actionMove_Edit",
            "buttons=----x tracks=0");
        row("Rect tool ends Auto Detect", "ruler_btn,actionAutoDetect,rect_btn",
            "buttons=-x--- tracks=0");
        for (const auto &[from, in, out] : {std::array {10, 100, 10}, {99, 100, 10}, {100, 200, 10},
                 {101, 200, 100}, {400, 400, 300}}) {
            const QString zoom = "zoom=%1 scale=%2";
            row(QString("in from %1").arg(from), QString("slider=%1,zoomin_btn").arg(from),
                zoom.arg(in).arg(in / 100.0));
            row(QString("out from %1").arg(from), QString("slider=%1,actionZoom_Out").arg(from),
                zoom.arg(out).arg(out / 100.0));
        }
        row("fit from 400", "slider=400,actionFit_Size", "zoom=100 scale=1 enabled=s-");
        row("wheel up stops at 400", "slider=398,wheel up", "zoom=400 scale=4");
        row("wheel down stops at 10", "slider=12,wheel down", "zoom=10 scale=0.1");
        QTest::newRow("empty window ignores wheel and zoom") << QStringList {
            "wheel up", "actionZoom_In", "zoomout_btn"} << "zoom=100 scale=1 enabled=--";
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
        const QHash<QString, QVariant> now {{"buttons", buttons}, {"mode", scene()->mode()},
            {"tool", scene()->toolType()}, {"drag", editor->canvasView()->dragMode()},
            {"zoom", slider()->value()},
            {"scale", t == QTransform::fromScale(t.m11(), t.m11()) ? QVariant(t.m11()) : "skewed"},
            {"tracks", int(editor->canvasView()->isTrackingMouseFreeMove())},
            {"enabled",
                QString(editor->findChild<QAction *>("actionSave_As")->isEnabled() ? "s" : "-")
                    + (editor->findChild<QAction *>("actionFinish_Edit")->isEnabled() ? "f"
                                                                                      : "-")}};
        QStringList seen;
        for (const QString &pair : state.split(' '))
            seen << pair.section('=', 0, 0) + '=' + now.value(pair.section('=', 0, 0)).toString();
        QCOMPARE(seen.join(' '), state);
    }

    // A picture is open and the second file is opened over it, a mark there when the row
    // answers the replace question; then Save is chosen. Second file|answer|questions|title|
    // picture (P: the pictures folder, T: the temporary one)|next z value|marks|zoom|save dialogs.
    void openOver_data()
    {
        rows({"no marks, no question|second.png|||second.png|P/second.png|0|0|100|1",
            "marks, No keeps everything|second.png|No|Replace current document?|first.png|"
            "P/first.png|0|1|250|1",
            "plan.dld opens as a document|plan.dld|||P/plan.dld|T/inside.png|3|0|100|0",
            "plan.DLD opens as a picture|plan.DLD|||plan.DLD|P/plan.DLD|0|0|100|1",
            "unreadable document after Yes leaves the empty window|broken.dld|Yes|Replace current "
            "document?,Could not parse image data. Open Failed. :(|Dimlet||0|0|100|0"});
    }

    void openOver()
    {
        QFETCH(QStringList, f);
        const QString second = f.takeFirst(), answer = f.takeFirst();
        openPicture("first.png");
        if (!answer.isEmpty())
            scene()->restoreMark({MarkRect, 1, {5, 5}, {5, 5}, {}, -1});
        slider()->setValue(250);
        const QString path = pictures->filePath(second);
        const QByteArray bytes = second == "broken.dld"
            ? block(pictureBytes("png")) + block("no json")
            : second.startsWith("plan") ? documentBytes(documentObject("inside.png"))
                                        : pictureBytes("png");
        QVERIFY(writeFile(path, bytes));
        PromptRecorder prompts(answer == "Yes" ? QMessageBox::Yes : QMessageBox::No);
        editor->openFile(path);
        if (!answer.isEmpty())
            QCOMPARE(prompts.prompts().first().defaultButton, QMessageBox::NoButton);
        QStringList seen {prompts.texts().join(','), editor->windowTitle(), scene()->imagePath(),
            QString::number(scene()->nextZValue()), QString::number(scene()->hasMarks()),
            QString::number(slider()->value())};
        QVERIFY(QMetaObject::invokeMethod(editor.get(), "on_actionSave_triggered"));
        seen << QString::number(flows->saveDialogs);
        QCOMPARE(seen.join('|').replace(pictures->path(), "P").replace(tempDirPath(), "T/"),
            f.join('|'));
        QCOMPARE(editor->findChild<QToolButton *>("move_btn")->isHidden(), answer == "Yes");
        if (answer == "Yes")
            QCOMPARE(fileBytes(path), bytes);
    }

    // 1251 * 0.8 = 1000.8 -> 1001, 201 * 0.5 = 100.5 -> 101 + 10; 1001 * 0.8 = 800.8 -> 801.
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

    // Chosen name|file there before|answer to the replace question|the files after, each with
    // what it holds: "older" as before, a "document" of the picture, or an export's format and
    // width. An existing file brings up "File Existed. Replace?", answered like the close
    // question afterwards.
    void saveAs_data()
    {
        rows({"bare name gets the document suffix|plan|||plan.dld:document",
            "document suffix kept|plan.dld|||plan.dld:document",
            "upper-case image suffix is a document|shot.PNG|||shot.PNG.dld:document",
            "jpeg exports|shot.jpeg|||shot.jpeg:jpeg 61", "jpg exports|shot.jpg|||shot.jpg:jpeg 61",
            "cancelled||||", "document there, No writes nothing|plan|plan.dld|No|plan.dld:older",
            "export there, Yes replaces|a.bmp|a.bmp|Yes|a.bmp:bmp 61"});
    }

    void saveAs()
    {
        QFETCH(QStringList, f);
        const QString existing = f[1], result = f[3].section(':', 0, 0);
        const bool answerYes = f[2] == "Yes", document = f[3].endsWith(":document");
        const QString picture = openPicture("shot.png", {61, 37});
        scene()->setModified(true);
        if (!existing.isEmpty())
            QVERIFY(writeFile(out->filePath(existing), "older"));
        if (!f[0].isEmpty())
            flows->saveAnswers << out->filePath(f[0]);
        PromptRecorder prompts(answerYes ? QMessageBox::Yes : QMessageBox::No);
        run("actionSave_As");
        QCOMPARE(prompts.texts(),
            existing.isEmpty() ? QStringList() : QStringList {"File Existed. Replace?"});
        QStringList files;
        for (const QString &name : filesBelow(out->path())) {
            const QString path = out->filePath(name);
            QTemporaryDir extracted;
            const QString inside = readDocumentFile(path, extracted.path()).picturePath;
            const QImageReader reader(path);
            files << name + ':'
                    + (fileBytes(path) == "older" ? "older"
                            : !inside.isEmpty() && fileBytes(inside) == fileBytes(picture)
                            ? "document"
                            : reader.format() + ' ' + QByteArray::number(reader.size().width()));
        }
        QCOMPARE(files.join(','), f[3]);
        QCOMPARE(flows->savedNotes, int(!f[3].isEmpty() && !f[3].endsWith("older")));
        QCOMPARE(editor->windowTitle(), document ? out->filePath(result) : "shot.png");
        QCOMPARE(scene()->isModified(), !document);

        // Only a document save makes Save write without asking.
        const int dialogs = flows->saveDialogs;
        run("actionSave");
        QCOMPARE(flows->saveDialogs, dialogs + (document ? 0 : 1));

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
