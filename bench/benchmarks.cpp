#include "benchmarks.h"

#include "benchenvironment.h"
#include "canvas/capslock.h"
#include "canvas/dlgraphicsscene.h"
#include "canvas/dlgraphicsview.h"
#include "editor/dldocument.h"
#include "editor/imageexport.h"
#include "marks/dlgraphicsitem.h"
#include "marks/dlgraphicsitemrenderer.h"
#include "privatedisplay.h"
#include "scenefixture.h"
#include "spawnedchild.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsPixmapItem>
#include <QGraphicsSceneMouseEvent>
#include <QImageReader>
#include <QImageWriter>
#include <QPixmap>
#include <QSaveFile>

#include <algorithm>
#include <functional>

namespace {
constexpr int childTimeoutMs = 60000;

using Benchmark = std::function<void(benchmark::State &, BenchEnvironment &)>;

double seconds(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e9;
}

enum class StartedProgram { Dimlet, BareWindow, BareWidgets };

// The children of one benchmark run: offscreen, or on an X server of the run's own.
struct ChildPlatform
{
    bool onX11 = false;
    std::unique_ptr<PrivateDisplay> display;

    // False (and the state skipped) when the X server cannot be had.
    bool prepare(benchmark::State &state)
    {
        if (!onX11)
            return true;
        display = std::make_unique<PrivateDisplay>();
        if (!PrivateDisplay::available() || !display->start()) {
            state.SkipWithError("no Xvfb to run on");
            return false;
        }
        return true;
    }
    QMap<QByteArray, QByteArray> environment(const BenchEnvironment &bench) const
    {
        QMap<QByteArray, QByteArray> values = bench.childEnvironment();
        if (onX11) {
            values.insert("QT_QPA_PLATFORM", "xcb");
            values.insert("DISPLAY", display->name());
        }
        return values;
    }
};

// Start-up: from spawning the process to the end of its first painted frame, as the probe
// style reports it.
void startUp(
    benchmark::State &state, BenchEnvironment &environment, StartedProgram started, bool onX11)
{
    ChildPlatform platform {onX11, nullptr};
    if (!platform.prepare(state))
        return;
    const QSize size = environment.editorWindowSize();
    const bool bare = started != StartedProgram::Dimlet;
    const QString program = bare ? environment.bareProgram() : environment.dimletProgram();
    const QStringList arguments = bare
        ? QStringList {started == StartedProgram::BareWindow ? QStringLiteral("window")
                                                             : QStringLiteral("widgets"),
            QString::number(size.width()), QString::number(size.height())}
        : QStringList();
    const QMap<QByteArray, QByteArray> childEnvironment = platform.environment(environment);
    const int checksBefore = environment.updateChecksSeen();
    int starts = 0;
    for (auto _ : state) {
        ++starts;
        const qint64 startedAt = monotonicNanoseconds();
        SpawnedChild child(program, arguments, childEnvironment, environment.childErrorLog());
        const QList<QByteArray> frame = child.waitForLine("frame ", childTimeoutMs).split(' ');
        if (frame.size() != 3 || QSize(frame[1].toInt(), frame[2].toInt()) != size) {
            state.SkipWithError("no frame of the expected size was painted");
            break;
        }
        state.SetIterationTime(double(frame[0].toLongLong() - startedAt) / 1e9);
    }
    if (!bare) {
        state.SetLabel(QStringLiteral("%1 of %2 starts had asked the endpoint")
                           .arg(environment.updateChecksSeen() - checksBefore)
                           .arg(starts)
                           .toStdString());
    }
}

// Peak memory: the probe opens the picture in dimlet as the desktop would; the bare program
// decodes it into a pixmap.
void peakMemory(benchmark::State &state, BenchEnvironment &environment, bool bare, bool onX11)
{
    ChildPlatform platform {onX11, nullptr};
    if (!platform.prepare(state))
        return;
    const QString picture = environment.pictures().screenshot();
    QMap<QByteArray, QByteArray> childEnvironment = platform.environment(environment);
    if (!bare)
        childEnvironment.insert("DIMLET_PROBE_OPEN", QFile::encodeName(picture));
    const QString program = bare ? environment.bareProgram() : environment.dimletProgram();
    const QStringList arguments
        = bare ? QStringList {QStringLiteral("pixmap"), picture} : QStringList();
    double peak = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        SpawnedChild child(program, arguments, childEnvironment, environment.childErrorLog());
        const QByteArray line = child.waitForLine("peak ", childTimeoutMs);
        if (line.toLongLong() <= 0) {
            state.SkipWithError("the child reported no peak memory");
            break;
        }
        peak = std::max(peak, line.toDouble());
        state.SetIterationTime(seconds(timer));
    }
    state.counters["peak_kB"] = peak;
}

