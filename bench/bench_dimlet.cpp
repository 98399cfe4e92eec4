// Dimlet on the largest screenshots, each figure beside the least work the bare libraries do
// for the same result, measured in the same run. bench/run.sh builds and runs it; the table
// it prints is the result. Options are Google Benchmark's (e.g. --benchmark_filter=open).
#include "benchenvironment.h"
#include "benchmarks.h"
#include "benchpictures.h"
#include "tablereporter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QThread>

#include <cstdio>

namespace {
QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    const QList<QByteArray> fields = file.readAll().split(' ');
    return fields.size() >= 3 ? QString::fromLatin1(fields[0] + ' ' + fields[1] + ' ' + fields[2])
                              : QStringLiteral("unknown");
}

QVector<TableRow> tableRows()
{
    using Goal = TableRow::Goal;
    QVector<TableRow> rows;
    for (const char *platform : {"offscreen", "xcb"}) {
        const std::string id = std::string("startup-") + platform;
        const QString on = QStringLiteral(" (%1)").arg(QLatin1String(platform));
        const bool x11 = qstrcmp(platform, "xcb") == 0;
        rows << TableRow {"start-up to the first painted frame (dimlet, hung update endpoint)" + on,
            "bare QApplication + QMainWindow of the same size", id + "/figure", id + "/baseline",
            Goal::Ratio, x11 ? 1.15 : 1.3, {}, {}};
        rows << TableRow {"what the toolkit costs for the editor's widgets" + on,
            "bare window with the same menus, buttons with icons, view and text", id + "/widgets",
            id + "/baseline", Goal::None, 0.0, {}, {}};
        rows << TableRow {"what Dimlet adds to its widgets" + on, "the same-widgets window",
            id + "/figure", id + "/widgets", Goal::None, 0.0, {}, {}};
    }
    rows << TableRow {"open the 8K PNG into the scene (loadImage with the pixmap)",
        "QImageReader::read", "open8k/figure", "open8k/baseline", Goal::Ratio, 1.1, {}, {}};
    rows << TableRow {"open the 8K \"@2x\" PNG into the scene", "QImageReader::read",
        "open8k@2x/figure", "open8k@2x/baseline", Goal::Ratio, 1.1, {}, {}};
    rows << TableRow {"auto-detect pointer move, widest row (7680 px)",
        "bare scan-line loop, same pixels", "move-row/figure", "move-row/baseline", Goal::Ratio,
        3.0, {}, {}};
    rows << TableRow {"auto-detect pointer move, tallest column (4320 px)",
        "bare scan-line loop, same pixels", "move-column/figure", "move-column/baseline",
        Goal::Ratio, 3.0, {}, {}};
    rows << TableRow {"paint a 1920 × 1080 viewport with 2,000 marks",
        "the same viewport, picture alone", "paint/figure", "paint/baseline", Goal::Milliseconds,
        16.0, {}, {}};
    rows << TableRow {"one drag step of a mark among 2,000, with the repaint",
        "the same viewport, picture alone", "drag/figure", "paint/baseline", Goal::Milliseconds,
        1.0, {}, {}};
    rows << TableRow {"Save: document with a 50 MB picture (writeDocumentFile)",
        "QFile::copy of the picture", "save50/figure", "save50/baseline", Goal::Ratio, 1.2, {}, {}};
    rows << TableRow {"Open: readDocumentFile + loadImage of that document",
        "QFile::copy + QImageReader::read", "open50/figure", "open50/baseline",
        Goal::RatioPlusDecode, 1.2, "open50/decode", {}};
    rows << TableRow {"export the 8K picture with 200 marks to PNG (buildExportImage + "
                      "exportImage: QSaveFile, synced on commit)",
        "QImageWriter of the bare picture, PNG at quality 100 as the export writes (RGBA, "
        "uncompressed), to a plain file without sync",
        "export/figure", "export/baseline", Goal::Ratio, 1.1, {}, {}};
    rows << TableRow {"export the 8K picture with 200 marks to PNG",
        "the same baseline written through QSaveFile, synced on commit as the export is",
        "export/figure", "export/synced", Goal::Ratio, 1.05, {}, {}};
    rows << TableRow {"export the 8K picture with 200 marks to PNG",
        "QImageWriter of the bare picture at the default quality (RGB, compressed): not a "
        "goal, the export must write quality 100",
        "export/figure", "export/default", Goal::None, 0.0, {}, {}};
    for (const char *platform : {"offscreen", "xcb"}) {
        const std::string id = std::string("peak-") + platform;
        rows << TableRow {
            QStringLiteral("peak resident memory, dimlet after opening the 8K PNG (%1)")
                .arg(QLatin1String(platform)),
            "bare process decoding it into a QPixmap", id + "/figure", id + "/baseline",
            Goal::Ratio, 1.15, {}, "peak_kB"};
    }
    return rows;
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString dataDir = BenchEnvironment::dataDirectory();
    // Preferences, temporary files and the children's homes stay inside the build tree.
    const QString home = QDir(dataDir).filePath(QStringLiteral("home"));
    QDir().mkpath(home + QStringLiteral("/tmp"));
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/.config")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home + QStringLiteral("/.cache")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home + QStringLiteral("/.local/share")));
    qputenv("TMPDIR", QFile::encodeName(home + QStringLiteral("/tmp")));
    const QString runtime = home + QStringLiteral("/runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");

    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    BenchPictures pictures(dataDir);
    std::fprintf(stderr, "Pictures in %s (drawn once, then kept)\n", qPrintable(dataDir));
    if (!pictures.prepare()) {
        std::fprintf(stderr, "could not write the pictures into %s\n", qPrintable(dataDir));
        return 1;
    }
    BenchEnvironment environment(pictures, home);
    if (!environment.prepare())
        return 1;
    const int repetitions = environment.repetitions();
    registerBenchmarks(&environment);

    const QString loadBefore = loadAverage();
    TableReporter reporter(tableRows());
    reporter.setFootnote([&] {
        return QStringLiteral("Medians of %1 repetitions; \"ratio of best\" divides the fastest "
                              "repetitions. Load average (1, 5, 15 min) before: %2; after: %3; "
                              "%4 cores.")
            .arg(repetitions)
            .arg(loadBefore, loadAverage())
            .arg(QThread::idealThreadCount());
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    environment.finish();
    // The scenes and the update endpoint's thread need no orderly end.
    std::fflush(stdout);
    std::_Exit(0);
}
