#include "firstframeprobe.h"

#include <QApplication>
#include <QFile>
#include <QFileOpenEvent>
#include <QMainWindow>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {
qint64 monotonicNanoseconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

QByteArray peakResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("-1");
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).replace("kB", "").trimmed();
    }
    return QByteArrayLiteral("-1");
}

// Written with one write() and left with _exit(): nothing of the program runs after the
// measurement, so a worker blocked on the network cannot hold the process.
[[noreturn]] void reportAndExit(const QByteArray &line)
{
    const QByteArray text = line + '\n';
    ssize_t written = ::write(STDOUT_FILENO, text.constData(), size_t(text.size()));
    Q_UNUSED(written)
    ::_exit(0);
}
} // namespace

void FirstFrameProbe::start()
{
    static FirstFrameProbe *probe = nullptr;
    if (probe || !qApp)
        return;
    probe = new FirstFrameProbe(qEnvironmentVariable("DIMLET_PROBE_OPEN"));
    qApp->installEventFilter(probe);
}

FirstFrameProbe::FirstFrameProbe(const QString &openPath)
    : m_openPath(openPath)
{
}

bool FirstFrameProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FileOpen && m_phase == Phase::Opening) {
        // The application opens the file while handling this event; the frame after it shows it.
        m_phase = Phase::OpenedFrame;
        return false;
    }
    if (event->type() != QEvent::Paint || !watched->isWidgetType())
        return false;
    if (m_phase != Phase::FirstFrame && m_phase != Phase::OpenedFrame)
        return false;
    QWidget *window = static_cast<QWidget *>(watched)->window();
    if (!qobject_cast<QMainWindow *>(window))
        return false;
    m_windowSize = window->size();
    const Phase painted = m_phase;
    m_phase = Phase::Done;
    QTimer::singleShot(0, this, [this, painted] {
        if (painted == Phase::FirstFrame && !m_openPath.isEmpty()) {
            m_phase = Phase::Opening;
            QCoreApplication::postEvent(qApp, new QFileOpenEvent(QUrl::fromLocalFile(m_openPath)));
            return;
        }
        frameComplete();
    });
    return false;
}

void FirstFrameProbe::frameComplete()
{
    // Where the memory went, mapping by mapping, for whoever profiles by hand.
    if (!qEnvironmentVariableIsEmpty("DIMLET_PROBE_SMAPS")) {
        QFile in(QStringLiteral("/proc/self/smaps"));
        QFile out(qEnvironmentVariable("DIMLET_PROBE_SMAPS"));
        if (in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly))
            out.write(in.readAll());
    }
    if (!m_openPath.isEmpty())
        reportAndExit("peak " + peakResidentKilobytes());
    reportAndExit("frame " + QByteArray::number(monotonicNanoseconds()) + ' '
        + QByteArray::number(m_windowSize.width()) + ' '
        + QByteArray::number(m_windowSize.height()));
}
