#include "headlessapplication.h"

#include "app/resources.h"
#include "marks/dlpalette.h"

std::unique_ptr<QApplication> makeHeadlessApplication(char *programPath)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Label sizes follow the dpi; a fixed one keeps every run, and the editor on an
    // ordinary desktop, drawing the same pixels.
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    // The preferences live under the application's name: the editor's is its program name.
    QCoreApplication::setApplicationName(QStringLiteral("dimlet"));
    static int argc = 1;
    static char *argv[] = {programPath, nullptr};
    auto app = std::make_unique<QApplication>(argc, argv);
    initDimletResources();
    initMarkPalette();
    return app;
}
