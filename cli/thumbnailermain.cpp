#include "commandline.h"
#include "documentrenderer.h"
#include "headlessapplication.h"
#include "thumbnail.h"

#include <cstdio>

namespace {
const QString program = QStringLiteral("dimlet-thumbnailer");
}

int main(int argc, char *argv[])
{
    const QStringList arguments = programArguments(argc, argv);
    if (asksForHelp(arguments)) {
        std::printf("%s\n", qPrintable(thumbnailerUsage()));
        return ExitSuccess;
    }
    ThumbnailRequest request;
    const QString problem = parseThumbnailerArguments(arguments, &request);
    if (!problem.isEmpty()) {
        printUsageError(program, problem, thumbnailerUsage());
        return ExitUsage;
    }

    const auto app = makeHeadlessApplication(argv[0]);
    DocumentRenderer renderer;
    // The file manager has no one to show a warning to; only failures are reported.
    if (!renderer.render(request.input)) {
        printError(program, request.input + QLatin1String(": ") + renderer.errorMessage());
        return ExitFailure;
    }
    if (!writeThumbnail(makeThumbnail(renderer.image(), request.size), request.output)) {
        printError(program,
            request.output + QLatin1String(": ")
                + QCoreApplication::translate("CommandLine", "Could not write the thumbnail."));
        return ExitFailure;
    }
    return ExitSuccess;
}
