#include "dlcommentediting.h"

#include "dlgraphicsscene.h"
#include "dlgraphicstextitem.h"
#include "dltextchangecommand.h"
#include "marks/dlgraphicsitem.h"
#include "marks/dlgraphicsitemrenderer.h"

#include <QTextCursor>
#include <QTextDocument>

DLCommentEditing::DLCommentEditing(DLGraphicsScene &scene)
    : m_scene(scene)
{
}

bool DLCommentEditing::isEditing(const DLGraphicsItem *mark) const
{
    return m_textEditor && m_textEditor->related == mark;
}

DLGraphicsTextItem *DLCommentEditing::begin(const QString &text, DLGraphicsItem *mark)
{
    if (!mark || mark->type() != markItemType(MarkComments))
        return nullptr;
    const QPointF at = mark->labelSceneRect().topLeft();
    if (m_textEditor)
        abandon();

    auto *editor = new DLGraphicsTextItem(text);
    m_textEditor = editor;
    editor->related = mark;
    editor->setZValue(10000.0);
    editor->setDefaultTextColor(QColor::fromRgba(DLGraphicsItemRenderer::markColor()));
    editor->setFont(DLGraphicsItemRenderer::labelFont());
    editor->setPos(at);
    editor->setTextWidth(mark->maxWidth());
    editor->document()->setDocumentMargin(0);
    m_scene.addItem(editor);
    editor->setTextInteractionFlags(Qt::TextEditorInteraction);
    QTextCursor cursor = editor->textCursor();
    cursor.select(QTextCursor::Document);
    editor->setTextCursor(cursor);
    return editor;
}

bool DLCommentEditing::commit(DLGraphicsTextItem *editor, DLGraphicsItem *mark)
{
    if (!editor || editor != m_textEditor)
        return false;
    QString text = editor->toPlainText();
    // A comment never has an empty text: it would leave nothing to click.
    if (text.isEmpty())
        text = QStringLiteral(" ");
    if (mark) {
        m_scene.pushUndoCommand(DLTextChangeCommand::create(&m_scene, mark, mark->text(), text));
        mark->setText(text);
        mark->refresh();
        mark->handlePrepareGeometryChange();
        mark->handleUpdate();
    }
    m_textEditor = nullptr;
    editor->deleteLater();
    return true;
}

void DLCommentEditing::finish()
{
    DLGraphicsTextItem *editor = m_textEditor;
    if (!editor)
        return;
    editor->setActive(false);
    editor->clearFocus();
    // An editor that never had the focus (an inactive window) gets no focus-out event.
    if (m_textEditor == editor)
        editor->finishEditing();
}

void DLCommentEditing::abandon()
{
    DLGraphicsTextItem *editor = m_textEditor;
    if (!editor)
        return;
    m_textEditor = nullptr;
    // Its focus loss must not write its text anywhere any more.
    editor->disconnect(&m_scene);
    editor->clearFocus();
    m_scene.removeItem(editor);
    editor->deleteLater();
}

bool DLCommentEditing::forget()
{
    if (!m_textEditor)
        return false;
    m_textEditor->disconnect(&m_scene);
    m_textEditor = nullptr;
    return true;
}
