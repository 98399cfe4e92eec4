#pragma once

#include <QIcon>
#include <QIconEngine>
#include <QVector>

// An icon made of picture files that are decoded on the first request for a picture rather
// than when they are added; a window icon that the platform never draws costs nothing.
// Sizes given with the files are answered without reading them.
class DeferredIconEngine : public QIconEngine
{
public:
    DeferredIconEngine() = default;

    void addFile(
        const QString &fileName, const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    void addPixmap(const QPixmap &pixmap, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(
        QIcon::Mode mode = QIcon::Normal, QIcon::State state = QIcon::Off) const override;
    QString key() const override;
    QIconEngine *clone() const override;
    void virtual_hook(int id, void *data) override;

    bool isLoaded() const { return m_loaded; }

private:
    struct Source
    {
        QString fileName;
        QSize size;
        QIcon::Mode mode;
        QIcon::State state;
        QPixmap pixmap;
    };

    const QIcon &icon() const;
    // Sizes asked of an engine are in device pixels; the icon it delegates to multiplies
    // them by this ratio once more.
    static qreal iconPixelRatio();

    QVector<Source> m_sources;
    mutable QIcon m_icon;
    mutable bool m_loaded = false;
};

// The icon of the given files (each with the size it is drawn at), read when first drawn.
QIcon deferredFileIcon(const QVector<QPair<QString, QSize>> &files);
