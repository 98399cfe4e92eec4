#include "testsupport.h"

#include "canvas/dlgraphicsscene.h"
#include "editor/dldocument.h"
#include "filefixtures.h"
#include "settings/helpers.h"
#include "testableeditor.h"

#include <QAction>
#include <QCloseEvent>
#include <QImageReader>
#include <QSignalSpy>
#include <QSlider>
#include <QToolButton>

namespace {
// Pictures and documents live in separate folders, so a test sees exactly what a save wrote.
struct Workspace
{
    QTemporaryDir pictures;
    QTemporaryDir out;
    TestableEditor editor;

    DLGraphicsScene *scene() const { return editor.canvasScene(); }
    QString outPath(const QString &name) const { return out.filePath(name); }
    QStringList written() const { return filesBelow(out.path()); }

    QString openPicture(const QString &name = QStringLiteral("shot.png"), QSize size = {64, 48})
    {
        const QString path = writePicture(pictures, name, size);
        editor.openFile(path);
        return path;
    }

    // Opens a BMP picture (large on disk) and saves it as the document out/name, which is
    // then the open document.
    QString openDocument(const QString &name = QStringLiteral("work.dld"), QSize size = {64, 48})
    {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(QColor(90, 20, 140));
        const QString path = pictures.filePath(QStringLiteral("shot.bmp"));
        picture.save(path, "BMP");
        editor.openFile(path);
        editor.saveAnswers << outPath(name);
        editor.saveAs();
        editor.savedNotes = 0;
        editor.saveDialogs = 0;
        return outPath(name);
    }
};

DocumentReadResult readBack(const QString &path)
{
    static QTemporaryDir extracted;
    return readDocumentFile(path, extracted.path());
}

void trigger(TestableEditor &editor, const QString &name)
{
    if (auto *action = editor.child<QAction>(qPrintable(name)))
        action->trigger();
    else
        editor.child<QToolButton>(qPrintable(name))->click();
}

bool sendClose(TestableEditor &editor)
{
    QCloseEvent event;
    QApplication::sendEvent(&editor, &event);
    return event.isAccepted();
}
} // namespace

class TestSaveFlow : public QObject
{
    Q_OBJECT
private slots:
    void saveAsSuffix_data();
    void saveAsSuffix();
    void fileExisted_data();
    void fileExisted();
    void cancelledSaveAsChangesNothing();
    void save_data();
    void save();
    void failedWrite_data();
    void failedWrite();
    void closeQuestion_data();
    void closeQuestion();
    void closeAnswerIsRemembered_data();
    void closeAnswerIsRemembered();
    void closeWindowAction_data();
    void closeWindowAction();
    void updateImage_data();
    void updateImage();
    void roundTrip();
};

void TestSaveFlow::saveAsSuffix_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("format");

    QTest::newRow("bare name gets the document suffix") << "plan"
                                                        << "plan.dld" << QByteArray();
    QTest::newRow("document suffix kept") << "plan.dld"
                                          << "plan.dld" << QByteArray();
    QTest::newRow("upper-case image suffix is a document") << "shot.PNG"
                                                           << "shot.PNG.dld" << QByteArray();
    QTest::newRow("upper-case document suffix gets another") << "x.DLD"
                                                             << "x.DLD.dld" << QByteArray();
    QTest::newRow("image suffix inside the name is a document")
        << "plan.png.txt"
        << "plan.png.txt.dld" << QByteArray();
    QTest::newRow("png exports") << "shot.png"
                                 << "shot.png" << QByteArray("png");
    QTest::newRow("jpeg exports") << "shot.jpeg"
                                  << "shot.jpeg" << QByteArray("jpeg");
    QTest::newRow("jpg exports") << "shot.jpg"
                                 << "shot.jpg" << QByteArray("jpeg");
    QTest::newRow("bmp exports") << "shot.bmp"
                                 << "shot.bmp" << QByteArray("bmp");
    QTest::newRow("document then image suffix exports") << "plan.dld.png"
                                                        << "plan.dld.png" << QByteArray("png");
}

