#pragma once

#include "app/userprompt.h"

#include <QApplication>
#include <QStringList>
#include <QTest>

// Makes ctest's private test home and sets up resources and the mark palette as main() does.
void prepareTestEnvironment();

// Answers every message box and question instead of a human and remembers what was asked.
class PromptRecorder
{
public:
    explicit PromptRecorder(QMessageBox::StandardButton answer = QMessageBox::Ok);
    ~PromptRecorder() { setPromptAnswerer(m_previous); }
    const QList<UserPrompt> &prompts() const { return m_prompts; }
    QStringList texts() const
    {
        QStringList result;
        for (const UserPrompt &prompt : m_prompts)
            result << prompt.text;
        return result;
    }
    void clear() { m_prompts.clear(); }

private:
    QList<UserPrompt> m_prompts;
    PromptAnswerer m_previous;
};

#define DIMLET_TEST_MAIN_WITH(Application, TestObject)                                             \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        prepareTestEnvironment();                                                                  \
        Application app(argc, argv);                                                               \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        PromptRecorder unexpectedPrompts(QMessageBox::No);                                         \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
#define DIMLET_TEST_MAIN(TestObject) DIMLET_TEST_MAIN_WITH(QApplication, TestObject)
