#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>

#include <functional>

// One message box or Yes/No question that the program puts to the user.
struct UserPrompt
{
    QPointer<QWidget> parent;
    QString title;
    QString text;
    bool question = false; // Yes/No instead of a plain OK box
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

using PromptAnswerer = std::function<QMessageBox::StandardButton(const UserPrompt &)>;

// Every message box of the program goes through here, so tests can answer it.
QMessageBox::StandardButton promptUser(const UserPrompt &prompt);

// A plain modal box with only its text; returns when the user closes it.
void showMessage(const QString &text, QWidget *parent = nullptr);

// A Yes/No question; true when the answer is Yes.
bool askYesNo(QWidget *parent, const QString &title, const QString &text,
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

// Replaces the function that answers prompts; an empty one restores the modal boxes.
// Returns the previous answerer.
PromptAnswerer setPromptAnswerer(PromptAnswerer answerer);