void openPicture(benchmark::State &state, BenchEnvironment &environment, bool at2x, bool bare)
{
    const QString path
        = at2x ? environment.pictures().screenshotAt2x() : environment.pictures().screenshot();
    DLGraphicsScene *scene = environment.openFixture()->scene();
    QSize size;
    for (auto _ : state) {
        if (bare) {
            QImageReader reader(path);
            const QImage image = reader.read();
            benchmark::DoNotOptimize(image.constBits());
            size = image.size();
        } else {
            scene->loadImage(path);
            benchmark::DoNotOptimize(scene->imageItem());
            size = scene->image().size();
        }
    }
    const int divisor = at2x && !bare ? 2 : 1;
    if (size != QSize(BenchPictures::screenWidth / divisor, BenchPictures::screenHeight / divisor))
        state.SkipWithError("the picture did not open at the expected size");
}

QPointF pointerAt(QPoint pixel, bool horizontal, int step)
{
    const QPoint along = horizontal ? QPoint(step & 1, 0) : QPoint(0, step & 1);
    return QPointF(pixel + along) + QPointF(0.5, 0.5);
}

// One pointer move of auto-detection through the scene's slot: the scan, the bracket path and
// the label, set on the preview items.
void pointerMove(benchmark::State &state, BenchEnvironment &environment, bool horizontal)
{
    DLGraphicsScene *scene = environment.moveFixture()->scene();
    const QPoint pixel
        = horizontal ? BenchPictures::widestRowPoint() : BenchPictures::tallestColumnPoint();
    QPoint start, end;
    const int expected = horizontal ? BenchPictures::screenWidth : BenchPictures::screenHeight;
    if (!scene->findColorRun(pixel, horizontal, &start, &end)
        || (horizontal ? end.x() - start.x() : end.y() - start.y()) + 1 != expected) {
        state.SkipWithError("the run under the pointer does not cross the whole picture");
        return;
    }
    setCapsLockOverride(!horizontal);
    scene->onTrackMouseFreeMoveStart(pointerAt(pixel, horizontal, 0));
    int step = 0;
    for (auto _ : state)
        scene->onTrackMouseFreeMovePosChanged(pointerAt(pixel, horizontal, ++step));
    scene->onTrackMouseFreeMoveEnd(false, pointerAt(pixel, horizontal, 0));
    setCapsLockOverride(std::nullopt);
}

// The least a move can do: read the same pixels outwards from the pointer until one differs.
void bareScanLine(benchmark::State &state, BenchEnvironment &environment, bool horizontal)
{
    const QImage &image = environment.moveFixture()->scene()->image();
    const QPoint p
        = horizontal ? BenchPictures::widestRowPoint() : BenchPictures::tallestColumnPoint();
    if (image.depth() != 32) {
        state.SkipWithError("the picture is not stored with 32 bits a pixel");
        return;
    }
    const qptrdiff step = horizontal ? 4 : image.bytesPerLine();
    const int count = horizontal ? image.width() : image.height();
    const int at = horizontal ? p.x() : p.y();
    const uchar *origin = image.constScanLine(p.y()) + 4 * p.x();
    int low = at, high = at;
    for (auto _ : state) {
        const QRgb reference = *reinterpret_cast<const QRgb *>(origin);
        const uchar *pixel = origin;
        for (low = at; low > 0; --low) {
            pixel -= step;
            if ((*reinterpret_cast<const QRgb *>(pixel) ^ reference) & 0x00FFFFFFu)
                break;
        }
        pixel = origin;
        for (high = at; high < count - 1; ++high) {
            pixel += step;
            if ((*reinterpret_cast<const QRgb *>(pixel) ^ reference) & 0x00FFFFFFu)
                break;
        }
        benchmark::DoNotOptimize(low);
        benchmark::DoNotOptimize(high);
    }
    if (high - low + 1 != count)
        state.SkipWithError("the scan did not cross the whole picture");
}

