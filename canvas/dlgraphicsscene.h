#pragma once

#include "marks/dlmarktypes.h"
#include "marks/markrecord.h"

#include <QGraphicsScene>
#include <QImage>
#include <QUndoStack>

class QGraphicsPathItem;
class QGraphicsPixmapItem;
class QGraphicsView;
class QPainter;
class QPainterPath;
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

    // Picture and canvas
    void setEmptyState(bool empty);
    void loadImage(const QString &path);
    void clearCanvas();
    void setScale(double factor, QGraphicsView *view);
    QRgb pixelAt(const QPointF &p) const;
    QPointF mapToOrigin(const QPointF &p, double h) const;
    static QImage makeDropHintImage();
    static QPainterPath dropIconPath(
        int side, int areaWidth, int areaHeight, int margin, QPointF offset);

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
    void clearUndo();
    void undo();
    void redo();
    void recreateMark(int order, int type, const QString &text, const QPointF &p1,
        const QPointF &p2, double widthValue = -1.0);
    void removeMarkByOrder(int order);
    void setMarkPointsByOrder(int order, const QPointF &p1, const QPointF &p2);
    void setMarkTextByOrder(int order, const QString &text);
    DLGraphicsItem *findMarkByOrder(int order) const;

    // Tool interaction
    void deleteSelectedMarks();
    void finishEditingAndDeselect();

    // Comment editing
    void beginCommentEditing(const QString &text, DLGraphicsItem *mark);

    // Edge auto-detection
    bool findColorRun(const QPoint &p, bool horizontal, QPoint *start, QPoint *end) const;

    DLToolType toolType = ToolLength;
    DLMode mode = ModeMove;
    double scale = 1.0;
    bool flipY = false;
    bool modified = false;
    QString imagePath;
    QImage image;
    QGraphicsPixmapItem *imageItem = nullptr;
    double nextZValue = 0.0;
    DLGraphicsItem *activeMark = nullptr;
    unsigned int activeHitPart = 0;
    DLGraphicsTextItem *textEditor = nullptr;
    bool guideVertical = true;
    QGraphicsPathItem *guideLine1 = nullptr;
    QGraphicsPathItem *guideLine2 = nullptr;
    QGraphicsPathItem *detectPath = nullptr;
    QGraphicsPixmapItem *detectLabel = nullptr;
    QUndoStack undoStack;
    QImage lenLeftImage;
    QImage lenMidImage;
    QImage lenRightImage;

signals:
    void itemSelected(QGraphicsItem *item);
    void textEditStateChanged(bool editing);

public slots:
    void makeEditorFinishEditing();
    void setMode(DLMode mode);
    void setToolType(DLToolType type);
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
    void onMarkSelectionChanged(DLGraphicsItem *mark);
    void onLengthChanged(const DLGraphicsLengthItem *mark, DLLenChanged kind);
    QGraphicsView *firstView() const;
    QRectF visibleSceneRect() const;
    void placeGuideLines(const QPointF &p1, const QPointF &p2);
    void removeGuideLines();
    void discardMark(DLGraphicsItem *mark);
    // Drops the open editor without writing its text back.
    void abandonTextEditor(bool announce);
    void pushUndoCommand(QUndoCommand *command);
};
