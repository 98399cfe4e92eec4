#pragma once

#include "app/cmainwindow.h"

#include <QUrl>

#include <memory>

class QCloseEvent;
class QDialog;
class DLGraphicsScene;
class DLGraphicsView;
class EditorFileFlows;

namespace Ui {
class DLEditor;
}

// The program's one main window: the canvas, the bar of tool buttons with the zoom
// slider, and the menus. It turns commands into calls on the scene and the view.
class DLEditor : public CMainWindow
{
    Q_OBJECT
public:
    explicit DLEditor(QWidget *parent = nullptr);
    ~DLEditor() override;

    void openFile(const QString &path);
    void setEmptyState(bool empty);
    void checkToolButton(int index);
    void resetDocument();
    void selectMoveTool();
    // The zoom slider's enabled state doubles as the flag for a loaded picture.
    bool hasImage() const;

    DLGraphicsScene *canvasScene() const { return scene; }
    DLGraphicsView *canvasView() const;

public slots:
    void handleAppOpenURL(const QUrl &fileurl);

protected:
    void closeEvent(QCloseEvent *event) override;
    void acceptFiles(const QVector<QString> &files) override;

    // Tests put in file flows whose dialogs answer without a human.
    void replaceFileFlows(std::unique_ptr<EditorFileFlows> flows);

    // Runs the settings dialog and returns its change mask.
    virtual int runSettingsDialog();
    // Runs a dialog modally; tests replace it so no dialog waits for a human.
    virtual void runDialog(QDialog *dialog);

private slots:
    void myEditStateChanged(bool editing);
    void setupMatrix();
    void fangdaAction();
    void suoxiaoAction();
    void on_open_btn_clicked();
    void on_save_btn_clicked();
    void on_ruler_btn_clicked();
    void on_rect_btn_clicked();
    void on_colorpick_btn_clicked();
    void on_comment_btn_clicked();
    void on_move_btn_clicked();
    void on_zoomin_btn_clicked();
    void on_zoomout_btn_clicked();
    void on_zoomfit_btn_clicked();
    void on_setting_btn_clicked();
    void on_actionLength_triggered();
    void on_actionRect_triggered();
    void on_actionPick_Color_triggered();
    void on_actionComment_triggered();
    void on_actionMove_Edit_triggered();
    void on_actionOpen_File_triggered();
    void on_actionSave_triggered();
    void on_actionSave_As_triggered();
    void on_actionZoom_In_triggered();
    void on_actionZoom_Out_triggered();
    void on_actionFit_Size_triggered();
    void on_actionUndo_triggered();
    void on_actionRedo_triggered();
    void on_actionDelete_triggered();
    void on_actionAutoDetect_triggered();
    void on_actionFinish_Edit_triggered();
    void on_actionUpdate_Image_triggered();
    void on_actionSetting_triggered();
    void on_actionLanguage_triggered();
    void on_actionClose_Window_triggered();
    void on_actionAbout_App_triggered();

private:
    void selectMeasureTool(int index);
    void zoomIn();
    void zoomOut();
    void zoomBy(int percent);
    void openSettings();
    void applySettingsChanges(int mask);
    int moveButtonWidth() const;

    std::unique_ptr<Ui::DLEditor> ui;
    DLGraphicsScene *scene = nullptr;
    std::unique_ptr<EditorFileFlows> fileFlows;
};
