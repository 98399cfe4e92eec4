#pragma once

#include "marks/markrecord.h"

#include <QString>

class QCloseEvent;
class DLEditor;
class DLGraphicsScene;

// The editor window's file commands: open a picture or a document (dialog, drop or the
// desktop's request), replace the picture under the marks, save, save as (document or image
// export) and the question before closing over unsaved changes. It keeps the open document's
// path and the answer to that question; everything else it asks of the window and its scene.
class EditorFileFlows
{
public:
    explicit EditorFileFlows(DLEditor *window);
    virtual ~EditorFileFlows();

    void openFile(const QString &path);
    void askForFileToOpen();
    void updateImage();
    void save();
    void saveAs();
    // Asks before the window closes over unsaved changes; true when that answered the event.
    bool answerClose(QCloseEvent *event);

protected:
    // The file dialogs and the success note; tests answer them without a human.
    virtual QString askOpenFileName(const QString &filter);
    virtual QString askSaveFileName();
    virtual void showSavedNote();

private:
    // Reads the document at path: replaces records with its marks, sets zValue to its next
    // z-value and returns the extracted picture's path; empty after a failure, whose
    // message has then been shown.
    QString readDocument(const QString &path, MarkRecordList *records, double *zValue);
    // Writes the picture and the marks as a document; on success it becomes the open
    // document. A failure shows its message and leaves the old file and the editor as they were.
    bool writeDocument(const QString &path);
    void abandonFailedOpen();
    void growWindowToShowScene();

    DLEditor *window;
    DLGraphicsScene *scene;
    QString documentPath;
    bool closeConfirmed = false;
};
