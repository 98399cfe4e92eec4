#include "app/capplication.h"
#include "app/desktopapplicationadaptor.h"
#include "app/filetypes.h"
#include "app/resources.h"
#include "editor/dleditor.h"
#include "marks/dlpalette.h"
#include "settings/translation.h"
#include "update/cupdatemgr.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    // Lets icons use their double-size pictures on high-density screens.
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    // Every window draws with the raster engine. Without this, X11 loads the OpenGL stack for
    // the first window (on software rendering a compiler: ~45 MiB and ~0.1 s of processor).
    const bool rasterOnly = qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION");
    if (rasterOnly)
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    CApplication app(argc, argv);
    initDimletResources();
    initMarkPalette();
    registerDocumentSuffixes(QStringList() << QStringLiteral("dld"));
    CUpdateMgr::instance()->startCheck();
    installStartupTranslation(&app);

    auto *editor = new DLEditor(nullptr);
    QObject::connect(&app, &CApplication::openURL, editor, &DLEditor::handleAppOpenURL);
    // Without a session bus the program simply runs without it.
    DesktopApplicationAdaptor::registerOnSessionBus(&app);
    editor->show();
    // The choice is made with the first window; programs started from here (the browser for the
    // product's pages) make their own.
    if (rasterOnly)
        qunsetenv("QT_XCB_GL_INTEGRATION");
    const int result = app.exec();
    delete editor;
    // Everything of ours is closed and written by now; only the toolkit's teardown is left,
    // and it would hold the exit until an abandoned name lookup times out.
    if (CUpdateMgr::instance()->checkCutShort()) {
        std::fflush(nullptr);
        std::_Exit(result);
    }
    return result;
}
