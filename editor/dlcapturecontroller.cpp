#include "dlcapturecontroller.h"

#include "app/userprompt.h"
#include "canvas/dlgraphicsscene.h"
#include "capture/capturedelay.h"
#include "capture/capturefiles.h"
#include "capture/clipboardcontent.h"
#include "capture/regionselector.h"
#include "capture/screengrabber.h"
#include "dleditor.h"
#include "imageexport.h"
#include "marklabeltexts.h"
#include "settings/helpers.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QMenu>
#include <QTimer>

#include <algorithm>

namespace {
// Once the window is hidden, what it covered needs a moment to be drawn again.
constexpr int repaintMilliseconds = 300;
} // namespace

DLCaptureController::DLCaptureController(DLEditor *editor)
    : QObject(editor)
    , editor(editor)
    , scene(editor->canvasScene())
    , grabber(new ScreenGrabber(this))
{
    connect(grabber, &ScreenGrabber::grabbed, this, &DLCaptureController::onGrabbed);
    connect(grabber, &ScreenGrabber::failed, this, &DLCaptureController::onGrabFailed);
    if (QMenu *menu = editor->findChild<QMenu *>(QStringLiteral("menuedit")))
        addActions(menu);

    // Copy Image copies what Save As would export, so both are there at the same times.
    saveAsAction = editor->findChild<QAction *>(QStringLiteral("actionSave_As"));
    if (saveAsAction)
        connect(saveAsAction, &QAction::changed, this, &DLCaptureController::updateCopyImageAction);
    connect(scene, &QGraphicsScene::selectionChanged, this, &DLCaptureController::updateCopyAction);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
        &DLCaptureController::updatePasteAction);
    updateCopyAction();
    updateCopyImageAction();
    updatePasteAction();
}

void DLCaptureController::addActions(QMenu *menu)
{
    menu->addSeparator();
    addAction(menu, "actionCapture_Region", tr("Capture Region"), QStringLiteral("Ctrl+N"),
        &DLCaptureController::captureRegion);
    addAction(menu, "actionCapture_Screen", tr("Capture Screen"), QStringLiteral("Ctrl+Shift+N"),
        &DLCaptureController::captureScreen);
    menu->addMenu(addDelayMenu(menu));
    menu->addSeparator();
    copyAction = addAction(
        menu, "actionCopy", tr("Copy"), QStringLiteral("Ctrl+C"), &DLCaptureController::copyTexts);
    copyImageAction = addAction(menu, "actionCopy_Image", tr("Copy Image"),
        QStringLiteral("Ctrl+Shift+C"), &DLCaptureController::copyImage);
    pasteAction = addAction(
        menu, "actionPaste", tr("Paste"), QStringLiteral("Ctrl+V"), &DLCaptureController::paste);
}

QAction *DLCaptureController::addAction(QMenu *menu, const char *objectName, const QString &text,
    const QString &shortcut, void (DLCaptureController::*slot)())
{
    // Children of the window, like the window's own actions, so their keys work everywhere in it.
    auto *action = new QAction(text, editor);
    action->setObjectName(QLatin1String(objectName));
    action->setShortcut(QKeySequence(shortcut));
    action->setAutoRepeat(false);
    connect(action, &QAction::triggered, this, slot);
    menu->addAction(action);
    return action;
}

QMenu *DLCaptureController::addDelayMenu(QMenu *menu)
{
    auto *delayMenu = new QMenu(tr("Capture Delay"), menu);
    delayMenu->setObjectName(QStringLiteral("menuCapture_Delay"));
    delays = new QActionGroup(delayMenu);
    const int current = captureDelaySeconds();
    for (int seconds : captureDelayChoices()) {
        QAction *choice = delayMenu->addAction(seconds == 0 ? tr("No Delay")
                : seconds == 2                              ? tr("2 Seconds")
                                                            : tr("5 Seconds"));
        choice->setObjectName(QStringLiteral("actionCapture_Delay_%1").arg(seconds));
        choice->setCheckable(true);
        choice->setChecked(seconds == current);
        delays->addAction(choice);
        connect(choice, &QAction::triggered, this, [seconds] { setCaptureDelaySeconds(seconds); });
    }
    return delayMenu;
}

