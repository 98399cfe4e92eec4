#pragma once

#include <QGraphicsItem>

// The kinds of mark; stored in documents as "type".
enum DLMarkType { MarkLength = 0, MarkRect = 1, MarkColorPick = 2, MarkComments = 3 };

// A mark's item type is UserType + its kind; the scene tells marks apart by it.
constexpr int markItemTypeBase = QGraphicsItem::UserType;
constexpr int markItemType(int markType)
{
    return markItemTypeBase + markType;
}
inline bool isMarkItemType(int itemType)
{
    return itemType >= markItemType(MarkLength) && itemType <= markItemType(MarkComments);
}

// Item type of the in-place comment editor.
constexpr int commentEditorItemType = QGraphicsItem::UserType + 10086;

enum DLLenChanged { LenChangeBegin = 0, LenChanging = 1, LenChangeEnd = 2 };

// Which undo command a mark still owes the scene.
enum class PendingChange { None = 0, Created = 1, Moved = 2, Resized = 3, Deleted = 4 };

// The part of a mark under a point. Rectangles number their eight handles row by row;
// the length, callout and comment parts reuse the small values for their own handles.
enum DLHitPart {
    HitNone = 0,
    HitTopLeft = 1,
    HitTopMiddle = 2,
    HitTopRight = 3,
    HitMiddleLeft = 4,
    HitMiddleRight = 5,
    HitBottomLeft = 6,
    HitBottomMiddle = 7,
    HitBottomRight = 8,
    HitStartHandle = 1, // a length's first end
    HitEndHandle = 2, // a length's second end, a callout's label end
    HitArrow = 1, // a callout's arrowhead
    HitWidthGrip = 3, // a comment's wrap width
    HitBody = 9, // moves the whole mark
    HitIgnored = 10 // treated like HitNone; no mark produces it
};

// The part that follows the pointer while a new mark is drawn.
constexpr DLHitPart defaultHitPart(int markType)
{
    return markType == MarkRect ? HitBottomRight : HitEndHandle;
}
