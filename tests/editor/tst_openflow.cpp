#include "testsupport.h"

#include "canvas/dlgraphicsscene.h"
#include "canvas/dlgraphicsview.h"
#include "documentfixtures.h"
#include "filefixtures.h"
#include "settings/helpers.h"
#include "testableeditor.h"

#include <QAction>
#include <QGraphicsItemGroup>
#include <QMimeData>
#include <QSlider>
#include <QToolButton>

namespace {
const QString versionMessage
    = QStringLiteral("This document request min version '1.1.0'. which you are using '1.0.0'.  "
                     "File can not open. Please update application.");

// A document as another copy of the program would have written it, built byte by byte.
QByteArray documentBytes(const QString &pictureName, const QImage &picture, int minVersion = 10000)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    QJsonObject object = documentObject(pictureName);
    object.insert(QStringLiteral("min"), minVersion);
    return block(buffer.data()) + block(binaryJson(object));
}

QImage samplePicture(QSize size = QSize(40, 30))
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(QColor(30, 90, 160));
    picture.setPixelColor(size.width() - 1, size.height() - 1, QColor(250, 250, 0));
    return picture;
}

int dropHints(DLGraphicsScene *scene)
{
    int count = 0;
    const QList<QGraphicsItem *> all = scene->items();
    for (QGraphicsItem *item : all)
        count += item->type() == QGraphicsItemGroup::Type;
    return count;
}

bool isEnabled(const TestableEditor &editor, const char *name)
{
    if (auto *action = editor.child<QAction>(name))
        return action->isEnabled();
    return editor.child<QWidget>(name)->isEnabled();
}

class ScreenOverride
{
public:
    explicit ScreenOverride(QSize size)
    {
        setScreenSizeProvider([size] { return size; });
    }
    ~ScreenOverride() { setScreenSizeProvider(nullptr); }
};
} // namespace

class TestOpenFlow : public QObject
{
    Q_OBJECT
private slots:
    void replaceQuestion_data();
    void replaceQuestion();
    void suffixDecidesDocument_data();
    void suffixDecidesDocument();
    void documentOpens();
    void failedRead_data();
    void failedRead();
    void windowGrowth_data();
    void windowGrowth();
    void openDialog_data();
    void openDialog();
    void openRequests_data();
    void openRequests();
};

void TestOpenFlow::replaceQuestion_data()
{
    QTest::addColumn<bool>("pictureFirst");
    QTest::addColumn<bool>("withMark");
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("opened");

    QTest::newRow("empty window: no question") << false << false << true << false << true;
    QTest::newRow("picture without marks: no question") << true << false << false << false << true;
    QTest::newRow("marks and Yes: replaced") << true << true << true << true << true;
    QTest::newRow("marks and No: nothing changes") << true << true << false << true << false;
}

void TestOpenFlow::replaceQuestion()
{
    QFETCH(bool, pictureFirst);
    QFETCH(bool, withMark);
    QFETCH(bool, answerYes);
    QFETCH(bool, asked);
    QFETCH(bool, opened);

    QTemporaryDir dir;
    TestableEditor editor;
    DLGraphicsScene *scene = editor.canvasScene();
    const QString first = writePicture(dir, QStringLiteral("first.png"));
    if (pictureFirst)
        editor.openFile(first);
    QGraphicsItem *mark = withMark ? addStandInMark(scene) : nullptr;
    auto *slider = editor.child<QSlider>("zoom_slider");
    slider->setValue(250);
    const QString titleBefore = editor.windowTitle();
    const QString second = writePicture(dir, QStringLiteral("second.png"));

    PromptRecorder prompts(answerYes ? QMessageBox::Yes : QMessageBox::No);
    editor.openFile(second);

    QCOMPARE(prompts.prompts().size(), int(asked));
    if (asked) {
        const UserPrompt &prompt = prompts.prompts().first();
        QVERIFY(prompt.question);
        QCOMPARE(prompt.text, QStringLiteral("Replace current document?"));
        QCOMPARE(prompt.title, QString());
        QCOMPARE(prompt.parent.data(), &editor);
        QCOMPARE(prompt.defaultButton, QMessageBox::NoButton);
    }
    if (opened) {
        QCOMPARE(editor.windowTitle(), QStringLiteral("second.png"));
        QCOMPARE(scene->imagePath, second);
        QVERIFY(!scene->hasMarks());
        QCOMPARE(slider->value(), 100);
    } else {
        QCOMPARE(editor.windowTitle(), titleBefore);
        QCOMPARE(scene->imagePath, first);
        QVERIFY(scene->items().contains(mark));
        QCOMPARE(slider->value(), 250);
    }
}

