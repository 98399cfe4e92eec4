#include "desktopsession.h"

#include "canvas/dlgraphicsscene.h"
#include "editor/dldocument.h"
#include "editor/imageexport.h"

#include <QGraphicsView>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>

// A desktop that asks for 120 dpi and full hinting: the editor's export of a document and the
// command line's rendering of it have the same pixels; the canvas keeps the desktop's labels.
class RenderOnDesktop : public QObject
{
    Q_OBJECT

private slots:
    void editorExportMatchesCommandLine()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP(qPrintable(DesktopSession::noDisplay));
        QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInchY(), 120.0);
        QTemporaryDir dir;
        QImage picture(400, 300, QImage::Format_ARGB32);
        picture.fill(QColor(30, 90, 160));
        QVERIFY(picture.save(dir.filePath("picture.png")));
        MarkRecordList records {new MarkRecord {0, 1, {10, 100}, {110, 100}, "", -1},
            new MarkRecord {1, 2, {30, 30}, {90, 70}, "", -1},
            new MarkRecord {2, 3, {120, 50}, {120, 50}, "", -1},
            new MarkRecord {3, 4, {60, 80}, {130, 60}, "Gap 8 px", 80}};
        const QString document = dir.filePath("marks.dld");
        QCOMPARE(writeDocumentFile(document, dir.filePath("picture.png"), records, 5.0),
            DocumentError::None);
        clearMarkRecords(records);

        QTemporaryDir extraction;
        DocumentReadResult read = readDocumentFile(document, extraction.path());
        QVERIFY(read.error == DocumentError::None);
        DLGraphicsScene scene;
        QGraphicsView view(&scene);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(scene.loadDocument(read.records, read.picturePath, read.zValue));
        const QRectF shown = scene.itemsBoundingRect();
        QVERIFY(exportImage(buildExportImage(&scene), dir.filePath("editor.png")));
        QCOMPARE(scene.itemsBoundingRect(), shown);

        // The command line runs as users run it: offscreen.
        QProcess render;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        render.setProcessEnvironment(environment);
        render.start(DIMLET_BUILD_DIR "/dimlet-render", {document, dir.filePath("render.png")});
        QVERIFY(render.waitForFinished(60000));
        QCOMPARE(render.exitCode(), 0);
        const QImage editor(dir.filePath("editor.png")), rendered(dir.filePath("render.png"));
        QCOMPARE(editor.size(), picture.size());
        QCOMPARE(rendered.convertToFormat(editor.format()), editor);
    }
};

// Xlib's macros (None, Bool) would clash with the names above.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

int main(int argc, char *argv[])
{
    QProcess server;
    DesktopSession::noDisplay = DesktopSession::startDisplay(&server);
    if (DesktopSession::noDisplay.isEmpty()) {
        // Desktops whose font settings the toolkit takes from the root window's resources.
        const QByteArray resources("Xft.dpi:\t120\nXft.hintstyle:\thintfull\nXft.antialias:\t1\n"
                                   "Xft.rgba:\trgb\n");
        // Held open to the end: the server forgets its resources when its last client leaves.
        static Display *connection = XOpenDisplay(nullptr);
        XChangeProperty(connection, DefaultRootWindow(connection),
            XInternAtom(connection, "RESOURCE_MANAGER", False), XA_STRING, 8, PropModeReplace,
            reinterpret_cast<const unsigned char *>(resources.constData()), resources.size());
        XSync(connection, False);
        qputenv("XDG_CURRENT_DESKTOP", "GNOME");
    }
    prepareTestEnvironment();
    QApplication app(argc, argv);
    RenderOnDesktop test;
    QTEST_SET_MAIN_SOURCE_PATH
    const int result = QTest::qExec(&test, argc, argv);
    server.terminate();
    server.waitForFinished();
    return result;
}

#include "tst_e2erender.moc"
