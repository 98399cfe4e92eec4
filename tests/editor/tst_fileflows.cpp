#include "testsupport.h"

#include "documentfixtures.h"
#include "editor/dldocument.h"
#include "settings/helpers.h"
#include "testableeditor.h"

#include <QAction>
#include <QCloseEvent>
#include <QImageReader>
#include <QSlider>
#include <QToolButton>

namespace {
const QString replaceQuestion = QStringLiteral("Replace current document?");
const QString discardQuestion = QStringLiteral("discard all change?");
} // namespace

// Pictures and documents live in separate folders, so a test sees exactly what a save wrote.
class TestFileFlows : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> pictures;
    std::unique_ptr<QTemporaryDir> out;
    std::unique_ptr<TestableEditor> editor;

    DLGraphicsScene *scene() const { return editor->canvasScene(); }
    QSlider *slider() const { return editor->child<QSlider>("zoom_slider"); }
    QString outPath(const QString &name) const { return out->filePath(name); }
    QStringList written() const { return filesBelow(out->path()); }
    QString openPicture(const QString &name = "shot.png", QSize size = {64, 48})
    {
        const QString path = writePicture(*pictures, name, size);
        editor->openFile(path);
        return path;
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

    // A picture is open; the second file is opened over it.
    void openOver_data()
    {
        QTest::addColumn<bool>("withMark");
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<QString>("second");
        QTest::newRow("no marks, no question") << false << false << "second.png";
        QTest::newRow("marks, No keeps everything") << true << false << "second.png";
        QTest::newRow("plan.dld opens as a document") << false << false << "plan.dld";
        QTest::newRow("plan.DLD opens as a picture") << false << false << "plan.DLD";
    }

    void openOver()
    {
        QFETCH(bool, withMark);
        QFETCH(bool, answerYes);
        QFETCH(QString, second);
        const QString first = openPicture("first.png");
        QGraphicsItem *mark = withMark ? addStandInMark(scene()) : nullptr;
        slider()->setValue(250);
        const QString path = pictures->filePath(second);
        if (second.startsWith("plan"))
            QVERIFY(writeFile(path, documentBytes(documentObject("inside.png"))));
        else
            writePicture(*pictures, second);
        PromptRecorder prompts(answerYes ? QMessageBox::Yes : QMessageBox::No);
        editor->openFile(path);

        QCOMPARE(prompts.texts(), withMark ? QStringList {replaceQuestion} : QStringList());
        if (withMark) {
            const UserPrompt &prompt = prompts.prompts().first();
            QVERIFY(prompt.question && prompt.title.isEmpty());
            QCOMPARE(prompt.parent.data(), editor.get());
            QCOMPARE(prompt.defaultButton, QMessageBox::NoButton);
        }
        const bool opened = !withMark || answerYes;
        const bool document = opened && path.endsWith(".dld");
        QCOMPARE(editor->windowTitle(), !opened ? "first.png" : document ? path : second);
        QCOMPARE(scene()->imagePath(),
            !opened        ? first
                : document ? joinPath(tempDirPath(), "inside.png")
                           : path);
        if (document)
            QCOMPARE(scene()->nextZValue(), 3.0);
        QCOMPARE(scene()->items().contains(mark), !opened);
        QCOMPARE(slider()->value(), opened ? 100 : 250);
    }

    void failedRead_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("damaged data block") << block(pictureBytes("png")) + block("no json")
                                            << "Could not parse image data. Open Failed. :(";
    }

    // After the replace question was answered Yes, the window goes back to its empty state, from
    // which Save can write nothing.
    void failedRead()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const QString path = pictures->filePath("broken.dld");
        QVERIFY(writeFile(path, bytes));
        openPicture();
        addStandInMark(scene());
        PromptRecorder prompts(QMessageBox::Yes);
        editor->openFile(path);

        const QStringList expected {replaceQuestion, message};
        QCOMPARE(prompts.texts(), expected);
        QVERIFY(!prompts.prompts().last().parent);
        QCOMPARE(editor->windowTitle(), QStringLiteral("Dimlet"));
        QVERIFY(scene()->imagePath().isEmpty() && !scene()->hasMarks());
        QVERIFY(!editor->child<QAction>("actionSave")->isEnabled());
        QVERIFY(editor->child<QToolButton>("move_btn")->isHidden());
        QVERIFY(QMetaObject::invokeMethod(editor.get(), "on_actionSave_triggered"));
        QCOMPARE(editor->saveDialogs, 0);
        QCOMPARE(fileBytes(path), bytes);
        QCOMPARE(prompts.texts(), expected);
    }

    void windowGrowth_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("dw");
        QTest::addColumn<int>("dh");
        // 1251 * 0.8 = 1000.8 -> 1001, 201 * 0.5 = 100.5 -> 101; 1001 * 0.8 = 800.8 -> 801.
        // 1536 - 800 = 736 -> 368 + 10; 864 - 600 = 264 -> 132 + 10.
        QTest::newRow("1920 x 1080 screen, scene larger than it")
            << QSize(1920, 1080) << QSize(2000, 1200) << 378 << 142;
        QTest::newRow("fractions and halves round up")
            << QSize(1251, 1001) << QSize(2000, 1200) << 111 << 111;
    }

    void windowGrowth()
    {
        QFETCH(QSize, screen);
        QFETCH(QSize, picture);
        QFETCH(int, dw);
        QFETCH(int, dh);
        setScreenSizeProvider([screen] { return screen; });
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
        const QRect before = editor->geometry();
        QCOMPARE(before.size(), QSize(800, 600));
        openPicture("big.png", picture);
        QTRY_COMPARE(editor->geometry(), before.marginsAdded(QMargins(dw, dh, dw, dh)));
    }

    // An empty format is a document; an existing file brings up "File Existed. Replace?".
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
            QVERIFY(writeFile(outPath(existing), "older"));
        if (!chosen.isEmpty())
            editor->saveAnswers << outPath(chosen);
        PromptRecorder prompts(answerYes ? QMessageBox::Yes : QMessageBox::No);
        editor->child<QAction>("actionSave_As")->trigger();

        const bool asked = !existing.isEmpty();
        QCOMPARE(prompts.texts(), asked ? QStringList {"File Existed. Replace?"} : QStringList());
        if (asked) {
            QCOMPARE(prompts.prompts().first().parent.data(), editor.get());
            QCOMPARE(prompts.prompts().first().defaultButton, QMessageBox::NoButton);
        }
        QStringList files = QStringList {result, existing}.filter(QRegExp(".+"));
        files.removeDuplicates();
        files.sort();
        QCOMPARE(written(), files);
        if (existing != result && !existing.isEmpty())
            QCOMPARE(fileBytes(outPath(existing)), QByteArray("older"));
        QCOMPARE(editor->savedNotes, int(!result.isEmpty()));
        const bool document = !result.isEmpty() && format.isEmpty();
        if (document) {
            QTemporaryDir extracted;
            const DocumentReadResult back = readDocumentFile(outPath(result), extracted.path());
            QCOMPARE(fileBytes(back.picturePath), fileBytes(picture));
        } else if (!result.isEmpty()) {
            QCOMPARE(QImageReader(outPath(result)).format(), format);
            QCOMPARE(QImageReader(outPath(result)).size(), QSize(61, 37));
        }
        QCOMPARE(editor->windowTitle(), document ? outPath(result) : "shot.png");
        QCOMPARE(scene()->isModified(), !document);

        // Only a document save makes Save write without asking.
        const int dialogs = editor->saveDialogs;
        editor->child<QAction>("actionSave")->trigger();
        QCOMPARE(editor->saveDialogs, dialogs + (document ? 0 : 1));
    }

    void closeQuestion_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<bool>("asked");
        QTest::newRow("modified, exported to PNG") << "out.png" << false << true;
        QTest::newRow("modified, saved as a document") << "out" << false << false;
        QTest::newRow("modified, failed document save") << "missing/out" << false << true;
    }

    void closeQuestion()
    {
        QFETCH(QString, before);
        QFETCH(bool, answerYes);
        QFETCH(bool, asked);
        openPicture();
        scene()->setModified(true);
        {
            PromptRecorder saving;
            editor->saveAnswers << outPath(before);
            editor->saveAs();
            QCOMPARE(saving.texts(),
                before.startsWith("missing") ? QStringList {"Could not open output file."}
                                             : QStringList());
        }
        PromptRecorder prompts(answerYes ? QMessageBox::Yes : QMessageBox::No);
        QCOMPARE(sendClose(), !asked || answerYes);
        QCOMPARE(sendClose(), !asked || answerYes);
        QCOMPARE(prompts.prompts().size(), asked ? (answerYes ? 1 : 2) : 0);

        if (asked) {
            const UserPrompt &prompt = prompts.prompts().first();
            QCOMPARE(prompt.text, discardQuestion);
            QCOMPARE(prompt.title, QStringLiteral("Dimlet"));
            QCOMPARE(prompt.defaultButton, QMessageBox::Yes);
            QCOMPARE(prompt.parent.data(), editor.get());
        }
    }
};

DIMLET_TEST_MAIN(TestFileFlows)
#include "tst_fileflows.moc"
