#pragma once

#include "editor/documentfixtures.h"

#include "canvas/dlgraphicsscene.h"
#include "editor/dldocument.h"
#include "editor/imageexport.h"

#include <QGraphicsView>
#include <QProcess>
#include <QTemporaryDir>

struct ProgramRun
{
    int exitCode = -1;
    QString standardError;
};

// Runs a program of the build with its own temporary directory, so a test sees what it leaves.
inline ProgramRun runProgram(const QString &name, const QStringList &arguments, const QString &tmp)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TMPDIR", tmp);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(DIMLET_BUILD_DIR "/") + name, arguments);
    const bool finished
        = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
    return {
        finished ? process.exitCode() : -1, QString::fromLocal8Bit(process.readAllStandardError())};
}

// A document of the program's own writer holding picture and, when asked, one mark of every
// kind inside a picture of at least 160 x 120.
inline bool writeDocument(const QString &path, const QImage &picture, bool withMarks)
{
    const QString picturePath = path + ".png";
    const QVector<MarkRecord> marks {{0, 1, {10, 100}, {110, 100}, "", -1},
        {1, 2, {30, 30}, {90, 70}, "", -1}, {2, 3, {120, 50}, {120, 50}, "", -1},
        {3, 4, {60, 80}, {130, 60}, "Gap 8 px", 80}};
    MarkRecordList records;
    for (const MarkRecord &mark : withMarks ? marks : QVector<MarkRecord>())
        records.append(new MarkRecord(mark));
    const bool written = picture.save(picturePath)
        && writeDocumentFile(path, picturePath, records, 5.0) == DocumentError::None;
    clearMarkRecords(records);
    return written && QFile::remove(picturePath);
}

// What the editor exports for a document shown zoomed in a view; null when it cannot be read.
inline QImage editorExport(const QString &path)
{
    QTemporaryDir extraction;
    const DocumentReadResult document = readDocumentFile(path, extraction.path());
    DLGraphicsScene scene;
    QGraphicsView view(&scene);
    if (document.error != DocumentError::None
        || !scene.loadDocument(document.records, document.picturePath, document.zValue))
        return QImage();
    scene.setScale(3.0, &view);
    return buildExportImage(&scene);
}
