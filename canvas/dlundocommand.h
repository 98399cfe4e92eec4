#pragma once

#include <QUndoCommand>

class DLGraphicsScene;

// A recorded mark edit. The edit has already happened when the command is pushed, so the
// first redo does nothing; marks are named by their order number, never by pointer.
class DLUndoCommand : public QUndoCommand
{
public:
    DLUndoCommand(int markType, int order);

    void setScene(DLGraphicsScene *scene) { m_scene = scene; }
    DLGraphicsScene *scene() const { return m_scene; }
    int markType() const { return m_markType; }
    int order() const { return m_order; }
    bool isFirstRedoPending() const { return firstRedoPending != 0; }

protected:
    // True, once, for the redo the stack runs on push.
    bool takeFirstRedo();

private:
    int firstRedoPending = 1;
    int m_markType;
    int m_order;
    DLGraphicsScene *m_scene = nullptr;
};
