#include "editorfileflows.h"

#include "app/calertmsgbox.h"
#include "app/userprompt.h"
#include "canvas/dlgraphicsscene.h"
#include "canvas/dlgraphicsview.h"
#include "dldocument.h"
#include "dleditor.h"
#include "imageexport.h"
#include "settings/helpers.h"
#include "windowgrowth.h"

#include <QCloseEvent>
#include <QFileDialog>

namespace {
constexpr int savedNoteMilliseconds = 1000;

const QLatin1String documentSuffix(".dld");
// Tested in this order and case-sensitively: "shot.PNG" is saved as a document.
const QLatin1String exportSuffixes[]
    = {QLatin1String(".png"), QLatin1String(".jpeg"), QLatin1String(".jpg"), QLatin1String(".bmp")};

bool isExportPath(const QString &path)
{
    for (const QLatin1String &suffix : exportSuffixes) {
        if (path.endsWith(suffix))
            return true;
    }
    return false;
}
} // namespace

EditorFileFlows::EditorFileFlows(DLEditor *window)
    : window(window)
    , scene(window->canvasScene())
{
}

EditorFileFlows::~EditorFileFlows() = default;

void EditorFileFlows::openFile(const QString &path)
{
    if (scene->hasMarks()
        && !askYesNo(window, QString(), DLEditor::tr("Replace current document?")))
        return;
    window->resetDocument();

    QString picturePath = path;
    MarkRecordList records;
    double zValue = 0.0;
    if (path.endsWith(documentSuffix)) {
        documentPath = path;
        picturePath = readDocument(path, &records, &zValue);
        if (picturePath.isEmpty()) {
            clearMarkRecords(records);
            abandonFailedOpen();
            return;
        }
    } else {
        documentPath.clear();
    }

    window->setWindowTitle(documentPath.isEmpty() ? fileNameOf(picturePath) : documentPath);
    scene->loadDocument(records, picturePath, zValue);
    clearMarkRecords(records);
    if (!window->hasImage())
        window->setEmptyState(false);
    if (!window->canvasView()->isInteractive())
        window->selectMoveTool();
    growWindowToShowScene();
}

// The canvas was reset before the read; the window goes back to how it starts, with
// nothing that Save could write.
void EditorFileFlows::abandonFailedOpen()
{
    documentPath.clear();
    scene->forgetImage();
    window->setWindowTitle(productName());
    // The reset removed any drop hint, so this shows exactly one.
    window->setEmptyState(true);
    // The last picture's scene rectangle would leave the hint off centre between scroll bars.
    scene->setSceneRect(scene->itemsBoundingRect());
    window->selectMoveTool();
}

void EditorFileFlows::growWindowToShowScene()
{
    const QSize sceneSize = scene->sceneRect().toRect().size();
    const QRect current = window->geometry();
    const QRect grown
        = grownWindowGeometry(current, window->canvasView()->size(), sceneSize, screenSize());
    if (grown != current)
        window->setGeometry(grown);
}

QString EditorFileFlows::readDocument(const QString &path, MarkRecordList *records, double *zValue)
{
    DocumentReadResult result = readDocumentFile(path, tempDirPath());
    *zValue = result.zValue;
    clearMarkRecords(*records);
    *records = result.takeRecords();
    if (result.error != DocumentError::None)
        showMessage(documentErrorMessage(result.error, result.minVersionCode));
    return result.picturePath;
}

bool EditorFileFlows::writeDocument(const QString &path)
{
    MarkRecordList records;
    scene->collectMarkRecords(&records);
    const DocumentError error
        = writeDocumentFile(path, scene->imagePath(), records, scene->nextZValue());
    clearMarkRecords(records);
    if (error != DocumentError::None) {
        showMessage(documentErrorMessage(error));
        return false;
    }
    documentPath = path;
    window->setWindowTitle(path);
    scene->setModified(false);
    return true;
}

void EditorFileFlows::askForFileToOpen()
{
    const QString path = askOpenFileName(
        DLEditor::tr("Image Files") + QLatin1String(" (*.png *.jpg *.jpeg *.bmp *.dld)"));
    if (!path.isEmpty())
        openFile(path);
}

void EditorFileFlows::save()
{
    if (!window->hasImage())
        return;
    if (documentPath.isEmpty())
        saveAs();
    else
        writeDocument(documentPath);
}

void EditorFileFlows::saveAs()
{
    if (!window->hasImage())
        return;
    QString path = askSaveFileName();
    if (path.isEmpty())
        return;
    const bool exporting = isExportPath(path);
    if (!exporting && !path.endsWith(documentSuffix))
        path += documentSuffix;
    if (fileExists(path) && !askYesNo(window, QString(), DLEditor::tr("File Existed. Replace?")))
        return;
    const bool written
        = exporting ? exportImage(buildExportImage(scene), path) : writeDocument(path);
    if (written)
        showSavedNote();
}

void EditorFileFlows::updateImage()
{
    if (!window->hasImage())
        return;
    const QString path = askOpenFileName(
        DLEditor::tr("Image Files") + QLatin1String(" (*.png *.jpg *.jpeg *.bmp)"));
    if (path.isEmpty())
        return;
    scene->loadImage(path);
    scene->refreshColorPicks();
    if (documentPath.isEmpty())
        window->setWindowTitle(fileNameOf(path));
}

bool EditorFileFlows::answerClose(QCloseEvent *event)
{
    if (closeConfirmed || !scene->isModified())
        return false;
    closeConfirmed
        = askYesNo(window, productName(), DLEditor::tr("discard all change?"), QMessageBox::Yes);
    event->setAccepted(closeConfirmed);
    return true;
}

QString EditorFileFlows::askOpenFileName(const QString &filter)
{
    return QFileDialog::getOpenFileName(window, DLEditor::tr("Open Image"), homeDirPath(), filter);
}

QString EditorFileFlows::askSaveFileName()
{
    return QFileDialog::getSaveFileName(window, DLEditor::tr("Save file"), homeDirPath(),
        DLEditor::tr(
            "DLD File (*.dld);;PNG (*.png);;JPEG (*.jpeg);;JPG (*.jpg);;BMP Files (*.bmp)"));
}

void EditorFileFlows::showSavedNote()
{
    CAlertMsgBox note;
    note.setText(DLEditor::tr("Save success!"));
    note.showFor(savedNoteMilliseconds);
}