void TestSaveFlow::saveAsSuffix()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QFETCH(QByteArray, format);

    Workspace work;
    const QString picture = work.openPicture(QStringLiteral("shot.png"), QSize(61, 37));
    work.scene()->modified = true;
    work.editor.saveAnswers << work.outPath(chosen);
    PromptRecorder prompts;
    trigger(work.editor, QStringLiteral("actionSave_As"));

    QVERIFY(prompts.prompts().isEmpty());
    QCOMPARE(work.editor.saveDialogs, 1);
    QCOMPARE(work.written(), QStringList {written});
    QCOMPARE(work.editor.savedNotes, 1);
    const QString path = work.outPath(written);
    if (format.isEmpty()) {
        DocumentReadResult document = readBack(path);
        QCOMPARE(document.error, DocumentError::None);
        QCOMPARE(fileBytes(document.picturePath), fileBytes(picture));
        QCOMPARE(work.editor.windowTitle(), path);
        QVERIFY(!work.scene()->modified);
    } else {
        QImageReader reader(path);
        QCOMPARE(reader.format(), format);
        QCOMPARE(reader.size(), QSize(61, 37));
        QCOMPARE(work.editor.windowTitle(), QStringLiteral("shot.png"));
        QVERIFY(work.scene()->modified);
    }

    // Only a document save makes Save write without asking.
    trigger(work.editor, QStringLiteral("actionSave"));
    QCOMPARE(work.editor.saveDialogs, format.isEmpty() ? 1 : 2);
}

void TestSaveFlow::fileExisted_data()
{
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("written");

    QTest::newRow("document there, Yes replaces") << "plan.dld"
                                                  << "plan" << true << true << true;
    QTest::newRow("document there, No writes nothing") << "plan.dld"
                                                       << "plan" << false << true << false;
    QTest::newRow("export there, Yes replaces") << "shot.png"
                                                << "shot.png" << true << true << true;
    QTest::newRow("export there, No writes nothing") << "shot.png"
                                                     << "shot.png" << false << true << false;
    QTest::newRow("file with the chosen name only is no conflict")
        << "plan"
        << "plan" << false << false << true;
}

void TestSaveFlow::fileExisted()
{
    QFETCH(QString, existing);
    QFETCH(QString, chosen);
    QFETCH(bool, answerYes);
    QFETCH(bool, asked);
    QFETCH(bool, written);

    Workspace work;
    work.openPicture();
    const QByteArray oldBytes("an older file");
    QVERIFY(writeFile(work.outPath(existing), oldBytes));
    const QString target
        = chosen.endsWith(QLatin1String(".png")) ? work.outPath(chosen) : work.outPath("plan.dld");
    work.editor.saveAnswers << work.outPath(chosen);
    PromptRecorder prompts(answerYes ? QMessageBox::Yes : QMessageBox::No);
    work.editor.saveAs();

    QCOMPARE(prompts.prompts().size(), int(asked));
    if (asked) {
        const UserPrompt &prompt = prompts.prompts().first();
        QVERIFY(prompt.question);
        QCOMPARE(prompt.text, QStringLiteral("File Existed. Replace?"));
        QCOMPARE(prompt.title, QString());
        QCOMPARE(prompt.parent.data(), &work.editor);
        QCOMPARE(prompt.defaultButton, QMessageBox::NoButton);
    }
    QCOMPARE(work.editor.savedNotes, int(written));
    QCOMPARE(fileBytes(target) != oldBytes, written);
    if (target != work.outPath(existing))
        QCOMPARE(fileBytes(work.outPath(existing)), oldBytes);
    if (!written)
        QCOMPARE(work.editor.windowTitle(), QStringLiteral("shot.png"));
}

