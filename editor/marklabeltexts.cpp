#include "marklabeltexts.h"

#include "marks/dlgraphicsitem.h"

#include <QGraphicsScene>

#include <algorithm>

QString selectedMarkTexts(const QGraphicsScene *scene)
{
    QList<const DLGraphicsItem *> marks;
    const QList<QGraphicsItem *> selected = scene->selectedItems();
    for (const QGraphicsItem *item : selected) {
        if (isMarkItemType(item->type()))
            marks << static_cast<const DLGraphicsItem *>(item);
    }
    std::stable_sort(marks.begin(), marks.end(),
        [](const DLGraphicsItem *a, const DLGraphicsItem *b) { return a->zValue() < b->zValue(); });
    QStringList lines;
    for (const DLGraphicsItem *mark : marks)
        lines << mark->text();
    return lines.join(QLatin1Char('\n'));
}
