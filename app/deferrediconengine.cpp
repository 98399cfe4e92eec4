#include "deferrediconengine.h"

#include <QGuiApplication>
#include <QPainter>

void DeferredIconEngine::addFile(
    const QString &fileName, const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    if (fileName.isEmpty())
        return;
    if (m_loaded)
        m_icon.addFile(fileName, size, mode, state);
    m_sources.append({fileName, size, mode, state, QPixmap()});
}

void DeferredIconEngine::addPixmap(const QPixmap &pixmap, QIcon::Mode mode, QIcon::State state)
{
    if (pixmap.isNull())
        return;
    if (m_loaded)
        m_icon.addPixmap(pixmap, mode, state);
    m_sources.append({QString(), pixmap.size(), mode, state, pixmap});
}

const QIcon &DeferredIconEngine::icon() const
{
    if (!m_loaded) {
        m_loaded = true;
        for (const Source &source : m_sources) {
            if (source.fileName.isEmpty())
                m_icon.addPixmap(source.pixmap, source.mode, source.state);
            else
                m_icon.addFile(source.fileName, source.size, source.mode, source.state);
        }
    }
    return m_icon;
}

qreal DeferredIconEngine::iconPixelRatio()
{
    if (!qGuiApp || !QCoreApplication::testAttribute(Qt::AA_UseHighDpiPixmaps))
        return 1.0;
    return qGuiApp->devicePixelRatio();
}

void DeferredIconEngine::paint(
    QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QPixmap DeferredIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    const qreal ratio = iconPixelRatio();
    if (!(ratio > 1.0))
        return icon().pixmap(size, mode, state);
    return icon().pixmap(
        QSize(qRound(size.width() / ratio), qRound(size.height() / ratio)), mode, state);
}

QSize DeferredIconEngine::actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    if (!(iconPixelRatio() > 1.0))
        return icon().actualSize(size, mode, state);
    // The delegate would answer in its own units; a picture's size is the same in any unit.
    return pixmap(size, mode, state).size();
}

QList<QSize> DeferredIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state) const
{
    QList<QSize> sizes;
    for (const Source &source : m_sources) {
        // A file without a size must be read to know it.
        if (!source.size.isValid())
            return icon().availableSizes(mode, state);
        if (source.mode == mode && source.state == state && !source.size.isEmpty())
            sizes.append(source.size);
    }
    return sizes;
}

QString DeferredIconEngine::key() const
{
    return QStringLiteral("DeferredIconEngine");
}

QIconEngine *DeferredIconEngine::clone() const
{
    auto *copy = new DeferredIconEngine;
    copy->m_sources = m_sources;
    copy->m_icon = m_icon;
    copy->m_loaded = m_loaded;
    return copy;
}

void DeferredIconEngine::virtual_hook(int id, void *data)
{
    if (id == QIconEngine::IsNullHook) {
        *static_cast<bool *>(data) = m_sources.isEmpty();
        return;
    }
    QIconEngine::virtual_hook(id, data);
}

QIcon deferredFileIcon(const QVector<QPair<QString, QSize>> &files)
{
    auto *engine = new DeferredIconEngine;
    for (const auto &file : files)
        engine->addFile(file.first, file.second, QIcon::Normal, QIcon::Off);
    return QIcon(engine);
}