void TestSaveFlow::cancelledSaveAsChangesNothing()
{
    Workspace work;
    work.openPicture();
    work.scene()->modified = true;
    PromptRecorder prompts;
    trigger(work.editor, QStringLiteral("actionSave_As"));
    trigger(work.editor, QStringLiteral("save_btn"));

    QCOMPARE(work.editor.saveDialogs, 2);
    QVERIFY(prompts.prompts().isEmpty());
    QVERIFY(work.written().isEmpty());
    QCOMPARE(work.editor.savedNotes, 0);
    QCOMPARE(work.editor.windowTitle(), QStringLiteral("shot.png"));
    QVERIFY(work.scene()->modified);
}

void TestSaveFlow::save_data()
{
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QString>("via");

    for (const char *via : {"save_btn", "actionSave"}) {
        QTest::addRow("plain picture acts as Save As, %s", via) << "picture" << via;
        QTest::addRow("saved document rewritten silently, %s", via) << "saved" << via;
        QTest::addRow("reopened document rewritten silently, %s", via) << "reopened" << via;
    }
}

void TestSaveFlow::save()
{
    QFETCH(QString, opened);
    QFETCH(QString, via);

    Workspace work;
    QString document;
    if (opened == QLatin1String("picture")) {
        work.openPicture();
        document = work.outPath(QStringLiteral("asked.dld"));
        work.editor.saveAnswers << work.outPath(QStringLiteral("asked"));
    } else {
        document = work.openDocument();
        if (opened == QLatin1String("reopened"))
            work.editor.openFile(document);
    }
    work.scene()->nextZValue = 17.0;
    work.scene()->modified = true;
    PromptRecorder prompts;
    trigger(work.editor, via);

    const bool asSaveAs = opened == QLatin1String("picture");
    QCOMPARE(work.editor.saveDialogs, int(asSaveAs));
    QCOMPARE(work.editor.savedNotes, int(asSaveAs));
    QVERIFY(prompts.prompts().isEmpty());
    QCOMPARE(work.written(), QStringList {fileNameOf(document)});
    DocumentReadResult back = readBack(document);
    QCOMPARE(back.error, DocumentError::None);
    QCOMPARE(back.zValue, 17.0);
    QCOMPARE(work.editor.windowTitle(), document);
    QVERIFY(!work.scene()->modified);
}

void TestSaveFlow::failedWrite_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("message");

#ifdef Q_OS_UNIX
    QTest::newRow("disk full during Save") << "full"
                                           << "Could not open output file.";
#endif
    QTest::newRow("Save As below a file") << "below file"
                                          << "Could not open output file.";
    QTest::newRow("picture gone before Save") << "picture gone"
                                              << "Could not save image file.";
}

void TestSaveFlow::failedWrite()
{
    QFETCH(QString, failure);
    QFETCH(QString, message);

    Workspace work;
    const QString document = work.openDocument(QStringLiteral("work.dld"), QSize(200, 200));
    QGraphicsItem *mark = addStandInMark(work.scene());
    work.scene()->modified = true;
    work.editor.child<QSlider>("zoom_slider")->setValue(300);
    const QByteArray oldBytes = fileBytes(document);
    const QString picture = work.scene()->imagePath;
    const QByteArray pictureBytes = fileBytes(picture);
    PromptRecorder prompts;

    if (failure == QLatin1String("full")) {
#ifdef Q_OS_UNIX
        FileSizeLimit limit(4096);
        QVERIFY(limit.isActive());
        work.editor.child<QAction>("actionSave")->trigger();
#endif
    } else if (failure == QLatin1String("below file")) {
        QVERIFY(writeFile(work.outPath(QStringLiteral("blocker")), "a plain file"));
        work.editor.saveAnswers << work.outPath(QStringLiteral("blocker/elsewhere"));
        work.editor.saveAs();
    } else {
        QVERIFY(QFile::remove(picture));
        work.editor.child<QAction>("actionSave")->trigger();
    }

    QCOMPARE(prompts.texts(), QStringList {message});
    QVERIFY(!prompts.prompts().first().parent);
    QCOMPARE(work.editor.savedNotes, 0);
    QCOMPARE(fileBytes(document), oldBytes);
    QStringList expectedFiles {QStringLiteral("work.dld")};
    if (failure == QLatin1String("below file"))
        expectedFiles.prepend(QStringLiteral("blocker"));
    QCOMPARE(work.written(), expectedFiles);
    QCOMPARE(work.editor.windowTitle(), document);
    QVERIFY(work.scene()->modified);
    QVERIFY(work.scene()->items().contains(mark));
    QCOMPARE(work.editor.child<QSlider>("zoom_slider")->value(), 300);

    // The work is still there to be saved somewhere that can take it.
    if (failure == QLatin1String("picture gone"))
        QVERIFY(writeFile(picture, pictureBytes));
    const QString rescue = work.outPath(QStringLiteral("rescue.dld"));
    work.editor.saveAnswers << rescue;
    work.editor.saveAs();
    QCOMPARE(readBack(rescue).error, DocumentError::None);
    QCOMPARE(work.editor.windowTitle(), rescue);
    QVERIFY(!work.scene()->modified);
}

