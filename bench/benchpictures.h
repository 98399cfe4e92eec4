#pragma once

#include <QPoint>
#include <QString>

// The pictures the benchmarks open, drawn here and kept in a folder between runs (a file
// is drawn again only when it is missing). All drawing is seeded, so every run measures the
// same bytes.
class BenchPictures
{
public:
    static constexpr int screenWidth = 7680;
    static constexpr int screenHeight = 4320;

    explicit BenchPictures(const QString &folder);

    // Makes the missing files; false when one could not be written.
    bool prepare();

    // A 7680 x 4320 screenshot: flat background and panels, text, gradients, with flat
    // gutters that cross the whole picture.
    QString screenshot() const;
    // The same file named "...@2x.png".
    QString screenshotAt2x() const;
    // About 50 MB of PNG: noise, which does not compress.
    QString noise() const;

    // A point in the flat gutter row that crosses the whole width (its run is the widest
    // row), and one in the gutter column that crosses the whole height.
    static QPoint widestRowPoint();
    static QPoint tallestColumnPoint();

private:
    bool writeScreenshot() const;
    bool writeNoise() const;

    QString m_folder;
};
