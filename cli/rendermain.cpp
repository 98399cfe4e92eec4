#include "commandline.h"
#include "documentrenderer.h"
#include "headlessapplication.h"

#include "editor/imageexport.h"

#include <cstdio>

namespace {
const QString program = QStringLiteral("dimlet-render");
}

int main(int argc, char *argv[])
{
    const QStringList arguments = programArguments(argc, argv);
    if (asksForHelp(arguments)) {
        std::printf("%s\n", qPrintable(renderUsage()));
        return ExitSuccess;
    }
    RenderRequest request;
    const QString problem = parseRenderArguments(arguments, &request);
    if (!problem.isEmpty()) {
        printUsageError(program, problem, renderUsage());
        return ExitUsage;
    }

    const auto app = makeHeadlessApplication(argv[0]);
    DocumentRenderer renderer;
    const bool rendered = renderer.render(request.input);
    for (const QString &warning : renderer.warnings())
        printError(program, warning);
    if (!rendered) {
        printError(program, request.input + QLatin1String(": ") + renderer.errorMessage());
        return ExitFailure;
    }
    if (!exportImage(renderer.image(), request.output)) {
        printError(program,
            request.output + QLatin1String(": ")
                + QCoreApplication::translate("CommandLine", "Could not write the image."));
        return ExitFailure;
    }
    return ExitSuccess;
}
