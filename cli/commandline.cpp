#include "commandline.h"

#include "editor/imageexport.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <cstdio>

namespace {
QString translated(const char *text)
{
    return QCoreApplication::translate("CommandLine", text);
}

// Filled in only when every argument is usable, so a failed parse leaves request alone.
QString parseInputAndOutput(const QStringList &arguments, int most, QString *input, QString *output)
{
    if (arguments.size() > most)
        return translated("too many arguments");
    if (arguments.isEmpty() || arguments.at(0).isEmpty())
        return translated("missing INPUT");
    if (arguments.size() < 2 || arguments.at(1).isEmpty())
        return translated("missing OUTPUT");
    const QString path = localPathFromArgument(arguments.at(0));
    if (path.isEmpty())
        return translated("INPUT is not a local file: %1").arg(arguments.at(0));
    *input = path;
    *output = arguments.at(1);
    return QString();
}

void printLine(const QString &text)
{
    // A file name may hold line breaks; the message stays one line.
    QString oneLine = text;
    oneLine.replace(QLatin1Char('\n'), QLatin1Char(' '))
        .replace(QLatin1Char('\r'), QLatin1Char(' '));
    const QByteArray line = (oneLine + QLatin1Char('\n')).toLocal8Bit();
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
}
} // namespace

QStringList programArguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QFile::decodeName(argv[i]);
    return arguments;
}

bool asksForHelp(const QStringList &arguments)
{
    return arguments.size() == 1
        && (arguments.at(0) == QLatin1String("--help") || arguments.at(0) == QLatin1String("-h"));
}

QString localPathFromArgument(const QString &argument)
{
    if (!argument.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        return argument;
    QUrl url(argument, QUrl::StrictMode);
    if (url.host() == QLatin1String("localhost"))
        url.setHost(QString());
    // Another machine's file would be fetched over the network, or not at all.
    if (!url.isValid() || !url.isLocalFile() || !url.host().isEmpty())
        return QString();
    return url.toLocalFile();
}

int parseThumbnailSize(const QString &text)
{
    // toInt() would also take a sign, blanks and other scripts' digits.
    int start = 0;
    while (start < text.size() - 1 && text.at(start) == QLatin1Char('0'))
        ++start;
    const QString digits = text.mid(start);
    if (digits.isEmpty() || digits.size() > 4)
        return 0;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return 0;
    }
    const int size = digits.toInt();
    return size >= 1 && size <= maxThumbnailSize ? size : 0;
}

QString parseRenderArguments(const QStringList &arguments, RenderRequest *request)
{
    QString input;
    QString output;
    const QString problem = parseInputAndOutput(arguments, 2, &input, &output);
    if (!problem.isEmpty())
        return problem;
    if (exportFormatForPath(output).isEmpty())
        return translated("OUTPUT must end in .png, .jpg, .jpeg or .bmp: %1").arg(output);
    request->input = input;
    request->output = output;
    return QString();
}

QString parseThumbnailerArguments(const QStringList &arguments, ThumbnailRequest *request)
{
    QString input;
    QString output;
    const QString problem = parseInputAndOutput(arguments, 3, &input, &output);
    if (!problem.isEmpty())
        return problem;
    if (arguments.size() < 3)
        return translated("missing SIZE");
    const int size = parseThumbnailSize(arguments.at(2));
    if (size == 0)
        return translated("SIZE must be a whole number from 1 to %1: %2")
            .arg(maxThumbnailSize)
            .arg(arguments.at(2));
    request->input = input;
    request->output = output;
    request->size = size;
    return QString();
}

QString renderUsage()
{
    return translated("Usage: dimlet-render INPUT.dld OUTPUT.png|.jpg|.jpeg|.bmp");
}

QString thumbnailerUsage()
{
    return translated("Usage: dimlet-thumbnailer INPUT OUTPUT SIZE");
}

void printError(const QString &program, const QString &text)
{
    printLine(program + QLatin1String(": ") + text);
}

void printUsageError(const QString &program, const QString &problem, const QString &usage)
{
    printError(program, problem);
    printLine(usage);
}
