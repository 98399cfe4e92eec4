#pragma once

#include "app/userprompt.h"

#include <QApplication>
#include <QStringList>
#include <QTest>

// Prepares the private test home (made by ctest's environment), the embedded
// resources and the mark palette, as main() does for the program.
void prepareTestEnvironment();

// Answers every message box and question instead of a human and remembers
// what was asked. Installed for the lifetime of the object.
class PromptRecorder
{
public:
    explicit PromptRecorder(QMessageBox::StandardButton answer = QMessageBox::Ok);
    ~PromptRecorder();

    void setAnswer(QMessageBox::StandardButton answer) { m_answer = answer; }
    const QList<UserPrompt> &prompts() const { return m_prompts; }
    QStringList texts() const;
    void clear() { m_prompts.clear(); }

private:
    QMessageBox::StandardButton m_answer;
    QList<UserPrompt> m_prompts;
    PromptAnswerer m_previous;
};

#define DIMLET_TEST_MAIN(TestObject)                                                               \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        prepareTestEnvironment();                                                                  \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        PromptRecorder unexpectedPrompts(QMessageBox::No);                                         \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
