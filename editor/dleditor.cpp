#include "dleditor.h"
#include "ui_dleditor.h"

#include "app/version.h"
#include "canvas/dlgraphicsscene.h"
#include "canvas/dlgraphicsview.h"
#include "dlcapturecontroller.h"
#include "editorfileflows.h"
#include "editorstyle.h"
#include "marks/dlgraphicsitemrenderer.h"
#include "settings/caboutdialog.h"
#include "settings/clanguagesetting.h"
#include "settings/dlsetting.h"
#include "settings/helpers.h"
#include "zoomsteps.h"

#include <QCloseEvent>

namespace {
constexpr int wheelZoomStep = 5;
constexpr int defaultZoomPercent = 100;
constexpr int minimumMoveButtonWidth = 46;
// checkToolButton index that matches none of the four measuring tools.
constexpr int noMeasureTool = 1000;
} // namespace

DLEditor::DLEditor(QWidget *parent)
    : CMainWindow(false, false, parent)
    , ui(new Ui::DLEditor)
{
    ui->setupUi(this);
    setStyleSheet(editorStyleSheet());
    setUnifiedTitleAndToolBarOnMac(true);
    setWindowIcon(applicationIcon());

    setAcceptFiles(true);
    setAcceptSuffixes({QStringLiteral("png"), QStringLiteral("bmp"), QStringLiteral("jpg"),
        QStringLiteral("jpeg"), QStringLiteral("dld")});

    ui->move_btn->hide();
    scene = new DLGraphicsScene(this);
    ui->editorView->setScene(scene);
    fileFlows = std::make_unique<EditorFileFlows>(this);

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

void DLEditor::replaceFileFlows(std::unique_ptr<EditorFileFlows> flows)
{
    fileFlows = std::move(flows);
}

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
    fileFlows->openFile(path);
}

void DLEditor::closeEvent(QCloseEvent *event)
{
    if (!fileFlows->answerClose(event))
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
    // Every tool or mode change ends Auto Detect, so a later press measures nothing.
    ui->editorView->endTrackMouseFreeMove();
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
    fileFlows->askForFileToOpen();
}

void DLEditor::on_save_btn_clicked()
{
    fileFlows->save();
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
    fileFlows->askForFileToOpen();
}

void DLEditor::on_actionSave_triggered()
{
    fileFlows->save();
}

void DLEditor::on_actionSave_As_triggered()
{
    fileFlows->saveAs();
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
    if (scene->toolType() == ToolLength && scene->mode() == ModeMark)
        ui->editorView->setTrackMouseFreeMove(true);
}

void DLEditor::on_actionFinish_Edit_triggered()
{
    scene->makeEditorFinishEditing();
}

void DLEditor::on_actionUpdate_Image_triggered()
{
    fileFlows->updateImage();
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
