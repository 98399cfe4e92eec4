#pragma once

#include "editor/documentfixtures.h"
#include "editor/filefixtures.h"

#include "canvas/dlgraphicsscene.h"
#include "editor/dldocument.h"
#include "editor/imageexport.h"
#include "marks/dlmarktypes.h"

#include <QDir>
#include <QGraphicsView>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

// What the command-line programs are run with and what they leave.

inline QString programPath(const QString &name)
{
    return QDir(QStringLiteral(DIMLET_BUILD_DIR)).filePath(name);
}

struct ProgramRun
{
    bool finished = false;
    int exitCode = -1;
    QString standardError;
    QString standardOutput;
};

// Runs a program with its own temporary directory, so a test can see what it leaves there.
inline ProgramRun runProgram(
    const QString &name, const QStringList &arguments, const QString &temporaryDir)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), temporaryDir);
    process.setProcessEnvironment(environment);
    process.start(programPath(name), arguments);
    ProgramRun run;
    run.finished = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.standardError = QString::fromLocal8Bit(process.readAllStandardError());
    run.standardOutput = QString::fromLocal8Bit(process.readAllStandardOutput());
    return run;
}

// An empty directory of that name inside the test's scratch area.
inline QString freshDir(const QTemporaryDir &work, const QString &name)
{
    const QString path = work.filePath(name);
    QDir(path).removeRecursively();
    QDir().mkpath(path);
    return path;
}

inline QStringList entriesOf(const QString &dir)
{
    return QDir(dir).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Colour bands, a fully transparent top-left block and a half transparent top-right one:
// lost transparency and shifted pixels both show.
inline QImage bandedPicture(const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixelColor(x, y, QColor((x * 7) % 256, (y * 5) % 256, (x + y) % 256));
    }
    for (int y = 0; y < size.height() / 8; ++y) {
        for (int x = 0; x < size.width() / 8; ++x) {
            image.setPixelColor(x, y, Qt::transparent);
            image.setPixelColor(size.width() - 1 - x, y, QColor(0, 0, 255, 128));
        }
    }
    return image;
}

// Left half red, right half blue: what survives any scaling.
inline QImage halvesPicture(const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width() / 2; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    }
    return image;
}

// One mark of every kind, placed inside a picture of at least 160 x 120 and away from
// its top corners.
inline QVector<MarkRecord> marksOfEveryKind()
{
    QVector<MarkRecord> marks(4);
    marks[0].type = MarkLength;
    marks[0].idx = 1.0;
    marks[0].point1 = QPointF(10, 100);
    marks[0].point2 = QPointF(110, 100);
    marks[1].type = MarkRect;
    marks[1].idx = 2.0;
    marks[1].point1 = QPointF(30, 30);
    marks[1].point2 = QPointF(90, 70);
    marks[2].type = MarkColorPick;
    marks[2].idx = 3.0;
    marks[2].point1 = QPointF(120, 50);
    marks[2].point2 = QPointF(120, 50);
    marks[3].type = MarkComments;
    marks[3].idx = 4.0;
    marks[3].point1 = QPointF(60, 80);
    marks[3].point2 = QPointF(130, 60);
    marks[3].text = QStringLiteral("Gap 8 px");
    marks[3].maxw = 80.0;
    return marks;
}

// A document written by the program's own writer; the picture file is kept in sourceDir.
inline bool writeDocument(const QString &documentPath, const QString &sourceDir,
    const QImage &picture, const QString &pictureName, const QVector<MarkRecord> &marks)
{
    const QString picturePath = QDir(sourceDir).filePath(pictureName);
    if (!picture.save(picturePath))
        return false;
    MarkRecordList records;
    for (const MarkRecord &mark : marks)
        records.append(new MarkRecord(mark));
    const DocumentError error = writeDocumentFile(documentPath, picturePath, records, 5.0);
    clearMarkRecords(records);
    return error == DocumentError::None;
}

// The export the editor makes of a document: read it, load it into a scene shown zoomed in
// a view, and compose. Null when the document cannot be read.
inline QImage editorExport(const QString &documentPath)
{
    QTemporaryDir extraction;
    DocumentReadResult document = readDocumentFile(documentPath, extraction.path());
    if (document.error != DocumentError::None)
        return QImage();
    DLGraphicsScene scene;
    QGraphicsView view(&scene);
    view.resize(300, 200);
    scene.loadDocument(document.records, document.picturePath, document.zValue);
    scene.setScale(3.0, &view);
    return buildExportImage(&scene);
}
