#include "dleditor.h"
#include "ui_dleditor.h"

#include "app/calertmsgbox.h"
#include "app/userprompt.h"
#include "app/version.h"
#include "canvas/dlgraphicsscene.h"
#include "canvas/dlgraphicsview.h"
#include "dlcapturecontroller.h"
#include "dldocument.h"
#include "imageexport.h"
#include "marks/dlgraphicsitemrenderer.h"
#include "settings/caboutdialog.h"
#include "settings/clanguagesetting.h"
#include "settings/dlsetting.h"
#include "settings/helpers.h"
#include "windowgrowth.h"
#include "zoomsteps.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QIcon>

namespace {
constexpr int wheelZoomStep = 5;
constexpr int defaultZoomPercent = 100;
constexpr int minimumMoveButtonWidth = 46;
// checkToolButton index that matches none of the four measuring tools.
constexpr int noMeasureTool = 1000;
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

const char *const windowStyleSheet
    = ".QWidget { background-color: rgb(40,43,53); }\n"
      ".QToolButton { font-size: 11px; color: white; border: none; }\n"
      ".QToolButton:hover { font-size: 11px; border: 1px solid rgba(100, 100, 100, 150); "
      "border-radius: 3px; background-color: rgba(100, 100, 100, 150); }\n"
      ".QToolButton:pressed { font-size: 11px; border: 1px solid rgba(80, 80, 80, 150); "
      "border-radius: 3px; background-color: rgba(80, 80, 80, 150); }\n"
      ".QToolButton:checked { font-size: 11px; border: none; border-radius: 3px; "
      "background-color: rgb(60, 198, 74); }\n"
      "QFrame[frameShape=\"4\"] { color: black; }\n";

QIcon applicationIcon()
{
    QIcon icon;
    for (int side : {16, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/DL/images/DLAppIcon%1.png").arg(side), QSize(side, side));
    icon.addFile(QStringLiteral(":/DL/images/DLAppIcon.png"), QSize(256, 256));
    return icon;
}
} // namespace

DLEditor::DLEditor(QWidget *parent)
    : CMainWindow(false, false, parent)
    , ui(new Ui::DLEditor)
{
    ui->setupUi(this);
    setStyleSheet(QLatin1String(windowStyleSheet));
    setUnifiedTitleAndToolBarOnMac(true);
    setWindowIcon(applicationIcon());

    setAcceptFiles(true);
    setAcceptSuffixes({QStringLiteral("png"), QStringLiteral("bmp"), QStringLiteral("jpg"),
        QStringLiteral("jpeg"), QStringLiteral("dld")});

    ui->move_btn->hide();
    scene = new DLGraphicsScene(this);
    ui->editorView->setScene(scene);

    ui->zoom_slider->setMinimum(10);
    ui->zoom_slider->setMaximum(400);
    ui->zoom_slider->setValue(defaultZoomPercent);
    ui->move_btn->setFixedWidth(moveButtonWidth());

    connect(scene, &DLGraphicsScene::textEditStateChanged, this, &DLEditor::myEditStateChanged);
    connect(ui->zoom_slider, &QSlider::valueChanged, this, &DLEditor::setupMatrix);
    DLGraphicsView *view = ui->editorView;
    connect(view, &DLGraphicsView::fangda, this, &DLEditor::fangdaAction);
    connect(view, &DLGraphicsView::suoxiao, this, &DLEditor::suoxiaoAction);
    connect(view, &DLGraphicsView::trackMouseFreeMovePosChanged, scene,
        &DLGraphicsScene::onTrackMouseFreeMovePosChanged);
    connect(view, &DLGraphicsView::trackMouseFreeMoveStart, scene,
        &DLGraphicsScene::onTrackMouseFreeMoveStart);
    connect(view, &DLGraphicsView::trackMouseFreeMoveEnd, scene,
        &DLGraphicsScene::onTrackMouseFreeMoveEnd);

    selectMoveTool();
    setWindowTitle(productName());
    setEmptyState(true);
    ui->actionFinish_Edit->setEnabled(false);
    new DLCaptureController(this);
}

DLEditor::~DLEditor() = default;

DLGraphicsView *DLEditor::canvasView() const
{
    return ui->editorView;
}

int DLEditor::moveButtonWidth() const
{
    // A translation widens the button for a longer word by giving a number as its text.
    const int translated = tr("MoveEditFixSize").toInt(nullptr, 10);
    return qMax(translated, minimumMoveButtonWidth);
}

void DLEditor::handleAppOpenURL(const QUrl &fileurl)
{
    openFile(fileurl.toLocalFile());
}

void DLEditor::acceptFiles(const QVector<QString> &files)
{
    if (!files.isEmpty())
        openFile(files.first());
}

void DLEditor::openFile(const QString &path)
{
    if (scene->hasMarks() && !askYesNo(this, QString(), tr("Replace current document?")))
        return;
    resetDocument();

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

    setWindowTitle(documentPath.isEmpty() ? fileNameOf(picturePath) : documentPath);
    scene->loadDocument(records, picturePath, zValue);
    clearMarkRecords(records);
    if (!ui->zoom_slider->isEnabled())
        setEmptyState(false);
    if (!ui->editorView->isInteractive())
        selectMoveTool();
    growWindowToShowScene();
}

// The canvas was reset before the read; the window goes back to how it starts, with
// nothing that Save could write.
void DLEditor::abandonFailedOpen()
{
    documentPath.clear();
    scene->imagePath.clear();
    scene->image = QImage();
    setWindowTitle(productName());
    // The reset removed any drop hint, so this shows exactly one.
    setEmptyState(true);
    // The last picture's scene rectangle would leave the hint off centre between scroll bars.
    scene->setSceneRect(scene->itemsBoundingRect());
    selectMoveTool();
}

void DLEditor::growWindowToShowScene()
{
    const QSize sceneSize = scene->sceneRect().toRect().size();
    const QRect current = geometry();
    const QRect grown
        = grownWindowGeometry(current, ui->editorView->size(), sceneSize, screenSize());
    if (grown != current)
        setGeometry(grown);
}

QString DLEditor::readDocument(const QString &path, MarkRecordList *records, double *zValue)
{
    DocumentReadResult result = readDocumentFile(path, tempDirPath());
    *zValue = result.zValue;
    clearMarkRecords(*records);
    *records = result.takeRecords();
    if (result.error != DocumentError::None)
        showMessage(documentErrorMessage(result.error, result.minVersionCode));
    return result.picturePath;
}

bool DLEditor::writeDocument(const QString &path)
{
    MarkRecordList records;
    scene->collectMarkRecords(&records);
    const DocumentError error
        = writeDocumentFile(path, scene->imagePath, records, scene->nextZValue);
    clearMarkRecords(records);
    if (error != DocumentError::None) {
        showMessage(documentErrorMessage(error));
        return false;
    }
    documentPath = path;
    setWindowTitle(path);
    scene->modified = false;
    return true;
}

QImage DLEditor::buildExportImage()
{
    return ::buildExportImage(scene);
}

bool DLEditor::exportImage(const QImage &image, const QString &path)
{
    return ::exportImage(image, path);
}

void DLEditor::save()
{
    if (!hasImage())
        return;
    if (documentPath.isEmpty())
        saveAs();
    else
        writeDocument(documentPath);
}

void DLEditor::saveAs()
{
    if (!hasImage())
        return;
    QString path = askSaveFileName();
    if (path.isEmpty())
        return;
    const bool exporting = isExportPath(path);
    if (!exporting && !path.endsWith(documentSuffix))
        path += documentSuffix;
    if (fileExists(path) && !askYesNo(this, QString(), tr("File Existed. Replace?")))
        return;
    const bool written = exporting ? exportImage(buildExportImage(), path) : writeDocument(path);
    if (written)
        showSavedNote();
}

void DLEditor::updateImage()
{
    if (!hasImage())
        return;
    const QString path
        = askOpenFileName(tr("Image Files") + QLatin1String(" (*.png *.jpg *.jpeg *.bmp)"));
    if (path.isEmpty())
        return;
    scene->loadImage(path);
    scene->refreshColorPicks();
    if (documentPath.isEmpty())
        setWindowTitle(fileNameOf(path));
}

QString DLEditor::askOpenFileName(const QString &filter)
{
    return QFileDialog::getOpenFileName(this, tr("Open Image"), homeDirPath(), filter);
}

QString DLEditor::askSaveFileName()
{
    return QFileDialog::getSaveFileName(this, tr("Save file"), homeDirPath(),
        tr("DLD File (*.dld);;PNG (*.png);;JPEG (*.jpeg);;JPG (*.jpg);;BMP Files (*.bmp)"));
}

void DLEditor::showSavedNote()
{
    CAlertMsgBox note;
    note.setText(tr("Save success!"));
    note.showFor(savedNoteMilliseconds);
}

void DLEditor::closeEvent(QCloseEvent *event)
{
    if (!closeConfirmed && scene->modified) {
        closeConfirmed = askYesNo(this, productName(), tr("discard all change?"), QMessageBox::Yes);
        if (closeConfirmed)
            event->accept();
        else
            event->ignore();
        return;
    }
    CMainWindow::closeEvent(event);
}

void DLEditor::resetDocument()
{
    setWindowTitle(productName());
    ui->zoom_slider->setValue(defaultZoomPercent);
    scene->clearCanvas();
    scene->clearUndo();
}

void DLEditor::setEmptyState(bool empty)
{
    scene->setEmptyState(empty);
    ui->move_btn->setHidden(empty);
    const bool loaded = !empty;
    const QList<QWidget *> widgets {ui->zoomin_btn, ui->zoomout_btn, ui->zoom_slider,
        ui->zoomfit_btn, ui->ruler_btn, ui->colorpick_btn, ui->rect_btn, ui->comment_btn,
        ui->save_btn};
    for (QWidget *widget : widgets)
        widget->setEnabled(loaded);
    const QList<QAction *> actions {ui->actionUpdate_Image, ui->actionSave, ui->actionSave_As,
        ui->actionZoom_In, ui->actionZoom_Out, ui->actionFit_Size, ui->actionLength, ui->actionRect,
        ui->actionPick_Color, ui->actionComment, ui->actionMove_Edit};
    for (QAction *action : actions)
        action->setEnabled(loaded);
}

bool DLEditor::hasImage() const
{
    return ui->zoom_slider->isEnabled();
}

void DLEditor::checkToolButton(int index)
{
    const QList<QToolButton *> tools {
        ui->ruler_btn, ui->rect_btn, ui->colorpick_btn, ui->comment_btn};
    for (int i = 0; i < tools.size(); ++i)
        tools.at(i)->setChecked(i == index);
    ui->move_btn->setChecked(false);
}

void DLEditor::selectMeasureTool(int index)
{
    checkToolButton(index);
    scene->setToolType(static_cast<DLToolType>(index));
    ui->editorView->setDragMode(QGraphicsView::NoDrag);
    ui->editorView->setInteractive(true);
    scene->setMode(ModeMark);
}

void DLEditor::selectMoveTool()
{
    checkToolButton(noMeasureTool);
    ui->move_btn->setChecked(true);
    ui->editorView->setDragMode(QGraphicsView::ScrollHandDrag);
    ui->editorView->setInteractive(false);
    scene->setMode(ModeMove);
    scene->finishEditingAndDeselect();
}

void DLEditor::setupMatrix()
{
    scene->setScale(ui->zoom_slider->value() / 100.0, ui->editorView);
}

void DLEditor::zoomIn()
{
    if (hasImage())
        ui->zoom_slider->setValue(zoomInPercent(ui->zoom_slider->value()));
}

void DLEditor::zoomOut()
{
    if (hasImage())
        ui->zoom_slider->setValue(zoomOutPercent(ui->zoom_slider->value()));
}

void DLEditor::zoomBy(int percent)
{
    if (hasImage())
        ui->zoom_slider->setValue(ui->zoom_slider->value() + percent);
}

void DLEditor::fangdaAction()
{
    zoomBy(wheelZoomStep);
}

void DLEditor::suoxiaoAction()
{
    zoomBy(-wheelZoomStep);
}

void DLEditor::myEditStateChanged(bool editing)
{
    ui->actionFinish_Edit->setEnabled(editing);
}

void DLEditor::askForFileToOpen()
{
    const QString path
        = askOpenFileName(tr("Image Files") + QLatin1String(" (*.png *.jpg *.jpeg *.bmp *.dld)"));
    if (!path.isEmpty())
        openFile(path);
}

void DLEditor::runDialog(QDialog *dialog)
{
    dialog->exec();
}

int DLEditor::runSettingsDialog()
{
    DLSetting dialog(this);
    runDialog(&dialog);
    return dialog.changes();
}

void DLEditor::openSettings()
{
    const int mask = runSettingsDialog();
    if (mask > 0)
        applySettingsChanges(mask);
}

void DLEditor::applySettingsChanges(int mask)
{
    // While empty the canvas keeps its own dark background.
    if ((mask & ChangedBackground) && hasImage())
        ui->editorView->setBackgroundBrush(DLSetting::backgroundBrush());
    DLGraphicsItemRenderer::setMarkColor(DLSetting::markColor());
    DLGraphicsItemRenderer::setColorFormat(DLSetting::colorFormat());
    DLGraphicsItemRenderer::setMacProfile(DLSetting::macProfile());
    scene->applySettingsChanges(mask);
}

void DLEditor::on_open_btn_clicked()
{
    askForFileToOpen();
}

void DLEditor::on_save_btn_clicked()
{
    save();
}

void DLEditor::on_ruler_btn_clicked()
{
    selectMeasureTool(ToolLength);
}

void DLEditor::on_rect_btn_clicked()
{
    selectMeasureTool(ToolRect);
}

void DLEditor::on_colorpick_btn_clicked()
{
    selectMeasureTool(ToolColorPick);
}

void DLEditor::on_comment_btn_clicked()
{
    selectMeasureTool(ToolComment);
}

void DLEditor::on_move_btn_clicked()
{
    selectMoveTool();
}

void DLEditor::on_zoomin_btn_clicked()
{
    zoomIn();
}

void DLEditor::on_zoomout_btn_clicked()
{
    zoomOut();
}

void DLEditor::on_zoomfit_btn_clicked()
{
    ui->zoom_slider->setValue(defaultZoomPercent);
}

void DLEditor::on_setting_btn_clicked()
{
    openSettings();
}

void DLEditor::on_actionLength_triggered()
{
    selectMeasureTool(ToolLength);
}

void DLEditor::on_actionRect_triggered()
{
    selectMeasureTool(ToolRect);
}

void DLEditor::on_actionPick_Color_triggered()
{
    selectMeasureTool(ToolColorPick);
}

void DLEditor::on_actionComment_triggered()
{
    selectMeasureTool(ToolComment);
}

void DLEditor::on_actionMove_Edit_triggered()
{
    selectMoveTool();
}

void DLEditor::on_actionOpen_File_triggered()
{
    askForFileToOpen();
}

void DLEditor::on_actionSave_triggered()
{
    save();
}

void DLEditor::on_actionSave_As_triggered()
{
    saveAs();
}

void DLEditor::on_actionZoom_In_triggered()
{
    zoomIn();
}

void DLEditor::on_actionZoom_Out_triggered()
{
    zoomOut();
}

void DLEditor::on_actionFit_Size_triggered()
{
    ui->zoom_slider->setValue(defaultZoomPercent);
}

void DLEditor::on_actionUndo_triggered()
{
    scene->undo();
}

void DLEditor::on_actionRedo_triggered()
{
    scene->redo();
}

void DLEditor::on_actionDelete_triggered()
{
    scene->deleteSelectedMarks();
}

void DLEditor::on_actionAutoDetect_triggered()
{
    if (scene->toolType == ToolLength && scene->mode == ModeMark)
        ui->editorView->setTrackMouseFreeMove(true);
}

void DLEditor::on_actionFinish_Edit_triggered()
{
    scene->makeEditorFinishEditing();
}

void DLEditor::on_actionUpdate_Image_triggered()
{
    updateImage();
}

void DLEditor::on_actionSetting_triggered()
{
    openSettings();
}

void DLEditor::on_actionLanguage_triggered()
{
    CLanguageSetting dialog(this);
    runDialog(&dialog);
}

void DLEditor::on_actionClose_Window_triggered()
{
    close();
}

void DLEditor::on_actionAbout_App_triggered()
{
    CAboutDialog dialog(this);
    dialog.setAppInfo(productName(), appVersionText());
    dialog.setContents(readTextFile(QStringLiteral(":/DL/res/about_contents.html")));
    runDialog(&dialog);
}
