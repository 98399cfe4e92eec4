#pragma once

#include "benchpictures.h"
#include "marks/markrecord.h"

#include <QByteArray>
#include <QMap>
#include <QRect>
#include <QSize>
#include <QString>

#include <memory>

class HungEndpoint;
class SceneFixture;

// What the benchmarks share: the pictures, the programs to start, the update endpoint that
// never answers, the scenes (made on first use, outside any timing) and the files they write.
class BenchEnvironment
{
public:
    static constexpr int paintedMarks = 2000;
    static constexpr int exportedMarks = 200;
    static constexpr int savedMarks = 200;

    BenchEnvironment(const BenchPictures &pictures, const QString &home);
    ~BenchEnvironment();

    static QString dataDirectory();

    // Starts the endpoint, checks the programs and learns the editor's window size from one
    // start of dimlet; writes the document that the Open row reads. Says why on failure.
    bool prepare();
    // Removes what the benchmarks wrote, keeping the pictures.
    void finish();

    int repetitions() const;
    const BenchPictures &pictures() const { return m_pictures; }
    QString dimletProgram() const;
    QString bareProgram() const;
    // The environment of a measured child: offscreen, the probe style, the hung endpoint.
    QMap<QByteArray, QByteArray> childEnvironment() const;
    QString childErrorLog() const;
    QSize editorWindowSize() const { return m_editorWindowSize; }
    // Connections the update endpoint has taken so far.
    int updateChecksSeen() const;

    // The scene part of the picture that the painted viewport shows; the marks lie in it.
    static QRect paintedArea();
    SceneFixture *openFixture();
    SceneFixture *moveFixture();
    SceneFixture *paintFixture(bool withMarks);
    SceneFixture *exportFixture();
    const MarkRecordList &savedRecords() const { return m_savedRecords; }

    QString documentPath() const;
    QString extractionDirectory() const;
    QString outputPath(const QString &name) const;

private:
    std::unique_ptr<SceneFixture> makeFixture(const QSize &viewport, bool shown,
        const QString &picture, const MarkRecordList &records, double nextZValue);

    BenchPictures m_pictures;
    QString m_home;
    std::unique_ptr<HungEndpoint> m_endpoint;
    QSize m_editorWindowSize;
    MarkRecordList m_savedRecords;
    std::unique_ptr<SceneFixture> m_open;
    std::unique_ptr<SceneFixture> m_move;
    std::unique_ptr<SceneFixture> m_paintWithMarks;
    std::unique_ptr<SceneFixture> m_paintBare;
    std::unique_ptr<SceneFixture> m_export;
};
