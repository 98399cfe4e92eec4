#pragma once

#include <QByteArray>
#include <QString>

// Reads bytes as a document file inside root, a directory that belongs to the check alone,
// and verifies what the reader promises: an error, or a complete result whose picture is
// the file's first block, extracted as the only plain file of a temporary directory and
// nothing written anywhere else. Returns what broke the promise, or an empty string.
// root is left as it was found, so the next input starts from the same state.
QString checkDocumentInput(const QByteArray &bytes, const QString &root);