void TestSaveFlow::closeQuestion_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("asked");

    QTest::newRow("unmodified picture") << "nothing" << false;
    QTest::newRow("modified picture") << "modified" << true;
    QTest::newRow("modified, then exported to PNG") << "export" << true;
    QTest::newRow("modified, then saved as a document") << "document" << false;
    QTest::newRow("modified, then a failed document save") << "failed save" << true;
}

void TestSaveFlow::closeQuestion()
{
    QFETCH(QString, before);
    QFETCH(bool, asked);

    Workspace work;
    work.openPicture();
    work.scene()->modified = before != QLatin1String("nothing");
    if (before == QLatin1String("export")) {
        work.editor.saveAnswers << work.outPath(QStringLiteral("out.png"));
        work.editor.saveAs();
        QCOMPARE(work.written(), QStringList {"out.png"});
    } else if (before == QLatin1String("document")) {
        work.editor.saveAnswers << work.outPath(QStringLiteral("out"));
        work.editor.saveAs();
        QCOMPARE(work.written(), QStringList {"out.dld"});
    } else if (before == QLatin1String("failed save")) {
        PromptRecorder failure;
        work.editor.saveAnswers << work.outPath(QStringLiteral("missing/out"));
        work.editor.saveAs();
        QCOMPARE(failure.texts(), QStringList {"Could not open output file."});
    }

    QSignalSpy closing(&work.editor, &CMainWindow::windowClose);
    PromptRecorder prompts(QMessageBox::No);
    const bool accepted = sendClose(work.editor);

    QCOMPARE(prompts.prompts().size(), int(asked));
    QCOMPARE(accepted, !asked);
    QCOMPARE(closing.count(), int(!asked));
    if (asked) {
        const UserPrompt &prompt = prompts.prompts().first();
        QVERIFY(prompt.question);
        QCOMPARE(prompt.title, QStringLiteral("Dimlet"));
        QCOMPARE(prompt.text, QStringLiteral("discard all change?"));
        QCOMPARE(prompt.defaultButton, QMessageBox::Yes);
        QCOMPARE(prompt.parent.data(), &work.editor);
    }
}

void TestSaveFlow::closeAnswerIsRemembered_data()
{
    QTest::addColumn<bool>("answerYes");
    QTest::newRow("Yes closes and is not asked again") << true;
    QTest::newRow("No keeps the window and asks again") << false;
}

void TestSaveFlow::closeAnswerIsRemembered()
{
    QFETCH(bool, answerYes);

    Workspace work;
    work.openPicture();
    work.scene()->modified = true;
    PromptRecorder prompts(answerYes ? QMessageBox::Yes : QMessageBox::No);

    QCOMPARE(sendClose(work.editor), answerYes);
    QCOMPARE(sendClose(work.editor), answerYes);
    QCOMPARE(prompts.prompts().size(), answerYes ? 1 : 2);
}

void TestSaveFlow::closeWindowAction_data()
{
    QTest::addColumn<bool>("answerYes");
    QTest::newRow("Yes closes the window") << true;
    QTest::newRow("No keeps it open") << false;
}

