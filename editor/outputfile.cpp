#include "outputfile.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {
// Replacing a file gives it a new identity; its other names would keep the old content.
bool hasFurtherHardLinks(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat status;
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode)
        && status.st_nlink > 1;
#else
    Q_UNUSED(path);
    return false;
#endif
}
} // namespace

OutputFile::OutputFile(const QString &path)
    : m_replacement(path)
    , m_inPlace(path)
    , m_writesInPlace(hasFurtherHardLinks(path))
{
    m_replacement.setDirectWriteFallback(true);
}

bool OutputFile::open()
{
    if (m_writesInPlace)
        return m_inPlace.open(QIODevice::WriteOnly | QIODevice::Truncate);
    return m_replacement.open(QIODevice::WriteOnly);
}

QIODevice *OutputFile::device()
{
    if (m_writesInPlace)
        return &m_inPlace;
    return &m_replacement;
}

void OutputFile::cancelWriting()
{
    if (m_writesInPlace)
        m_inPlace.close();
    else
        m_replacement.cancelWriting();
}

bool OutputFile::commit()
{
    if (!m_writesInPlace)
        return m_replacement.commit();
    // Closing forgets an earlier write error, so it is taken first.
    const bool written = m_inPlace.error() == QFileDevice::NoError && m_inPlace.flush();
    m_inPlace.close();
    return written && m_inPlace.error() == QFileDevice::NoError;
}
