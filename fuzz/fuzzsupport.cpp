#include "fuzzsupport.h"

#include "app/resources.h"
#include "app/userprompt.h"
#include "marks/dlpalette.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {
QString &privateRoot()
{
    static QString root;
    return root;
}

void removePrivateRoot()
{
    if (!privateRoot().isEmpty())
        QDir(privateRoot()).removeRecursively();
}
} // namespace

void startFuzzApplication()
{
    const QByteArray base = qEnvironmentVariableIsSet("TMPDIR") ? qgetenv("TMPDIR") : "/tmp";
    QByteArray pattern = base + "/dimlet-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        std::abort();
    }
    privateRoot() = QString::fromLocal8Bit(pattern);
    std::atexit(removePrivateRoot);
    const QDir root(privateRoot());
    for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME",
             "XDG_RUNTIME_DIR", "TMPDIR"}) {
        const QString dir = root.filePath(QString::fromLatin1(name).toLower());
        QDir().mkpath(dir);
        qputenv(name, QFile::encodeName(dir));
    }
    QFile::setPermissions(root.filePath(QStringLiteral("xdg_runtime_dir")),
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("QT_QPA_PLATFORM", "offscreen");

    // Qt's image readers warn about every damaged input; the findings are what matters.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    static int argc = 1;
    static char name[] = "dimlet-fuzz";
    static char *argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    initDimletResources();
    initMarkPalette();
    setPromptAnswerer([](const UserPrompt &) { return QMessageBox::Ok; });
}

QString fuzzDir(const QString &name)
{
    const QString dir = QDir(privateRoot()).filePath(name);
    QDir().mkpath(dir);
    return dir;
}

void reportFinding(const QString &failure)
{
    if (failure.isEmpty())
        return;
    std::fprintf(stderr, "broken promise: %s\n", qPrintable(failure));
    std::abort();
}