void paintViewport(benchmark::State &state, BenchEnvironment &environment, bool withMarks)
{
    SceneFixture *fixture = environment.paintFixture(withMarks);
    QWidget *viewport = fixture->view()->viewport();
    const QRectF shown = fixture->view()->mapToScene(viewport->rect()).boundingRect();
    if (viewport->size() != BenchEnvironment::paintedArea().size()
        || shown != QRectF(BenchEnvironment::paintedArea())) {
        const std::string why = QStringLiteral("the viewport (%1 x %2) shows %3,%4 %5 x %6")
                                    .arg(viewport->width())
                                    .arg(viewport->height())
                                    .arg(shown.left())
                                    .arg(shown.top())
                                    .arg(shown.width())
                                    .arg(shown.height())
                                    .toStdString();
        state.SkipWithError(why.c_str());
        return;
    }
    QImage target(viewport->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        viewport->render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
    state.SetLabel(QStringLiteral("%1 items in view")
                       .arg(fixture->scene()->items(shown).size())
                       .toStdString());
}

class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

void sendSceneMouse(
    QGraphicsScene *scene, QEvent::Type type, const QPointF &pos, const QPointF &down)
{
    QGraphicsSceneMouseEvent event(type);
    event.setScenePos(pos);
    event.setScreenPos(pos.toPoint());
    event.setLastScenePos(pos);
    event.setButton(type == QEvent::GraphicsSceneMouseMove ? Qt::NoButton : Qt::LeftButton);
    event.setButtons(type == QEvent::GraphicsSceneMouseRelease ? Qt::NoButton : Qt::LeftButton);
    event.setButtonDownScenePos(Qt::LeftButton, down);
    event.setButtonDownScreenPos(Qt::LeftButton, down.toPoint());
    QApplication::sendEvent(scene, &event);
}

// Presses on the middle of length marks until one is taken whole (hit part 9).
bool pressOnAMark(DLGraphicsScene *scene, QPointF *pressed)
{
    const QList<QGraphicsItem *> items = scene->items(QRectF(BenchEnvironment::paintedArea()));
    for (QGraphicsItem *item : items) {
        if (item->type() != markItemType(MarkLength))
            continue;
        auto *mark = static_cast<DLGraphicsItem *>(item);
        QPointF p1, p2;
        mark->points(&p1, &p2);
        const QPointF middle((p1.x() + p2.x()) / 2 + 0.5, (p1.y() + p2.y()) / 2 + 0.5);
        sendSceneMouse(scene, QEvent::GraphicsSceneMousePress, middle, middle);
        const DLGraphicsItemRenderer *renderer = mark->renderer();
        if (renderer->isPressed() && renderer->hitPart() == HitBody
            && mark->pendingChange() == PendingChange::None) {
            *pressed = middle;
            return true;
        }
        sendSceneMouse(scene, QEvent::GraphicsSceneMouseRelease, middle, middle);
    }
    return false;
}

// One step of dragging a mark, then the event loop until the view has repainted what changed.
void dragStep(benchmark::State &state, BenchEnvironment &environment)
{
    SceneFixture *fixture = environment.paintFixture(true);
    DLGraphicsScene *scene = fixture->scene();
    QApplication::processEvents();
    QPointF pressed;
    if (!pressOnAMark(scene, &pressed)) {
        state.SkipWithError("no mark could be taken for a drag");
        return;
    }
    PaintCounter counter;
    fixture->view()->viewport()->installEventFilter(&counter);
    QApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        const QPointF pos = pressed + QPointF((++step & 1) ? 1 : 0, 0);
        const int before = counter.paints;
        sendSceneMouse(scene, QEvent::GraphicsSceneMouseMove, pos, pressed);
        for (int round = 0; round < 50 && counter.paints == before; ++round)
            QApplication::processEvents();
        if (counter.paints == before) {
            state.SkipWithError("the view did not repaint after the drag step");
            break;
        }
    }
    fixture->view()->viewport()->removeEventFilter(&counter);
    sendSceneMouse(scene, QEvent::GraphicsSceneMouseMove, pressed, pressed);
    sendSceneMouse(scene, QEvent::GraphicsSceneMouseRelease, pressed, pressed);
    QApplication::processEvents();
}

