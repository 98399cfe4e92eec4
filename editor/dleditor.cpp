#include "dleditor.h"

#include "canvas/dlgraphicsscene.h"
#include "canvas/dlgraphicsview.h"
#include "settings/helpers.h"

DLEditor::DLEditor(QWidget *parent)
    : QMainWindow(parent)
{
    resize(800, 600);
    setMinimumSize(800, 600);
    view = new DLGraphicsView(this);
    view->setObjectName(QStringLiteral("editorView"));
    view->setFrameShape(QFrame::NoFrame);
    setCentralWidget(view);
    scene = new DLGraphicsScene(this);
    view->setScene(scene);
    setWindowTitle(productName());
    scene->setEmptyState(true);
}

DLEditor::~DLEditor() = default;

void DLEditor::openFile(const QString &path)
{
    scene->clearCanvas();
    scene->clearUndo();
    scene->loadImage(path);
    setWindowTitle(fileNameOf(path));
    scene->setEmptyState(false);
}

void DLEditor::handleAppOpenURL(const QUrl &fileurl)
{
    openFile(fileurl.toLocalFile());
}
