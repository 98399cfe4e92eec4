#include "testsupport.h"

#include "../cli/clifixtures.h"
#include "xvfbdisplay.h"

#include <QScreen>
#include <QStandardPaths>

// A desktop that asks for 120 dpi and full hinting: the editor's export of a document and the
// command line's rendering of it, drawn offscreen, have the same pixels; the canvas keeps the
// desktop's labels.
class RenderOnDesktop : public QObject
{
    Q_OBJECT

private slots:
    void editorExportMatchesCommandLine();
};

void RenderOnDesktop::editorExportMatchesCommandLine()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("no X server to run on");
    QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInchY(), 120.0);
    QTemporaryDir dir;
    QImage picture(400, 300, QImage::Format_ARGB32);
    picture.fill(QColor(30, 90, 160));
    const QString document = dir.filePath("marks.dld");
    QVERIFY(writeDocument(document, picture, true));

    QTemporaryDir extraction;
    const DocumentReadResult read = readDocumentFile(document, extraction.path());
    QVERIFY(read.error == DocumentError::None);
    DLGraphicsScene scene;
    QGraphicsView view(&scene);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QVERIFY(scene.loadDocument(read.records, read.picturePath, read.zValue));
    const QRectF shown = scene.itemsBoundingRect();
    QVERIFY(exportImage(buildExportImage(&scene), dir.filePath("editor.png")));
    QCOMPARE(scene.itemsBoundingRect(), shown);

    const ProgramRun run
        = runProgram("dimlet-render", {document, dir.filePath("render.png")}, extraction.path());
    QCOMPARE(run.exitCode, 0);
    const QImage editor(dir.filePath("editor.png")), rendered(dir.filePath("render.png"));
    QCOMPARE(editor.size(), picture.size());
    QCOMPARE(rendered.size(), picture.size());
    int differing = 0;
    for (int y = 0; y < editor.height(); ++y)
        for (int x = 0; x < editor.width(); ++x)
            differing += editor.pixel(x, y) != rendered.pixel(x, y);
    QCOMPARE(differing, 0);
}

int main(int argc, char *argv[])
{
    XvfbDisplay display;
    QString error;
    if (!QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()
        && display.start(QSize(800, 600), &error)
        && display.setResources("Xft.dpi:\t120\nXft.hintstyle:\thintfull\n"
                                "Xft.antialias:\t1\nXft.rgba:\trgb\n")) {
        qputenv("DISPLAY", display.name().toLatin1());
        qputenv("QT_QPA_PLATFORM", "xcb");
        // Desktops whose font settings the toolkit takes from the resources above.
        qputenv("XDG_CURRENT_DESKTOP", "GNOME");
    }
    prepareTestEnvironment();
    QApplication app(argc, argv);
    // The command line runs as users run it: offscreen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    PromptRecorder unexpectedPrompts(QMessageBox::No);
    RenderOnDesktop tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_e2erender.moc"
