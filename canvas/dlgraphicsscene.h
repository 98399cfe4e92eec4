#pragma once

#include "marks/dlmarktypes.h"
#include "marks/markrecord.h"

#include <QGraphicsScene>
#include <QImage>
#include <QUndoStack>

#include <memory>

class QGraphicsPixmapItem;
class QGraphicsView;
class QPainter;
class DLCommentEditing;
class DLEdgeDetector;
class DLMarkInteraction;
class DLGraphicsItem;
class DLGraphicsLengthItem;
class DLGraphicsTextItem;

enum DLMode { ModeMove = 0, ModeMark = 1 };
enum DLToolType { ToolLength = 0, ToolRect = 1, ToolColorPick = 2, ToolComment = 3 };

// The canvas model: the picture at the bottom, the marks above it, the undo stack of
// every mark edit and the transient helper items (guides, detection preview, editor).
class DLGraphicsScene : public QGraphicsScene
{
    Q_OBJECT
public:
    explicit DLGraphicsScene(QObject *parent = nullptr);
    ~DLGraphicsScene() override;

    DLToolType toolType() const { return m_toolType; }
    DLMode mode() const { return m_mode; }
    double scale() const { return m_scale; }
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }
    const QString &imagePath() const { return m_imagePath; }
    const QImage &image() const { return m_image; }
    const QGraphicsPixmapItem *imageItem() const { return m_imageItem; }
    double nextZValue() const { return m_nextZValue; }
    const QUndoStack &undoStack() const { return m_undoStack; }

    // Picture and canvas
    void setEmptyState(bool empty);
    void loadImage(const QString &path);
    // Forgets the picture's path and pixels, so nothing is left that Save could write.
    void forgetImage();
    void clearCanvas();
    void setScale(double factor, QGraphicsView *view);
    QRgb pixelAt(const QPointF &p) const;
    QPointF mapToOrigin(const QPointF &p, double h) const;

    // Marks
    // Every mark, topmost first: the order documents store and exports paint them in.
    QList<DLGraphicsItem *> marks() const;
    // Gives a new mark the next order number and puts it on the scene.
    void placeNewMark(DLGraphicsItem *mark);
    // Rebuilds a mark from its record as a finished mark; null for a record that makes none.
    DLGraphicsItem *restoreMark(const MarkRecord &record);
    DLGraphicsItem *findMarkByOrder(int order) const;
    void removeMarkByOrder(int order);
    void setMarkPointsByOrder(int order, const QPointF &p1, const QPointF &p2);
    void setMarkTextByOrder(int order, const QString &text);

    // Documents
    bool loadDocument(const MarkRecordList &records, const QString &imagePath, double nextZ);
    bool collectMarkRecords(MarkRecordList *records);
    bool hasMarks() const;
    void applySettingsChanges(int mask);
    void refreshColorPicks();
    void renderTo(QPainter *painter);
    // renderTo without the picture: the marks alone, for a painter whose device already holds it.
    void renderMarksTo(QPainter *painter);

    // Undo
    void clearUndo() { m_undoStack.clear(); }
    void undo() { m_undoStack.undo(); }
    void redo() { m_undoStack.redo(); }
    // Records an edit that has already happened; a null command records nothing.
    void pushUndoCommand(QUndoCommand *command);

    // Tool interaction
    // False while a comment is edited, a detection runs or the mode is not ModeMark.
    bool acceptsMarkEdits() const;
    bool isEditingComment() const;
    bool isDetecting() const;
    // Takes the mark out of the scene and deletes it, ending a drag or an edit on it.
    void discardMark(DLGraphicsItem *mark);
    void deleteSelectedMarks();
    void finishEditingAndDeselect();

    // Comment editing
    void beginCommentEditing(const QString &text, DLGraphicsItem *mark);

    // Edge auto-detection
    bool findColorRun(const QPoint &p, bool horizontal, QPoint *start, QPoint *end) const;

signals:
    void itemSelected(QGraphicsItem *item);
    void textEditStateChanged(bool editing);

public slots:
    void makeEditorFinishEditing();
    void setMode(DLMode mode) { m_mode = mode; }
    void setToolType(DLToolType type) { m_toolType = type; }
    void myItemSelected(QGraphicsItem *item);
    void onTrackMouseFreeMoveStart(QPointF pos);
    void onTrackMouseFreeMovePosChanged(QPointF pos);
    void onTrackMouseFreeMoveEnd(bool select, QPointF pos);

private slots:
    void textEditorDidEndEditor(DLGraphicsTextItem *text, DLGraphicsItem *item);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

private:
    friend class SceneTestAccess;

    void onMarkSelectionChanged(DLGraphicsItem *mark);
    QGraphicsView *firstView() const;

    DLToolType m_toolType = ToolLength;
    DLMode m_mode = ModeMove;
    double m_scale = 1.0;
    bool m_flipY = false;
    bool m_modified = false;
    QString m_imagePath;
    QImage m_image;
    QGraphicsPixmapItem *m_imageItem = nullptr;
    double m_nextZValue = 0.0;
    QUndoStack m_undoStack;
    // Each owns the items and state of its job: the comment editor, the detection preview,
    // the mark under the drag and its guide lines.
    std::unique_ptr<DLCommentEditing> m_commentEditing;
    std::unique_ptr<DLEdgeDetector> m_edgeDetector;
    std::unique_ptr<DLMarkInteraction> m_markInteraction;
};
