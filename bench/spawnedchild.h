#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <sys/types.h>

// A program started with posix_spawn (no copy of this large process's page tables, unlike
// fork), its standard output on a pipe. The destructor ends it and reaps it.
class SpawnedChild
{
public:
    // environment entries replace or add to this process's own; an empty value removes one.
    // The child's standard error is appended to errorLog.
    SpawnedChild(const QString &program, const QStringList &arguments,
        const QMap<QByteArray, QByteArray> &environment, const QString &errorLog);
    ~SpawnedChild();
    SpawnedChild(const SpawnedChild &) = delete;
    SpawnedChild &operator=(const SpawnedChild &) = delete;

    bool started() const { return m_pid > 0; }
    // The first output line that starts with prefix, without the prefix; empty on time-out
    // or when the child ends first.
    QByteArray waitForLine(const QByteArray &prefix, int timeoutMs);

private:
    pid_t m_pid = -1;
    int m_output = -1;
    QByteArray m_pending;
};

// CLOCK_MONOTONIC in nanoseconds, the clock the probe writes.
qint64 monotonicNanoseconds();
