#pragma once

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRect>

class QAction;
class QActionGroup;
class QGraphicsScene;
class QMenu;
class DLEditor;
class RegionSelector;
class ScreenGrabber;

// Pictures in and out of the editor beyond files: screen captures, the clipboard's picture
// or file, and copies of the exported image or of the selected marks' texts. Its actions
// follow the editor's own in the Edit menu; what it opens goes through the editor's open
// routine exactly as a file does.
class DLCaptureController : public QObject
{
    Q_OBJECT
public:
    explicit DLCaptureController(DLEditor *editor);

private slots:
    void captureRegion();
    void captureScreen();
    void onGrabbed(const QImage &picture, qreal devicePixelRatio, const QRect &screen);
    void onGrabFailed(const QString &message);
    void copyTexts();
    void copyImage();
    void paste();
    void updateCopyAction();
    void updateCopyImageAction();
    void updatePasteAction();

private:
    void addActions(QMenu *menu);
    QAction *addAction(QMenu *menu, const char *objectName, const QString &text,
        const QString &shortcut, void (DLCaptureController::*slot)());
    QMenu *addDelayMenu(QMenu *menu);
    void startCapture(bool region);
    void endCapture();
    // Keeps picture in the temporary folder and opens it like a picture file.
    void openPicture(const QImage &picture, const QString &stem, qreal devicePixelRatio);
    bool acceptsFile(const QString &path) const;

    DLEditor *editor;
    QGraphicsScene *scene;
    ScreenGrabber *grabber;
    QPointer<RegionSelector> selector;
    QAction *copyAction = nullptr;
    QAction *copyImageAction = nullptr;
    QAction *pasteAction = nullptr;
    QAction *saveAsAction = nullptr;
    QActionGroup *delays = nullptr;
    bool capturing = false;
    bool regionWanted = false;
};
