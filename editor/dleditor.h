#pragma once

#include "app/cmainwindow.h"
#include "marks/markrecord.h"

#include <QImage>
#include <QUrl>

#include <memory>

class QCloseEvent;
class QDialog;
class DLGraphicsScene;
class DLGraphicsView;

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

    // Reads the document at path: replaces records with its marks, sets zValue to its next
    // z-value and returns the extracted picture's path; empty after a failure, whose
    // message has then been shown.
    QString readDocument(const QString &path, MarkRecordList *records, double *zValue);
    // Writes the picture and the marks as a document; on success it becomes the open
    // document. A failure shows its message and leaves the old file and the editor as they were.
    bool writeDocument(const QString &path);
    QImage buildExportImage();
    bool exportImage(const QImage &image, const QString &path);
    void saveAs();

    DLGraphicsScene *canvasScene() const { return scene; }
    DLGraphicsView *canvasView() const;

public slots:
    void handleAppOpenURL(const QUrl &fileurl);

protected:
    void closeEvent(QCloseEvent *event) override;
    void acceptFiles(const QVector<QString> &files) override;

    // The file dialogs and the success note; tests answer them without a human.
    virtual QString askOpenFileName(const QString &filter);
    virtual QString askSaveFileName();
    virtual void showSavedNote();

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
    bool hasImage() const;
    void selectMeasureTool(int index);
    void selectMoveTool();
    void zoomIn();
    void zoomOut();
    void zoomBy(int percent);
    void askForFileToOpen();
    void save();
    void updateImage();
    void abandonFailedOpen();
    void growWindowToShowScene();
    void openSettings();
    void applySettingsChanges(int mask);
    int moveButtonWidth() const;

    std::unique_ptr<Ui::DLEditor> ui;
    QString documentPath;
    DLGraphicsScene *scene = nullptr;
    bool closeConfirmed = false;
};
