#include "testsupport.h"

#include "canvas/dlgraphicsscene.h"
#include "canvas/dlgraphicsview.h"

#include <QGraphicsItemGroup>
#include <QGraphicsPixmapItem>
#include <QTemporaryDir>
#include <cmath>

class TestScenePicture : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

    QString writePicture(
        const QString &name, int w, int h, QImage::Format format = QImage::Format_ARGB32)
    {
        QImage image(w, h, format);
        image.fill(QColor(10, 20, 30));
        const QString path = dir.filePath(name);
        if (!image.save(path))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // A view of a fixed widget size, so the scene rectangle has a known reference.
    struct Canvas
    {
        DLGraphicsView view;
        DLGraphicsScene scene;
        Canvas(int w, int h)
        {
            view.setScene(&scene);
            view.setGeometry(0, 0, w, h);
        }
    };

private slots:
    void retinaRule_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("fileSize");
        QTest::addColumn<QSize>("shownSize");
        QTest::addColumn<bool>("messageShown");

        QTest::newRow("even @2x is halved")
            << "shot@2x.png" << QSize(200, 100) << QSize(100, 50) << false;
        QTest::newRow("odd width keeps full size")
            << "odd@2x.png" << QSize(201, 100) << QSize(201, 100) << true;
        QTest::newRow("odd height keeps full size")
            << "tall@2x.png" << QSize(200, 101) << QSize(200, 101) << true;
        QTest::newRow("upper-case X is not retina")
            << "big@2X.png" << QSize(200, 100) << QSize(200, 100) << false;
        QTest::newRow("@2x before another dot still counts")
            << "ui@2x.final.png" << QSize(64, 32) << QSize(32, 16) << false;
        QTest::newRow("@2x inside the name is not retina")
            << "a@2xb.png" << QSize(64, 32) << QSize(64, 32) << false;
        QTest::newRow("plain name") << "plain.png" << QSize(64, 32) << QSize(64, 32) << false;
        QTest::newRow("@3x is shown at full size") << "icon@3x.png" << QSize(60, 30) << QSize(60, 30) << false;
    }

    void retinaRule()
    {
        QFETCH(QString, name);
        QFETCH(QSize, fileSize);
        QFETCH(QSize, shownSize);
        QFETCH(bool, messageShown);

        PromptRecorder prompts;
        Canvas canvas(800, 600);
        canvas.scene.loadImage(writePicture(name, fileSize.width(), fileSize.height()));
        QCOMPARE(canvas.scene.image.size(), shownSize);
        QCOMPARE(canvas.scene.imageItem->pixmap().size(), shownSize);
        // One canvas unit per picture pixel, whatever ratio the reader guessed from the name.
        QCOMPARE(canvas.scene.imageItem->boundingRect().size(), QSizeF(shownSize));
        QCOMPARE(prompts.prompts().size(), messageShown ? 1 : 0);
        if (messageShown) {
            const QString expected
                = QStringLiteral("Detected retina image, but the size maybe invalid[%1x%2]. "
                                 "App will treat it as normal image.")
                      .arg(fileSize.width())
                      .arg(fileSize.height());
            QCOMPARE(prompts.texts().first(), expected);
            QVERIFY(prompts.prompts().first().title.isEmpty());
            QVERIFY(!prompts.prompts().first().question);
        }
    }

    void halvedRetinaKeepsPixels()
    {
        // Nearest scaling keeps one of every two pixels, so a 2x2 checker becomes one colour per
        // cell.
        QImage image(4, 2, QImage::Format_ARGB32);
        image.fill(Qt::black);
        image.setPixel(2, 0, qRgb(255, 0, 0));
        image.setPixel(3, 0, qRgb(255, 0, 0));
        image.setPixel(2, 1, qRgb(255, 0, 0));
        image.setPixel(3, 1, qRgb(255, 0, 0));
        const QString path = dir.filePath("cells@2x.png");
        QVERIFY(image.save(path));
        Canvas canvas(800, 600);
        canvas.scene.loadImage(path);
        QCOMPARE(canvas.scene.image.size(), QSize(2, 1));
        QCOMPARE(canvas.scene.pixelAt(QPointF(0, 0)), qRgb(0, 0, 0));
        QCOMPARE(canvas.scene.pixelAt(QPointF(1, 0)), qRgb(255, 0, 0));
        QCOMPARE(canvas.scene.image.devicePixelRatio(), 1.0);
    }

    void sceneRect_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("viewSize");
        QTest::addColumn<QRectF>("expected");

        QTest::newRow("smaller than the view is centred")
            << QSize(400, 300) << QSize(800, 600) << QRectF(-200, -150, 800, 600);
        QTest::newRow("wider than the view gets margins")
            << QSize(1000, 300) << QSize(800, 600) << QRectF(-100, -150, 1200, 600);
        QTest::newRow("equal to the view gets margins")
            << QSize(800, 600) << QSize(800, 600) << QRectF(-100, -100, 1000, 800);
        QTest::newRow("odd leftover rounds toward zero")
            << QSize(401, 299) << QSize(800, 600) << QRectF(-199, -150, 800, 600);
        QTest::newRow("taller than the view")
            << QSize(300, 2000) << QSize(800, 600) << QRectF(-250, -100, 800, 2200);
    }

    void sceneRect()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, viewSize);
        QFETCH(QRectF, expected);
        Canvas canvas(viewSize.width(), viewSize.height());
        canvas.scene.loadImage(
            writePicture(QStringLiteral("rect.png"), picture.width(), picture.height()));
        QCOMPARE(canvas.scene.sceneRect(), expected);
        QCOMPARE(canvas.scene.imageItem->pos(), QPointF(0, 0));
        QCOMPARE(canvas.scene.imageItem->zValue(), -100.0);
    }

    void unreadablePicture_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("missing file") << QByteArray();
        QTest::newRow("zero bytes") << QByteArray("");
        QTest::newRow("truncated png") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        QTest::newRow("text with png suffix") << QByteArray("hello, not a picture");
    }

    void unreadablePicture()
    {
        QFETCH(QByteArray, content);
        QString path = dir.filePath(QStringLiteral("missing.png"));
        if (!content.isNull()) {
            path = dir.filePath(QStringLiteral("bad.png"));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        Canvas canvas(800, 600);
        canvas.scene.loadImage(path);
        QVERIFY(canvas.scene.image.isNull());
        QVERIFY(canvas.scene.imageItem);
        QCOMPARE(canvas.scene.sceneRect(), QRectF(-400, -300, 800, 600));
        QCOMPARE(canvas.scene.pixelAt(QPointF(0, 0)), 0xFFFFFFFFu);
    }

    void forgedHugeHeaderIsRefused()
    {
        // A PNG header claiming 100000 x 100000 pixels and nothing behind it.
        QByteArray png("\x89PNG\r\n\x1a\n", 8);
        QByteArray ihdr("IHDR", 4);
        auto appendBE = [](QByteArray &b, quint32 v) {
            b.append(char(v >> 24)).append(char(v >> 16)).append(char(v >> 8)).append(char(v));
        };
        appendBE(ihdr, 100000);
        appendBE(ihdr, 100000);
        ihdr.append("\x08\x06\x00\x00\x00", 5);
        appendBE(png, 13);
        png.append(ihdr);
        appendBE(png, 0); // crc is not checked before the size
        const QString path = dir.filePath(QStringLiteral("huge.png"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(png);
        file.close();
        Canvas canvas(800, 600);
        canvas.scene.loadImage(path);
        QVERIFY(canvas.scene.image.isNull());
    }

    void pixelAt_data()
    {
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<bool>("inside");
        QTest::newRow("origin") << QPointF(0, 0) << true;
        QTest::newRow("fraction floors into the pixel") << QPointF(9.99, 4.5) << true;
        QTest::newRow("left of the picture") << QPointF(-0.5, 3) << false;
        QTest::newRow("above the picture") << QPointF(3, -0.01) << false;
        QTest::newRow("right edge is outside") << QPointF(10, 3) << false;
        QTest::newRow("bottom edge is outside") << QPointF(3, 5) << false;
        QTest::newRow("last pixel") << QPointF(9, 4) << true;
    }

    void pixelAt()
    {
        QFETCH(QPointF, point);
        QFETCH(bool, inside);
        QImage image(10, 5, QImage::Format_ARGB32);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 10; ++x)
                image.setPixel(x, y, qRgba(x * 20, y * 40, 7, 200));
        const QString path = dir.filePath(QStringLiteral("grid.png"));
        QVERIFY(image.save(path));
        Canvas canvas(800, 600);
        canvas.scene.loadImage(path);
        const int x = int(std::floor(point.x()));
        const int y = int(std::floor(point.y()));
        const QRgb expected = inside ? qRgba(x * 20, y * 40, 7, 200) : 0xFFFFFFFF;
        QCOMPARE(canvas.scene.pixelAt(point), expected);
    }

    void mapToOrigin_data()
    {
        QTest::addColumn<bool>("flip");
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<double>("height");
        QTest::addColumn<QPointF>("expected");
        QTest::newRow("top left leaves points")
            << false << QPointF(10, 20) << 5.0 << QPointF(10, 20);
        QTest::newRow("bottom left with a height")
            << true << QPointF(10, 20) << 5.0 << QPointF(10, 75);
        QTest::newRow("bottom left for a point")
            << true << QPointF(10, 20) << 0.0 << QPointF(10, 80);
        QTest::newRow("bottom row reads zero") << true << QPointF(3, 99) << 1.0 << QPointF(3, 0);
    }

    void mapToOrigin()
    {
        QFETCH(bool, flip);
        QFETCH(QPointF, point);
        QFETCH(double, height);
        QFETCH(QPointF, expected);
        Canvas canvas(800, 600);
        canvas.scene.loadImage(writePicture(QStringLiteral("h100.png"), 50, 100));
        canvas.scene.flipY = flip;
        QCOMPARE(canvas.scene.mapToOrigin(point, height), expected);
    }

    void dropHintImage()
    {
        const QImage hint = DLGraphicsScene::makeDropHintImage();
        QCOMPARE(hint.size(), QSize(300, 160));
        QCOMPARE(hint.format(), QImage::Format_ARGB32_Premultiplied);
        for (const QPoint corner : {QPoint(0, 0), QPoint(299, 0), QPoint(0, 159), QPoint(299, 159)})
            QCOMPARE(qAlpha(hint.pixel(corner)), 0);
        // The arrow's shaft runs down the middle from y 34 to 86, stroked 12 wide in
        // half-transparent white.
        const QColor shaft = QColor::fromRgba(qUnpremultiply(hint.pixel(150, 60)));
        QVERIFY2(qAbs(shaft.alpha() - 128) <= 2, qPrintable(QString::number(shaft.alpha())));
        QCOMPARE(shaft.red(), 255);
        QCOMPARE(qAlpha(hint.pixel(150 + 7, 45)), 0);
        // The rounded square's left side lies at x 100, inside the stroke.
        QVERIFY(qAlpha(hint.pixel(100, 60)) > 100);
        QCOMPARE(qAlpha(hint.pixel(112, 25)), 0);
        // Some text is drawn below the icon, and nothing right of the square beside it.
        int textPixels = 0;
        for (int y = 104; y < 160; ++y)
            for (int x = 0; x < 300; ++x)
                textPixels += qAlpha(hint.pixel(x, y)) > 0;
        QVERIFY(textPixels > 100);
    }

    void dropIconPathPoints()
    {
        const QPainterPath path = DLGraphicsScene::dropIconPath(100, 300, 100, 12, QPointF(0, 10));
        QCOMPARE(path.boundingRect(), QRectF(100, 10, 100, 100));
        // The last subpath is the left barb, from the shaft's end down-left.
        const int n = path.elementCount();
        QCOMPARE(QPointF(path.elementAt(n - 2)), QPointF(150, 86));
        QCOMPARE(QPointF(path.elementAt(n - 1)), QPointF(125, 63));
        QCOMPARE(QPointF(path.elementAt(n - 3)), QPointF(175, 63));
        QCOMPARE(QPointF(path.elementAt(n - 5)), QPointF(150, 34));
    }

    void emptyStateAddsAndRemovesHints()
    {
        Canvas canvas(800, 600);
        auto countGroups = [&]() {
            int groups = 0;
            for (QGraphicsItem *item : canvas.scene.items())
                groups += item->type() == QGraphicsItemGroup::Type;
            return groups;
        };
        canvas.scene.setEmptyState(true);
        canvas.scene.setEmptyState(true);
        QCOMPARE(countGroups(), 2);
        QCOMPARE(canvas.view.backgroundBrush().color(), QColor(50, 53, 63));
        canvas.scene.setEmptyState(false);
        QCOMPARE(countGroups(), 0);
        QCOMPARE(canvas.scene.items().size(), 0);
        QCOMPARE(canvas.view.backgroundBrush().color(), QColor(0xFF32353F));
    }

    void clearCanvasForgetsPicture()
    {
        Canvas canvas(800, 600);
        canvas.scene.loadImage(writePicture(QStringLiteral("c.png"), 20, 20));
        canvas.scene.setEmptyState(true);
        canvas.scene.clearCanvas();
        QVERIFY(!canvas.scene.imageItem);
        QCOMPARE(canvas.scene.items().size(), 0);
        // Loading again after a clear must not touch the deleted item.
        canvas.scene.loadImage(writePicture(QStringLiteral("d.png"), 30, 10));
        QCOMPARE(canvas.scene.items().size(), 1);
    }

    void setScaleReplacesTheMatrix()
    {
        Canvas canvas(800, 600);
        canvas.view.setTransform(QTransform().rotate(30));
        canvas.scene.setScale(1.0, &canvas.view);
        QVERIFY(canvas.view.transform().isRotating()); // unchanged: equal to the current factor
        canvas.scene.setScale(2.0, &canvas.view);
        QCOMPARE(canvas.view.transform(), QTransform::fromScale(2.0, 2.0));
        canvas.scene.setScale(0.5, &canvas.view);
        QCOMPARE(canvas.view.transform(), QTransform::fromScale(0.5, 0.5));
        QCOMPARE(canvas.scene.scale, 0.5);
    }

    void labelSlicesLoaded()
    {
        DLGraphicsScene scene;
        QCOMPARE(scene.lenLeftImage.size(), QSize(14, 26));
        QCOMPARE(scene.lenMidImage.size(), QSize(2, 26));
        QCOMPARE(scene.lenRightImage.size(), QSize(14, 26));
        QCOMPARE(scene.undoStack.undoLimit(), 200);
    }
};

DIMLET_TEST_MAIN(TestScenePicture)
#include "tst_scenepicture.moc"
