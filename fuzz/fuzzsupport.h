#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// Starts the offscreen application with a private HOME, XDG tree and TMPDIR, so nothing a
// target reads or writes touches the user's files; prompts are answered without a window.
void startFuzzApplication();

// A directory of the given name inside the private tree, created on first use.
QString fuzzDir(const QString &name);

inline QByteArray fuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), int(size));
}

// A broken promise is a finding: libFuzzer keeps the input when the process aborts.
void reportFinding(const QString &failure);
