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

// Hit parts common to every mark.
constexpr int HitNone = 0;
constexpr int HitBody = 9;
constexpr int HitIgnored = 10;

// The part that follows the pointer while a new mark is drawn.
constexpr int defaultHitPart(int markType)
{
    return markType == MarkRect ? 8 : 2;
}
