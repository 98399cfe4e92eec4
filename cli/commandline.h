#pragma once

#include <QString>
#include <QStringList>

// Exit statuses of the command-line programs.
enum ExitStatus { ExitSuccess = 0, ExitFailure = 1, ExitUsage = 2 };

// Larger thumbnails are refused: nobody asks for them, and they cost memory for nothing.
constexpr int maxThumbnailSize = 4096;

struct RenderRequest
{
    QString input;
    QString output;
};

struct ThumbnailRequest
{
    QString input;
    QString output;
    int size = 0;
};

// The arguments after the program name, decoded as the system encodes file names.
QStringList programArguments(int argc, char **argv);

// True when the only argument asks for the usage text.
bool asksForHelp(const QStringList &arguments);

// The local path a path or file:// URI names; empty when it names no local file.
QString localPathFromArgument(const QString &argument);

// The thumbnail size SIZE names: a whole number of digits from 1 to maxThumbnailSize;
// 0 for anything else.
int parseThumbnailSize(const QString &text);

// Each fills request and returns an empty string, or returns what is wrong with the
// arguments, one line to show above the usage.
QString parseRenderArguments(const QStringList &arguments, RenderRequest *request);
QString parseThumbnailerArguments(const QStringList &arguments, ThumbnailRequest *request);

QString renderUsage();
QString thumbnailerUsage();

// "program: text" as one line on the standard error.
void printError(const QString &program, const QString &text);
// What is wrong with the arguments, then the usage, on the standard error.
void printUsageError(const QString &program, const QString &problem, const QString &usage);
