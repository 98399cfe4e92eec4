#include "benchenvironment.h"

#include "canvas/dlgraphicsscene.h"
#include "canvas/dlgraphicsview.h"
#include "editor/dldocument.h"
#include "hungendpoint.h"
#include "markrecords.h"
#include "scenefixture.h"
#include "spawnedchild.h"

#include <QDir>
#include <QFileInfo>
#include <QScrollBar>

#include <cstdio>

namespace {
constexpr int childTimeoutMs = 60000;
const QSize viewportSize(1920, 1080);
} // namespace

BenchEnvironment::BenchEnvironment(const BenchPictures &pictures, const QString &home)
    : m_pictures(pictures)
    , m_home(home)
{
}

BenchEnvironment::~BenchEnvironment()
{
    clearMarkRecords(m_savedRecords);
}

QString BenchEnvironment::dataDirectory()
{
    return qEnvironmentVariable("DIMLET_BENCH_DATA", QStringLiteral(DIMLET_BENCH_DATA_DIR));
}

int BenchEnvironment::repetitions() const
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue("DIMLET_BENCH_REPETITIONS", &ok);
    return ok && value > 0 ? value : 7;
}

QString BenchEnvironment::dimletProgram() const
{
    return QStringLiteral(DIMLET_PROGRAM);
}

QString BenchEnvironment::bareProgram() const
{
    return QStringLiteral(DIMLET_BARE_PROGRAM);
}

int BenchEnvironment::updateChecksSeen() const
{
    return m_endpoint ? m_endpoint->connectionsAccepted() : 0;
}

QString BenchEnvironment::childErrorLog() const
{
    return QDir(dataDirectory()).filePath(QStringLiteral("children.log"));
}

QMap<QByteArray, QByteArray> BenchEnvironment::childEnvironment() const
{
    QMap<QByteArray, QByteArray> environment;
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert(
        "QT_PLUGIN_PATH", QFile::encodeName(QStringLiteral(DIMLET_PROBE_PLUGIN_DIR)));
    environment.insert("QT_STYLE_OVERRIDE", "dimletprobe");
    environment.insert("DIMLET_UPDATE_URL", m_endpoint ? m_endpoint->url().toEncoded() : "");
    environment.insert("DIMLET_PROBE_OPEN", "");
    return environment;
}

bool BenchEnvironment::prepare()
{
    for (const QString &program : {dimletProgram(), bareProgram()}) {
        if (!QFileInfo(program).isExecutable()) {
            std::fprintf(stderr, "missing program %s\n", qPrintable(program));
            return false;
        }
    }
    QDir().mkpath(extractionDirectory());
    QFile::remove(childErrorLog());
    m_endpoint = std::make_unique<HungEndpoint>();
    if (m_endpoint->url().port() <= 0) {
        std::fprintf(stderr, "the update endpoint could not listen on 127.0.0.1\n");
        return false;
    }

    SpawnedChild first(dimletProgram(), {}, childEnvironment(), childErrorLog());
    const QList<QByteArray> frame = first.waitForLine("frame ", childTimeoutMs).split(' ');
    if (frame.size() != 3) {
        std::fprintf(stderr, "dimlet painted no frame through the probe (see %s)\n",
            qPrintable(childErrorLog()));
        return false;
    }
    m_editorWindowSize = QSize(frame[1].toInt(), frame[2].toInt());

    m_savedRecords = makeMarkRecords(
        savedMarks, QRect(0, 0, BenchPictures::screenWidth, BenchPictures::screenHeight), 11);
    const DocumentError written
        = writeDocumentFile(documentPath(), m_pictures.noise(), m_savedRecords, savedMarks + 1);
    if (written != DocumentError::None) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(documentPath()));
        return false;
    }
    return true;
}

void BenchEnvironment::finish()
{
    QDir(extractionDirectory()).removeRecursively();
    QDir(dataDirectory()).remove(QStringLiteral("document-50mb.dld"));
    for (const QString &name : QDir(dataDirectory()).entryList({QStringLiteral("out-*")}))
        QDir(dataDirectory()).remove(name);
}

QString BenchEnvironment::documentPath() const
{
    return QDir(dataDirectory()).filePath(QStringLiteral("document-50mb.dld"));
}

QString BenchEnvironment::extractionDirectory() const
{
    return QDir(dataDirectory()).filePath(QStringLiteral("extracted"));
}

QString BenchEnvironment::outputPath(const QString &name) const
{
    return QDir(dataDirectory()).filePath(QStringLiteral("out-") + name);
}

QRect BenchEnvironment::paintedArea()
{
    return QRect(QPoint(2000, 1200), viewportSize);
}

std::unique_ptr<SceneFixture> BenchEnvironment::makeFixture(const QSize &viewport, bool shown,
    const QString &picture, const MarkRecordList &records, double nextZValue)
{
    auto fixture = std::make_unique<SceneFixture>(viewport, shown);
    fixture->open(picture, records, nextZValue);
    return fixture;
}

SceneFixture *BenchEnvironment::openFixture()
{
    if (!m_open)
        m_open = std::make_unique<SceneFixture>(viewportSize, false);
    return m_open.get();
}

SceneFixture *BenchEnvironment::moveFixture()
{
    if (!m_move)
        m_move = makeFixture(viewportSize, false, m_pictures.screenshot(), {}, 1.0);
    return m_move.get();
}

SceneFixture *BenchEnvironment::paintFixture(bool withMarks)
{
    std::unique_ptr<SceneFixture> &fixture = withMarks ? m_paintWithMarks : m_paintBare;
    if (!fixture) {
        MarkRecordList records;
        if (withMarks)
            records = makeMarkRecords(paintedMarks, paintedArea(), 7);
        fixture
            = makeFixture(viewportSize, true, m_pictures.screenshot(), records, records.size() + 1);
        clearMarkRecords(records);
        // Scrolled so that the viewport shows exactly the painted area.
        QScrollBar *h = fixture->view()->horizontalScrollBar();
        QScrollBar *v = fixture->view()->verticalScrollBar();
        const QRectF scene = fixture->scene()->sceneRect();
        h->setValue(h->minimum() + int(paintedArea().left() - scene.left()));
        v->setValue(v->minimum() + int(paintedArea().top() - scene.top()));
    }
    return fixture.get();
}

SceneFixture *BenchEnvironment::exportFixture()
{
    if (!m_export) {
        MarkRecordList records = makeMarkRecords(
            exportedMarks, QRect(0, 0, BenchPictures::screenWidth, BenchPictures::screenHeight), 5);
        m_export = makeFixture(
            viewportSize, false, m_pictures.screenshot(), records, records.size() + 1);
        clearMarkRecords(records);
    }
    return m_export.get();
}
