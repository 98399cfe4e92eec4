#include "app/capplication.h"
#include "app/desktopapplicationadaptor.h"
#include "app/filetypes.h"
#include "app/resources.h"
#include "editor/dleditor.h"
#include "marks/dlpalette.h"
#include "settings/translation.h"
#include "update/cupdatemgr.h"

int main(int argc, char *argv[])
{
    // Lets icons use their double-size pictures on high-density screens.
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
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
    const int result = app.exec();
    delete editor;
    return result;
}
