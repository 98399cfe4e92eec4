// One pointer move of edge auto-detection over an 8K picture, beside a bare loop that only
// reads the same pixels, so the cost of the scan itself shows.
#include "canvas/colorrun.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QRandomGenerator>

#include <map>

namespace {

constexpr int pictureWidth = 7680;
constexpr int pictureHeight = 4320;
const QRgb flatColour = qRgb(236, 240, 241);

enum class Picture { Flat, Dithered, Translucent, Rgb888 };

// A flat background inside a one-pixel frame: the middle row and column are one run from
// pixel 1 to the pixel before the last.
QImage makePicture(Picture kind)
{
    QImage image(pictureWidth, pictureHeight, QImage::Format_ARGB32);
    image.fill(flatColour);
    if (kind == Picture::Dithered) {
        QRandomGenerator random(7);
        for (int y = 0; y < pictureHeight; ++y) {
            QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < pictureWidth; ++x)
                line[x] = qRgb(236 + random.bounded(2), 240 - random.bounded(2), 241);
        }
    }
    const QRgb frame = qRgb(44, 62, 80);
    for (int x = 0; x < pictureWidth; ++x) {
        image.setPixel(x, 0, frame);
        image.setPixel(x, pictureHeight - 1, frame);
    }
    for (int y = 0; y < pictureHeight; ++y) {
        image.setPixel(0, y, frame);
        image.setPixel(pictureWidth - 1, y, frame);
    }
    switch (kind) {
    case Picture::Translucent: {
        QImage translucent = image;
        for (int y = 0; y < pictureHeight; ++y) {
            QRgb *line = reinterpret_cast<QRgb *>(translucent.scanLine(y));
            for (int x = 0; x < pictureWidth; ++x)
                line[x] = (line[x] & 0x00FFFFFFu) | (uint(160 + (x + y) % 96) << 24);
        }
        return translucent.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    case Picture::Rgb888:
        return image.convertToFormat(QImage::Format_RGB888);
    default:
        return image;
    }
}

const QImage &picture(Picture kind)
{
    static std::map<Picture, QImage> made;
    auto found = made.find(kind);
    if (found == made.end())
        found = made.emplace(kind, makePicture(kind)).first;
    return found->second;
}

QPoint middle()
{
    return QPoint(pictureWidth / 2, pictureHeight / 2);
}

void findRun(benchmark::State &state, Picture kind, bool horizontal)
{
    const QImage &image = picture(kind);
    QPoint start, end;
    for (auto _ : state) {
        benchmark::DoNotOptimize(findColorRun(image, middle(), horizontal, &start, &end));
        benchmark::ClobberMemory();
    }
    const int pixels = horizontal ? end.x() - start.x() + 1 : end.y() - start.y() + 1;
    if (pixels < (horizontal ? pictureWidth : pictureHeight) - 2)
        state.SkipWithError("the picture has no long run through its middle");
    state.SetItemsProcessed(state.iterations() * pixels);
}

// Walks out from the middle over the same pixels with an exact compare and nothing else.
void bareScanLines(benchmark::State &state, bool horizontal)
{
    const QImage &image = picture(Picture::Flat);
    const QPoint p = middle();
    const qptrdiff step = horizontal ? 4 : image.bytesPerLine();
    const int count = horizontal ? pictureWidth : pictureHeight;
    const int at = horizontal ? p.x() : p.y();
    const uchar *origin = image.constBits() + p.y() * qptrdiff(image.bytesPerLine()) + 4 * p.x();
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
    state.SetItemsProcessed(state.iterations() * (high - low + 1));
}

void registerAll()
{
    const std::pair<const char *, Picture> pictures[] = {
        {"ARGB32 flat", Picture::Flat},
        {"ARGB32 dithered by 1", Picture::Dithered},
        {"ARGB32 premultiplied translucent", Picture::Translucent},
        {"RGB888 flat", Picture::Rgb888},
    };
    for (bool horizontal : {true, false}) {
        const std::string axis = horizontal ? "row" : "column";
        benchmark::RegisterBenchmark(
            ("bare scan-line loop/" + axis).c_str(), bareScanLines, horizontal);
        for (const auto &entry : pictures) {
            benchmark::RegisterBenchmark(("findColorRun/" + axis + "/" + entry.first).c_str(),
                findRun, entry.second, horizontal);
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    registerAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