void TestOpenFlow::suffixDecidesDocument_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("document");

    QTest::newRow("lower-case dld is a document") << "plan.dld" << true;
    QTest::newRow("upper-case DLD is a picture") << "plan.DLD" << false;
    QTest::newRow("mixed-case Dld is a picture") << "plan.Dld" << false;
    QTest::newRow("dld inside the name is a picture") << "plan.dld.png" << false;
}

void TestOpenFlow::suffixDecidesDocument()
{
    QFETCH(QString, name);
    QFETCH(bool, document);

    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QVERIFY(writeFile(path, documentBytes(QStringLiteral("inside.png"), samplePicture())));
    TestableEditor editor;
    PromptRecorder prompts;
    editor.openFile(path);

    QVERIFY(prompts.prompts().isEmpty());
    if (document) {
        QCOMPARE(editor.windowTitle(), path);
        QCOMPARE(editor.canvasScene()->imagePath, joinPath(tempDirPath(), "inside.png"));
    } else {
        QCOMPARE(editor.windowTitle(), name);
        QCOMPARE(editor.canvasScene()->imagePath, path);
    }
}

void TestOpenFlow::documentOpens()
{
    QTemporaryDir dir;
    const QImage picture = samplePicture(QSize(33, 21));
    const QString path = dir.filePath(QStringLiteral("work.dld"));
    QVERIFY(writeFile(path, documentBytes(QStringLiteral("screen.png"), picture)));
    TestableEditor editor;
    PromptRecorder prompts;
    editor.openFile(path);

    QVERIFY(prompts.prompts().isEmpty());
    QCOMPARE(editor.windowTitle(), path);
    DLGraphicsScene *scene = editor.canvasScene();
    QCOMPARE(scene->imagePath, joinPath(tempDirPath(), QStringLiteral("screen.png")));
    QCOMPARE(scene->image.convertToFormat(QImage::Format_RGB32), picture);
    QCOMPARE(scene->nextZValue, 3.0);
    QVERIFY(isEnabled(editor, "zoom_slider"));
    QVERIFY(isEnabled(editor, "actionSave"));
    QCOMPARE(dropHints(scene), 0);
}

void TestOpenFlow::failedRead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("pictureFirst");

    const QByteArray tooNew
        = documentBytes(QStringLiteral("p.png"), samplePicture(), /*minVersion=*/10010);
    const QByteArray damaged = block(pictureBytes("png")) + block(QByteArray("not binary json"));
    for (bool pictureFirst : {false, true}) {
        const char *start = pictureFirst ? "after a picture with marks" : "from the empty window";
        QTest::addRow("missing file, %s", start)
            << QByteArray() << false << "Could not open document file." << pictureFirst;
        QTest::addRow("zero bytes, %s", start)
            << QByteArray() << true << "Could not read document file." << pictureFirst;
        QTest::addRow("version too new, %s", start)
            << tooNew << true << versionMessage << pictureFirst;
        QTest::addRow("damaged data block, %s", start)
            << damaged << true << "Could not parse image data. Open Failed. :(" << pictureFirst;
    }
}

