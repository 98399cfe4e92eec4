#pragma once

#include <QFile>
#include <QSaveFile>
#include <QString>

// The file a document or an exported picture is written to. It is normally written beside
// the target and swapped in by commit(), so a failed write leaves the previous file whole.
// A folder that cannot take a new file, and a target with further hard links (which must
// all see the new content), get the target itself rewritten in place instead.
class OutputFile
{
public:
    explicit OutputFile(const QString &path);

    bool open();
    QIODevice *device();
    // Drops what was written; in place the target then holds whatever got written so far.
    void cancelWriting();
    bool commit();

private:
    QSaveFile m_replacement;
    QFile m_inPlace;
    bool m_writesInPlace = false;
};
