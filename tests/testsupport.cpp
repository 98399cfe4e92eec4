#include "testsupport.h"

#include "app/resources.h"
#include "marks/dlpalette.h"

#include <QDir>
#include <QFile>

void prepareTestEnvironment()
{
    for (const char *name :
        {"HOME", "TMPDIR", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        const QString dir = qEnvironmentVariable(name);
        if (!dir.isEmpty())
            QDir().mkpath(dir);
    }
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) {
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    initDimletResources();
    initMarkPalette();
}

PromptRecorder::PromptRecorder(QMessageBox::StandardButton answer)
    : m_answer(answer)
{
    m_previous = setPromptAnswerer([this](const UserPrompt &prompt) {
        m_prompts.append(prompt);
        return m_answer;
    });
}

PromptRecorder::~PromptRecorder()
{
    setPromptAnswerer(m_previous);
}

QStringList PromptRecorder::texts() const
{
    QStringList result;
    for (const UserPrompt &prompt : m_prompts)
        result << prompt.text;
    return result;
}
