#include "spawnedchild.h"

#include <QElapsedTimer>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

qint64 monotonicNanoseconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

SpawnedChild::SpawnedChild(const QString &program, const QStringList &arguments,
    const QMap<QByteArray, QByteArray> &environment, const QString &errorLog)
{
    QMap<QByteArray, QByteArray> merged;
    for (char **entry = environ; *entry; ++entry) {
        const QByteArray text(*entry);
        const int equals = text.indexOf('=');
        if (equals > 0)
            merged.insert(text.left(equals), text.mid(equals + 1));
    }
    for (auto it = environment.cbegin(); it != environment.cend(); ++it) {
        if (it.value().isEmpty())
            merged.remove(it.key());
        else
            merged.insert(it.key(), it.value());
    }
    QList<QByteArray> envText;
    for (auto it = merged.cbegin(); it != merged.cend(); ++it)
        envText.append(it.key() + '=' + it.value());
    QList<QByteArray> argText {program.toLocal8Bit()};
    for (const QString &argument : arguments)
        argText.append(argument.toLocal8Bit());
    std::vector<char *> envp;
    for (QByteArray &entry : envText)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::vector<char *> argv;
    for (QByteArray &entry : argText)
        argv.push_back(entry.data());
    argv.push_back(nullptr);

    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    const QByteArray logPath = QFile::encodeName(errorLog);
    posix_spawn_file_actions_addopen(
        &actions, STDERR_FILENO, logPath.constData(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    if (failed != 0) {
        ::close(pipeEnds[0]);
        return;
    }
    m_pid = pid;
    m_output = pipeEnds[0];
}

SpawnedChild::~SpawnedChild()
{
    if (m_output >= 0)
        ::close(m_output);
    if (m_pid > 0) {
        ::kill(m_pid, SIGKILL);
        int status = 0;
        while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) { }
    }
}

QByteArray SpawnedChild::waitForLine(const QByteArray &prefix, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (m_output >= 0) {
        int newline;
        while ((newline = m_pending.indexOf('\n')) >= 0) {
            const QByteArray line = m_pending.left(newline);
            m_pending.remove(0, newline + 1);
            if (line.startsWith(prefix))
                return line.mid(prefix.size());
        }
        const int left = timeoutMs - int(clock.elapsed());
        if (left <= 0)
            return QByteArray();
        pollfd wait {m_output, POLLIN, 0};
        const int ready = ::poll(&wait, 1, left);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return QByteArray();
        char buffer[4096];
        const ssize_t got = ::read(m_output, buffer, sizeof buffer);
        if (got <= 0)
            return QByteArray();
        m_pending.append(buffer, int(got));
    }
    return QByteArray();
}