void TestOpenFlow::failedRead()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, exists);
    QFETCH(QString, message);
    QFETCH(bool, pictureFirst);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("broken.dld"));
    if (exists)
        QVERIFY(writeFile(path, bytes));
    TestableEditor editor;
    DLGraphicsScene *scene = editor.canvasScene();
    if (pictureFirst) {
        editor.openFile(writePicture(dir, QStringLiteral("before.png")));
        addStandInMark(scene);
        scene->nextZValue = 5.0;
        editor.child<QToolButton>("rect_btn")->click();
    }
    const QStringList filesBefore = filesBelow(dir.path());

    PromptRecorder prompts(QMessageBox::Yes);
    editor.openFile(path);

    QStringList expected;
    if (pictureFirst)
        expected << QStringLiteral("Replace current document?");
    expected << message;
    QCOMPARE(prompts.texts(), expected);
    const UserPrompt &shown = prompts.prompts().last();
    QVERIFY(!shown.question);
    QVERIFY(!shown.parent);

    QCOMPARE(editor.windowTitle(), QStringLiteral("Dimlet"));
    QCOMPARE(dropHints(scene), 1);
    TestableEditor fresh;
    QCOMPARE(scene->sceneRect(), fresh.canvasScene()->sceneRect());
    QVERIFY(!scene->hasMarks());
    QVERIFY(scene->imagePath.isEmpty());
    for (const char *name : {"zoom_slider", "save_btn", "actionSave", "actionSave_As",
             "actionUpdate_Image", "ruler_btn"})
        QVERIFY2(!isEnabled(editor, name), name);
    QVERIFY(editor.child<QToolButton>("move_btn")->isHidden());
    QVERIFY(!editor.canvasView()->isInteractive());

    // Even when reached without the disabled buttons, Save has nothing to write.
    editor.saveAnswers << dir.filePath(QStringLiteral("rescued"));
    QVERIFY(QMetaObject::invokeMethod(&editor, "on_actionSave_triggered"));
    QVERIFY(QMetaObject::invokeMethod(&editor, "on_save_btn_clicked"));
    QCOMPARE(editor.saveDialogs, 0);
    QCOMPARE(filesBelow(dir.path()), filesBefore);
    QCOMPARE(prompts.prompts().size(), expected.size());

    const QString next = writePicture(dir, QStringLiteral("next.png"));
    editor.openFile(next);
    QCOMPARE(editor.windowTitle(), QStringLiteral("next.png"));
    QCOMPARE(dropHints(scene), 0);
    QVERIFY(isEnabled(editor, "actionSave"));
}

void TestOpenFlow::windowGrowth_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<int>("dw");
    QTest::addColumn<int>("dh");

    // 1536 - 800 = 736 -> 368 + 10; 864 - 600 = 264 -> 132 + 10.
    QTest::newRow("1920 x 1080 screen, scene larger than the screen")
        << QSize(1920, 1080) << QSize(2000, 1200) << 378 << 142;
    QTest::newRow("picture inside the view: no growth")
        << QSize(1920, 1080) << QSize(300, 200) << 0 << 0;
    // 1251 * 0.8 = 1000.8 -> 1001 and 1001 * 0.8 = 800.8 -> 801; 201 * 0.5 = 100.5 -> 101.
    QTest::newRow("fractions and halves round up")
        << QSize(1251, 1001) << QSize(2000, 1200) << 111 << 111;
    // The view is shorter than the scene, but the whole window already reaches 80 %.
    QTest::newRow("window already as large as wanted")
        << QSize(1000, 700) << QSize(2000, 1200) << 0 << 0;
    // A short picture leaves the scene as high as the view, which is below the window.
    QTest::newRow("wide picture grows only sideways")
        << QSize(1920, 1080) << QSize(2000, 100) << 378 << 0;
    // The scene (800 + 200 wide) is narrower than 80 % of the screen: 200 -> 100 + 10.
    QTest::newRow("scene smaller than the screen share")
        << QSize(1920, 1080) << QSize(800, 100) << 110 << 0;
}

