#pragma once

#include <QString>

class DLGraphicsItem;
class DLGraphicsScene;
class DLGraphicsTextItem;

// The in-place editing of a comment's text: at most one editor at a time, laid over the
// comment's label, whose text goes back into the comment with an undo command.
class DLCommentEditing
{
public:
    explicit DLCommentEditing(DLGraphicsScene &scene);

    DLGraphicsTextItem *textEditor() const { return m_textEditor; }
    bool isEditing(const DLGraphicsItem *mark) const;

    // Opens an editor over the comment with the whole text selected; an editor still open is
    // dropped. The caller connects it and gives it the focus. Null for a mark that is no comment.
    DLGraphicsTextItem *begin(const QString &text, DLGraphicsItem *mark);
    // Writes the editor's text into its comment. False for an editor that is not the open one.
    bool commit(DLGraphicsTextItem *editor, DLGraphicsItem *mark);
    // Takes the focus from the open editor, which commits it.
    void finish();
    // Drops the open editor without writing its text back.
    void abandon();
    // The canvas deleted the editor with every other item; true when one was open.
    bool forget();

private:
    DLGraphicsScene &m_scene;
    DLGraphicsTextItem *m_textEditor = nullptr;
};
