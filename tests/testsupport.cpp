#include "testsupport.h"

#include "app/resources.h"
#include "marks/dlpalette.h"

#include <QDir>
#include <QFile>

void prepareTestEnvironment()
{
    for (const char *name :
        {"HOME", "TMPDIR", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
        QDir().mkpath(qEnvironmentVariable(name));
    QFile::setPermissions(qEnvironmentVariable("XDG_RUNTIME_DIR"),
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    initDimletResources();
    initMarkPalette();
}

PromptRecorder::PromptRecorder(QMessageBox::StandardButton answer)
    : m_previous(setPromptAnswerer([this, answer](const UserPrompt &prompt) {
        m_prompts.append(prompt);
        return answer;
    }))
{
}
