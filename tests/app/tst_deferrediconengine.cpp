#include "testsupport.h"

#include "app/deferrediconengine.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

namespace {
// A picture whose every pixel depends on its position, so a wrongly chosen or scaled
// source shows in the comparison.
QImage patternImage(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x)
            image.setPixel(x, y, qRgb(x * 255 / side, y * 255 / side, side % 256));
    }
    return image;
}

QVector<QPair<QString, QSize>> writePictures(const QTemporaryDir &dir, const QList<int> &sides)
{
    QVector<QPair<QString, QSize>> files;
    for (int side : sides) {
        const QString path = dir.filePath(QStringLiteral("icon%1.png").arg(side));
        patternImage(side).save(path);
        files.append({path, QSize(side, side)});
    }
    return files;
}

QIcon eagerIcon(const QVector<QPair<QString, QSize>> &files)
{
    QIcon icon;
    for (const auto &file : files)
        icon.addFile(file.first, file.second);
    return icon;
}

QImage painted(const QIcon &icon, const QRect &rect, QIcon::Mode mode)
{
    QImage canvas(rect.size() + QSize(8, 8), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    icon.paint(&painter, rect.translated(4, 4), Qt::AlignCenter, mode);
    return canvas;
}
} // namespace

class TestDeferredIconEngine : public QObject
{
    Q_OBJECT
private slots:
    void nothingIsReadBeforeAPictureIsAsked();
    void sameAsTheEagerIcon_data();
    void sameAsTheEagerIcon();
    void emptyIconIsNull();
    void filesWithoutSizeAreReadForTheirSizes();
    void copiesShareTheFiles();
};

void TestDeferredIconEngine::nothingIsReadBeforeAPictureIsAsked()
{
    QTemporaryDir dir;
    const QString later = dir.filePath(QStringLiteral("later.png"));
    auto *engine = new DeferredIconEngine;
    engine->addFile(later, QSize(48, 48), QIcon::Normal, QIcon::Off);
    const QIcon icon(engine);
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.availableSizes(), QList<QSize>({QSize(48, 48)}));
    QVERIFY(!engine->isLoaded());

    // The file comes into being only now: the icon still draws it.
    QVERIFY(patternImage(48).save(later));
    const QImage drawn = icon.pixmap(QSize(48, 48)).toImage().convertToFormat(QImage::Format_RGB32);
    QVERIFY(engine->isLoaded());
    QCOMPARE(drawn, patternImage(48));
}

void TestDeferredIconEngine::sameAsTheEagerIcon_data()
{
    QTest::addColumn<QList<int>>("sides");
    QTest::addColumn<QSize>("requested");
    QTest::addColumn<int>("mode");

    const QList<int> app {16, 32, 48, 64, 128, 256};
    QTest::newRow("exact small size") << app << QSize(16, 16) << int(QIcon::Normal);
    QTest::newRow("exact largest size") << app << QSize(256, 256) << int(QIcon::Normal);
    QTest::newRow("between two sizes") << app << QSize(40, 40) << int(QIcon::Normal);
    QTest::newRow("above the largest size") << app << QSize(300, 300) << int(QIcon::Normal);
    QTest::newRow("below the smallest size") << app << QSize(10, 10) << int(QIcon::Normal);
    QTest::newRow("not square") << app << QSize(64, 20) << int(QIcon::Normal);
    QTest::newRow("disabled") << app << QSize(32, 32) << int(QIcon::Disabled);
    QTest::newRow("selected, one file") << QList<int> {16} << QSize(24, 24) << int(QIcon::Selected);
}

void TestDeferredIconEngine::sameAsTheEagerIcon()
{
    QFETCH(QList<int>, sides);
    QFETCH(QSize, requested);
    QFETCH(int, mode);
    const auto iconMode = QIcon::Mode(mode);

    QTemporaryDir dir;
    const QVector<QPair<QString, QSize>> files = writePictures(dir, sides);
    const QIcon eager = eagerIcon(files);
    const QIcon deferred = deferredFileIcon(files);

    QCOMPARE(deferred.availableSizes(iconMode), eager.availableSizes(iconMode));
    QCOMPARE(deferred.actualSize(requested, iconMode), eager.actualSize(requested, iconMode));
    QCOMPARE(deferred.pixmap(requested, iconMode).toImage(),
        eager.pixmap(requested, iconMode).toImage());
    const QRect rect(QPoint(0, 0), requested);
    QCOMPARE(painted(deferred, rect, iconMode), painted(eager, rect, iconMode));
}

void TestDeferredIconEngine::emptyIconIsNull()
{
    QVERIFY(deferredFileIcon({}).isNull());
    QVERIFY(deferredFileIcon({{QString(), QSize(16, 16)}}).isNull());
    QVERIFY(!deferredFileIcon({{QStringLiteral("/nowhere/icon.png"), QSize(16, 16)}}).isNull());
}

void TestDeferredIconEngine::filesWithoutSizeAreReadForTheirSizes()
{
    QTemporaryDir dir;
    const QVector<QPair<QString, QSize>> sized = writePictures(dir, {24, 40});
    const QIcon icon = deferredFileIcon({{sized[0].first, QSize()}, {sized[1].first, QSize()}});
    QCOMPARE(icon.availableSizes(), QList<QSize>({QSize(24, 24), QSize(40, 40)}));
    QCOMPARE(icon.availableSizes(QIcon::Disabled), QList<QSize>());
}

void TestDeferredIconEngine::copiesShareTheFiles()
{
    QTemporaryDir dir;
    const QVector<QPair<QString, QSize>> files = writePictures(dir, {16, 32});
    QIcon original = deferredFileIcon(files);
    QIcon copy = original;
    copy.addFile(writePictures(dir, {64}).first().first, QSize(64, 64));
    QCOMPARE(original.availableSizes(), QList<QSize>({QSize(16, 16), QSize(32, 32)}));
    QCOMPARE(copy.availableSizes(), QList<QSize>({QSize(16, 16), QSize(32, 32), QSize(64, 64)}));
    QCOMPARE(copy.pixmap(QSize(64, 64)).toImage().convertToFormat(QImage::Format_RGB32),
        patternImage(64));
}

DIMLET_TEST_MAIN(TestDeferredIconEngine)
#include "tst_deferrediconengine.moc"