void TestSaveFlow::closeWindowAction()
{
    QFETCH(bool, answerYes);

    Workspace work;
    work.editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&work.editor));
    work.openPicture();
    work.scene()->modified = true;
    PromptRecorder prompts(answerYes ? QMessageBox::Yes : QMessageBox::No);
    work.editor.child<QAction>("actionClose_Window")->trigger();

    QCOMPARE(prompts.texts(), QStringList {"discard all change?"});
    QCOMPARE(work.editor.isVisible(), !answerYes);
}

void TestSaveFlow::updateImage_data()
{
    QTest::addColumn<bool>("document");
    QTest::addColumn<bool>("answered");

    QTest::newRow("plain picture: title follows the new picture") << false << true;
    QTest::newRow("document: title stays its path") << true << true;
    QTest::newRow("cancelled: nothing changes") << true << false;
}

void TestSaveFlow::updateImage()
{
    QFETCH(bool, document);
    QFETCH(bool, answered);

    Workspace work;
    const QString path = document ? work.openDocument() : QString();
    if (!document)
        work.openPicture();
    const QString titleBefore = work.editor.windowTitle();
    const QString imageBefore = work.scene()->imagePath;
    QGraphicsItem *mark = addStandInMark(work.scene());
    work.scene()->modified = true;
    work.editor.child<QSlider>("zoom_slider")->setValue(250);
    const QString replacement
        = writePicture(work.pictures, QStringLiteral("bigger.png"), QSize(90, 70));
    if (answered)
        work.editor.openAnswers << replacement;
    PromptRecorder prompts;
    work.editor.child<QAction>("actionUpdate_Image")->trigger();

    QCOMPARE(work.editor.openFilters, QStringList {"Image Files (*.png *.jpg *.jpeg *.bmp)"});
    QVERIFY(prompts.prompts().isEmpty());
    QCOMPARE(work.scene()->imagePath, answered ? replacement : imageBefore);
    QCOMPARE(work.scene()->image.size(), answered ? QSize(90, 70) : QSize(64, 48));
    QCOMPARE(work.editor.windowTitle(),
        answered && !document ? QStringLiteral("bigger.png") : titleBefore);
    QVERIFY(work.scene()->items().contains(mark));
    QVERIFY(work.scene()->modified);
    QCOMPARE(work.editor.child<QSlider>("zoom_slider")->value(), 250);

    if (document) {
        // Save still goes to the document, now with the replacement picture inside.
        work.editor.child<QAction>("actionSave")->trigger();
        QCOMPARE(work.editor.saveDialogs, 0);
        DocumentReadResult back = readBack(path);
        QCOMPARE(back.error, DocumentError::None);
        QCOMPARE(fileBytes(back.picturePath), fileBytes(work.scene()->imagePath));
        QCOMPARE(QImage(back.picturePath).size(), answered ? QSize(90, 70) : QSize(64, 48));
    }
}

void TestSaveFlow::roundTrip()
{
    Workspace work;
    const QString picture = work.openPicture(QStringLiteral("screen.png"), QSize(45, 31));
    work.scene()->nextZValue = 12.0;
    work.editor.saveAnswers << work.outPath(QStringLiteral("trip"));
    work.editor.saveAs();
    const QString document = work.outPath(QStringLiteral("trip.dld"));

    TestableEditor reopened;
    PromptRecorder prompts;
    reopened.openFile(document);

    QVERIFY(prompts.prompts().isEmpty());
    QCOMPARE(reopened.windowTitle(), document);
    DLGraphicsScene *scene = reopened.canvasScene();
    QCOMPARE(scene->imagePath, joinPath(tempDirPath(), QStringLiteral("screen.png")));
    QCOMPARE(fileBytes(scene->imagePath), fileBytes(picture));
    QCOMPARE(scene->image, QImage(picture));
    QCOMPARE(scene->nextZValue, 12.0);
}

DIMLET_TEST_MAIN(TestSaveFlow)
#include "tst_saveflow.moc"
