#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// A document's picture with its marks drawn in, composed by the same scene and export
// code as the editor's Save As, without any window. Needs a QApplication: labels need fonts.
class DocumentRenderer
{
public:
    // Reads the document at path. Its picture is extracted into a private directory that
    // is gone again when this returns. False when the document or its picture is unusable.
    bool render(const QString &documentPath);

    const QImage &image() const { return m_image; }
    // Why render() failed, one line of English.
    const QString &errorMessage() const { return m_errorMessage; }
    // What the editor would have shown in a message box while loading (the picture is
    // still rendered), in the order shown.
    const QStringList &warnings() const { return m_warnings; }

private:
    QImage m_image;
    QString m_errorMessage;
    QStringList m_warnings;
};
