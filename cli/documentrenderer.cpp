#include "documentrenderer.h"

#include "app/userprompt.h"
#include "canvas/dlgraphicsscene.h"
#include "editor/dldocument.h"
#include "editor/imageexport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {
QString translated(const char *text)
{
    return QCoreApplication::translate("DocumentRenderer", text);
}

// While alive, message boxes become warnings: nobody is there to close them.
class WarningCollector
{
public:
    explicit WarningCollector(QStringList *warnings)
    {
        m_previous = setPromptAnswerer([warnings](const UserPrompt &prompt) {
            warnings->append(prompt.text);
            return prompt.question ? QMessageBox::No : QMessageBox::Ok;
        });
    }
    ~WarningCollector() { setPromptAnswerer(m_previous); }
    WarningCollector(const WarningCollector &) = delete;
    WarningCollector &operator=(const WarningCollector &) = delete;

private:
    PromptAnswerer m_previous;
};
} // namespace

bool DocumentRenderer::render(const QString &documentPath)
{
    m_image = QImage();
    m_errorMessage.clear();
    m_warnings.clear();

    // A pipe or device could block the reader forever or feed it without end.
    const QFileInfo input(documentPath);
    if (input.exists() && !input.isFile()) {
        m_errorMessage = documentErrorMessage(DocumentError::CannotOpenDocument);
        return false;
    }

    const QTemporaryDir extraction(QDir::temp().filePath(QStringLiteral("dimlet-render-XXXXXX")));
    if (!extraction.isValid()) {
        m_errorMessage = translated("Could not create a temporary directory.");
        return false;
    }
    DocumentReadResult document = readDocumentFile(documentPath, extraction.path());
    if (document.error != DocumentError::None) {
        m_errorMessage = documentErrorMessage(document.error, document.minVersionCode);
        return false;
    }

    {
        const WarningCollector collector(&m_warnings);
        DLGraphicsScene scene;
        scene.loadDocument(document.records, document.picturePath, document.zValue);
        m_image = buildExportImage(&scene);
    }
    if (m_image.isNull()) {
        m_errorMessage = translated("The document's picture could not be read.");
        return false;
    }
    return true;
}