void DLCaptureController::captureRegion()
{
    startCapture(true);
}

void DLCaptureController::captureScreen()
{
    startCapture(false);
}

void DLCaptureController::startCapture(bool region)
{
    if (capturing)
        return;
    capturing = true;
    regionWanted = region;
    editor->hide();
    QTimer::singleShot(
        captureDelaySeconds() * 1000 + repaintMilliseconds, grabber, &ScreenGrabber::grab);
}

void DLCaptureController::onGrabbed(
    const QImage &picture, qreal devicePixelRatio, const QRect &screen)
{
    if (!regionWanted) {
        openPicture(picture, QStringLiteral("Screenshot"), devicePixelRatio);
        return;
    }
    selector = new RegionSelector(picture, devicePixelRatio, screen);
    selector->setWindowTitle(tr("Capture Region"));
    connect(selector, &RegionSelector::selected, this,
        [this, picture, devicePixelRatio](const QRect &region) {
            openPicture(picture.copy(region), QStringLiteral("Screenshot"), devicePixelRatio);
        });
    connect(selector, &RegionSelector::cancelled, this, &DLCaptureController::endCapture);
    selector->showFullScreen();
    selector->raise();
    selector->activateWindow();
}

void DLCaptureController::onGrabFailed(const QString &message)
{
    endCapture();
    showMessage(message, editor);
}

void DLCaptureController::endCapture()
{
    if (!capturing)
        return;
    capturing = false;
    editor->show();
    editor->raise();
    editor->activateWindow();
}

void DLCaptureController::openPicture(
    const QImage &picture, const QString &stem, qreal devicePixelRatio)
{
    const QString name = captureFileName(stem, QDateTime::currentDateTime(), devicePixelRatio);
    const QString path = keepCapture(picture, tempDirPath(), name);
    endCapture();
    if (path.isEmpty()) {
        showMessage(tr("The picture could not be kept in the temporary folder."), editor);
        return;
    }
    editor->openFile(path);
}

void DLCaptureController::copyTexts()
{
    const QString texts = selectedMarkTexts(scene);
    if (!texts.isEmpty())
        QApplication::clipboard()->setText(texts);
}

void DLCaptureController::copyImage()
{
    const QImage image = buildExportImage(editor->canvasScene());
    if (!image.isNull())
        QApplication::clipboard()->setImage(image);
}

void DLCaptureController::paste()
{
    const ClipboardContent content = readClipboardContent(QApplication::clipboard()->mimeData(),
        [this](const QString &path) { return acceptsFile(path); });
    if (!content.filePath.isEmpty())
        editor->openFile(content.filePath);
    else if (!content.picture.isNull())
        openPicture(content.picture, QStringLiteral("Pasted"), 1.0);
    else
        showMessage(tr("The clipboard holds no picture or file that can be opened."), editor);
}

bool DLCaptureController::acceptsFile(const QString &path) const
{
    return editor->isAcceptedFile(path);
}

void DLCaptureController::updateCopyAction()
{
    if (!copyAction)
        return;
    // Also called while the window is being torn down and its scene empties itself.
    const QList<QGraphicsItem *> selected = scene->selectedItems();
    copyAction->setEnabled(std::any_of(selected.cbegin(), selected.cend(),
        [](const QGraphicsItem *item) { return isMarkItemType(item->type()); }));
}

void DLCaptureController::updateCopyImageAction()
{
    if (copyImageAction)
        copyImageAction->setEnabled(saveAsAction && saveAsAction->isEnabled());
}

void DLCaptureController::updatePasteAction()
{
    if (pasteAction) {
        pasteAction->setEnabled(offersClipboardContent(QApplication::clipboard()->mimeData(),
            [this](const QString &path) { return acceptsFile(path); }));
    }
}
