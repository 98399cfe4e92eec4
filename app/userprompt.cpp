#include "userprompt.h"

namespace {
PromptAnswerer &installedAnswerer()
{
    static PromptAnswerer answerer;
    return answerer;
}

QMessageBox::StandardButton showModalBox(const UserPrompt &prompt)
{
    if (prompt.question) {
        return QMessageBox::question(prompt.parent, prompt.title, prompt.text,
            QMessageBox::Yes | QMessageBox::No, prompt.defaultButton);
    }
    QMessageBox box(prompt.parent);
    box.setText(prompt.text);
    if (!prompt.title.isEmpty())
        box.setWindowTitle(prompt.title);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
} // namespace

QMessageBox::StandardButton promptUser(const UserPrompt &prompt)
{
    if (installedAnswerer())
        return installedAnswerer()(prompt);
    return showModalBox(prompt);
}

void showMessage(const QString &text, QWidget *parent)
{
    UserPrompt prompt;
    prompt.parent = parent;
    prompt.text = text;
    promptUser(prompt);
}

bool askYesNo(QWidget *parent, const QString &title, const QString &text,
    QMessageBox::StandardButton defaultButton)
{
    UserPrompt prompt;
    prompt.parent = parent;
    prompt.title = title;
    prompt.text = text;
    prompt.question = true;
    prompt.defaultButton = defaultButton;
    return promptUser(prompt) == QMessageBox::Yes;
}

PromptAnswerer setPromptAnswerer(PromptAnswerer answerer)
{
    PromptAnswerer previous = installedAnswerer();
    installedAnswerer() = std::move(answerer);
    return previous;
}