void TestOpenFlow::windowGrowth()
{
    QFETCH(QSize, screen);
    QFETCH(QSize, picture);
    QFETCH(int, dw);
    QFETCH(int, dh);

    ScreenOverride screenSize(screen);
    QTemporaryDir dir;
    TestableEditor editor;
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    const QRect before = editor.geometry();
    QCOMPARE(before.size(), QSize(800, 600));

    editor.openFile(writePicture(dir, QStringLiteral("big.png"), picture));

    QTRY_COMPARE(editor.geometry().size(), QSize(800 + 2 * dw, 600 + 2 * dh));
    QCOMPARE(editor.geometry().topLeft(), before.topLeft() - QPoint(dw, dh));
}

void TestOpenFlow::openDialog_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<bool>("answered");

    QTest::newRow("open button, answered") << "open_btn" << true;
    QTest::newRow("open button, cancelled") << "open_btn" << false;
    QTest::newRow("Open File action, answered") << "actionOpen_File" << true;
    QTest::newRow("Open File action, cancelled") << "actionOpen_File" << false;
}

void TestOpenFlow::openDialog()
{
    QFETCH(QString, trigger);
    QFETCH(bool, answered);

    QTemporaryDir dir;
    TestableEditor editor;
    const QString first = writePicture(dir, QStringLiteral("first.png"));
    editor.openFile(first);
    const QString chosen = writePicture(dir, QStringLiteral("chosen.bmp"));
    if (answered)
        editor.openAnswers << chosen;

    if (auto *action = editor.child<QAction>(qPrintable(trigger)))
        action->trigger();
    else
        editor.child<QToolButton>(qPrintable(trigger))->click();

    QCOMPARE(editor.openFilters,
        QStringList {QStringLiteral("Image Files (*.png *.jpg *.jpeg *.bmp *.dld)")});
    QCOMPARE(editor.canvasScene()->imagePath, answered ? chosen : first);
    QCOMPARE(editor.windowTitle(), answered ? QStringLiteral("chosen.bmp") : "first.png");
}

void TestOpenFlow::openRequests_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("dropped");
    QTest::addColumn<int>("opened");

    QTest::newRow("file-open request for a document") << QStringList {"doc.dld"} << false << 0;
    QTest::newRow("drop of a document and a picture")
        << QStringList {"doc.dld", "pic.png"} << true << 0;
    QTest::newRow("drop of a picture and a document")
        << QStringList {"pic.png", "doc.dld"} << true << 0;
    QTest::newRow("drop of an unaccepted file before a document")
        << QStringList {"notes.txt", "doc.dld"} << true << 1;
}

void TestOpenFlow::openRequests()
{
    QFETCH(QStringList, names);
    QFETCH(bool, dropped);
    QFETCH(int, opened);

    QTemporaryDir dir;
    QList<QUrl> urls;
    for (const QString &name : names) {
        const QString path = dir.filePath(name);
        if (name.endsWith(QLatin1String(".dld")))
            QVERIFY(writeFile(path, documentBytes(QStringLiteral("inside.png"), samplePicture())));
        else
            QVERIFY(samplePicture().save(path, "PNG") || name.endsWith(QLatin1String(".txt")));
        urls << QUrl::fromLocalFile(path);
    }
    TestableEditor editor;
    PromptRecorder prompts;
    if (dropped) {
        QMimeData mime;
        mime.setUrls(urls);
        QWidget *over = editor.canvasView()->viewport();
        const QPoint pos = over->rect().center();
        QDragEnterEvent enter(pos, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(over, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(pos, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(over, &drop);
    } else {
        editor.handleAppOpenURL(urls.first());
    }

    QVERIFY(prompts.prompts().isEmpty());
    const QString path = urls.at(opened).toLocalFile();
    if (path.endsWith(QLatin1String(".dld"))) {
        QCOMPARE(editor.windowTitle(), path);
        QCOMPARE(editor.canvasScene()->imagePath, joinPath(tempDirPath(), "inside.png"));
    } else {
        QCOMPARE(editor.windowTitle(), fileNameOf(path));
        QCOMPARE(editor.canvasScene()->imagePath, path);
    }
}

DIMLET_TEST_MAIN(TestOpenFlow)
#include "tst_openflow.moc"