void saveDocument(benchmark::State &state, BenchEnvironment &environment, bool bare)
{
    const QString picture = environment.pictures().noise();
    const QString target = environment.outputPath(bare ? "copy.png" : "save.dld");
    for (auto _ : state) {
        QFile::remove(target);
        QElapsedTimer timer;
        timer.start();
        const bool done = bare ? QFile::copy(picture, target)
                               : writeDocumentFile(target, picture, environment.savedRecords(),
                                     BenchEnvironment::savedMarks + 1)
                == DocumentError::None;
        state.SetIterationTime(seconds(timer));
        if (!done) {
            state.SkipWithError("the file was not written");
            break;
        }
    }
}

enum class OpenKind { Document, CopyAndDecode, DecodeOnly };

void openDocument(benchmark::State &state, BenchEnvironment &environment, OpenKind kind)
{
    const QString picture = environment.pictures().noise();
    const QString copy = environment.outputPath("open-copy.dld");
    const QString extracted
        = QDir(environment.extractionDirectory()).filePath(QFileInfo(picture).fileName());
    DLGraphicsScene *scene = environment.openFixture()->scene();
    for (auto _ : state) {
        QFile::remove(copy);
        QFile::remove(extracted);
        QElapsedTimer timer;
        timer.start();
        bool done = true;
        if (kind == OpenKind::Document) {
            const DocumentReadResult result
                = readDocumentFile(environment.documentPath(), environment.extractionDirectory());
            scene->loadImage(result.picturePath);
            done = result.error == DocumentError::None && !scene->image().isNull();
        } else {
            if (kind == OpenKind::CopyAndDecode)
                done = QFile::copy(environment.documentPath(), copy);
            QImageReader reader(picture);
            const QImage image = reader.read();
            benchmark::DoNotOptimize(image.constBits());
            done = done && !image.isNull();
        }
        state.SetIterationTime(seconds(timer));
        if (!done) {
            state.SkipWithError("the document or the picture was not read");
            break;
        }
    }
}

enum class ExportKind { Figure, Baseline, BaselineSynced, BaselineDefaultQuality };

// The export writes its image as 32-bit ARGB (an RGBA PNG) at quality 100, which for PNG means
// no compression. The baselines write the bare picture: in that same layout and quality (the
// conversion made before the clock starts), the same again through QSaveFile with its sync on
// commit as the export does, and as the picture is at the writer's default quality.
void exportPicture(benchmark::State &state, BenchEnvironment &environment, ExportKind kind)
{
    DLGraphicsScene *scene = environment.exportFixture()->scene();
    const QString target = environment.outputPath(
        kind == ExportKind::Figure ? QStringLiteral("export.png") : QStringLiteral("bare.png"));
    const QImage bare = kind == ExportKind::BaselineDefaultQuality
        ? scene->image()
        : scene->image().convertToFormat(QImage::Format_ARGB32);
    for (auto _ : state) {
        QFile::remove(target);
        QElapsedTimer timer;
        timer.start();
        bool done = false;
        switch (kind) {
        case ExportKind::Figure:
            done = exportImage(buildExportImage(scene), target);
            break;
        case ExportKind::Baseline: {
            QImageWriter writer(target, "png");
            writer.setQuality(100);
            done = writer.write(bare);
            break;
        }
        case ExportKind::BaselineSynced: {
            QSaveFile file(target);
            QImageWriter writer(&file, "png");
            writer.setQuality(100);
            done = file.open(QIODevice::WriteOnly) && writer.write(bare) && file.commit();
            break;
        }
        case ExportKind::BaselineDefaultQuality: {
            QImageWriter writer(target);
            done = writer.write(bare);
            break;
        }
        }
        state.SetIterationTime(seconds(timer));
        if (!done) {
            state.SkipWithError("the image was not written");
            break;
        }
    }
    state.SetLabel(QStringLiteral("a %1 MB file")
                       .arg(double(QFileInfo(target).size()) / 1e6, 0, 'f', 1)
                       .toStdString());
}

// Opening a comment of 1 MB of text (a line feed every 80 characters) and painting the view
// once: the window must answer again within a second.
void openLongComment(benchmark::State &state, BenchEnvironment &environment)
{
    QString text;
    for (int i = 0; text.size() < 1000000; ++i)
        text += i % 80 == 79 ? QChar('\n') : QChar('a' + i % 26);
    const QString picture = environment.outputPath(QStringLiteral("small.png"));
    QImage small(400, 300, QImage::Format_RGB32);
    small.fill(Qt::white);
    small.save(picture);
    SceneFixture *fixture = environment.openFixture();
    QImage target(fixture->view()->viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        auto *comment = new MarkRecord;
        comment->type = MarkComments;
        comment->idx = 0;
        comment->point1 = QPointF(50, 50);
        comment->point2 = QPointF(100, 120);
        comment->text = text;
        MarkRecordList records {comment};
        fixture->open(picture, records, 1.0);
        fixture->view()->viewport()->render(&target);
        qDeleteAll(records);
    }
}

