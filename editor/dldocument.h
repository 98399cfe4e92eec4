#pragma once

#include "marks/markrecord.h"

#include <QString>

// Why a document could not be read or written; the editor turns it into its message.
enum class DocumentError {
    None,
    CannotOpenDocument,
    CannotReadDocument,
    VersionTooNew,
    CannotWritePicture,
    CannotReadPicture,
    CannotOpenOutput
};

// What reading a document produced. The result owns its records and deletes the ones
// still held when it goes away; takeRecords() hands them to the caller, who then
// deletes them (clearMarkRecords).
class DocumentReadResult
{
public:
    DocumentReadResult() = default;
    ~DocumentReadResult();
    DocumentReadResult(DocumentReadResult &&other) noexcept;
    DocumentReadResult &operator=(DocumentReadResult &&other) noexcept;
    DocumentReadResult(const DocumentReadResult &) = delete;
    DocumentReadResult &operator=(const DocumentReadResult &) = delete;

    MarkRecordList takeRecords();

    DocumentError error = DocumentError::None;
    // The extracted picture inside the temporary directory; empty after any failure.
    QString picturePath;
    // The document's "min" (0 when missing), for the version message.
    int minVersionCode = 0;
    // The document's "z-value": the next mark's z-value.
    double zValue = 0.0;
    // Filled only when the version gate passed; kept when only the extraction failed.
    MarkRecordList records;
};

// Reads the document at path and extracts its picture into tempDir (never elsewhere).
DocumentReadResult readDocumentFile(const QString &path, const QString &tempDir);

// Writes the picture file's bytes and the records as a document to target. The records
// stay the caller's. A failed write leaves an existing target untouched.
DocumentError writeDocumentFile(const QString &target, const QString &picturePath,
    const MarkRecordList &records, double nextZValue);

// The translated message for error (empty for None); minVersionCode fills the version message.
QString documentErrorMessage(DocumentError error, int minVersionCode = 0);