double best(const std::vector<double> &values)
{
    return values.empty() ? 0.0 : *std::min_element(values.begin(), values.end());
}
} // namespace

void registerBenchmarks(BenchEnvironment *environment)
{
    const int repetitions = environment->repetitions();
    // For profiling one benchmark: DIMLET_BENCH_ITERATIONS=1 runs each loop once.
    const int forcedIterations = qEnvironmentVariableIntValue("DIMLET_BENCH_ITERATIONS");
    auto add = [&](const char *name, int iterations, bool manualTime, Benchmark function) {
        if (forcedIterations > 0)
            iterations = forcedIterations;
        benchmark::internal::Benchmark *registered = benchmark::RegisterBenchmark(name,
            [environment, function](benchmark::State &state) { function(state, *environment); });
        registered->Iterations(iterations)
            ->Repetitions(repetitions)
            ->ReportAggregatesOnly(true)
            ->ComputeStatistics("best", best)
            ->Unit(benchmark::kMillisecond);
        if (manualTime)
            registered->UseManualTime();
    };
    using namespace std::placeholders;
    for (const bool onX11 : {false, true}) {
        const std::string platform = onX11 ? "xcb" : "offscreen";
        add(("startup-" + platform + "/figure").c_str(), 2, true,
            std::bind(startUp, _1, _2, StartedProgram::Dimlet, onX11));
        add(("startup-" + platform + "/baseline").c_str(), 2, true,
            std::bind(startUp, _1, _2, StartedProgram::BareWindow, onX11));
        add(("startup-" + platform + "/widgets").c_str(), 2, true,
            std::bind(startUp, _1, _2, StartedProgram::BareWidgets, onX11));
    }
    add("open8k/figure", 2, false, std::bind(openPicture, _1, _2, false, false));
    add("open8k/baseline", 2, false, std::bind(openPicture, _1, _2, false, true));
    add("open8k@2x/figure", 2, false, std::bind(openPicture, _1, _2, true, false));
    add("open8k@2x/baseline", 2, false, std::bind(openPicture, _1, _2, true, true));
    add("move-row/figure", 2000, false, std::bind(pointerMove, _1, _2, true));
    add("move-row/baseline", 2000, false, std::bind(bareScanLine, _1, _2, true));
    add("move-column/figure", 2000, false, std::bind(pointerMove, _1, _2, false));
    add("move-column/baseline", 2000, false, std::bind(bareScanLine, _1, _2, false));
    add("paint/figure", 20, false, std::bind(paintViewport, _1, _2, true));
    add("paint/baseline", 20, false, std::bind(paintViewport, _1, _2, false));
    add("drag/figure", 200, false, dragStep);
    add("longcomment/figure", 1, false, openLongComment);
    add("save50/figure", 1, true, std::bind(saveDocument, _1, _2, false));
    add("save50/baseline", 1, true, std::bind(saveDocument, _1, _2, true));
    add("open50/figure", 1, true, std::bind(openDocument, _1, _2, OpenKind::Document));
    add("open50/baseline", 1, true, std::bind(openDocument, _1, _2, OpenKind::CopyAndDecode));
    add("open50/decode", 1, true, std::bind(openDocument, _1, _2, OpenKind::DecodeOnly));
    add("export/figure", 1, true, std::bind(exportPicture, _1, _2, ExportKind::Figure));
    add("export/baseline", 1, true, std::bind(exportPicture, _1, _2, ExportKind::Baseline));
    add("export/synced", 1, true, std::bind(exportPicture, _1, _2, ExportKind::BaselineSynced));
    add("export/default", 1, true,
        std::bind(exportPicture, _1, _2, ExportKind::BaselineDefaultQuality));
    for (const bool onX11 : {false, true}) {
        const std::string platform = onX11 ? "xcb" : "offscreen";
        add(("peak-" + platform + "/figure").c_str(), 1, true,
            std::bind(peakMemory, _1, _2, false, onX11));
        add(("peak-" + platform + "/baseline").c_str(), 1, true,
            std::bind(peakMemory, _1, _2, true, onX11));
    }
}
