#pragma once

#include "canvas/dlgraphicsscene.h"
#include "editor/dleditor.h"
#include "marks/dlgraphicsitem.h"

#include <QImage>
#include <QStringList>
#include <QTemporaryDir>

// The editor with its file dialogs and its note answered, so no test waits for a human:
// the save dialog takes its answers from a list, then is cancelled like the open dialog.
class TestableEditor : public DLEditor
{
public:
    QStringList saveAnswers;
    int saveDialogs = 0;
    int savedNotes = 0;

    template<typename T> T *child(const char *name) const
    {
        return findChild<T *>(QLatin1String(name));
    }

protected:
    QString askOpenFileName(const QString &) override { return QString(); }
    QString askSaveFileName() override
    {
        ++saveDialogs;
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }
    void showSavedNote() override { ++savedNotes; }
};

// Writes a plain picture into dir and returns its path.
inline QString writePicture(const QTemporaryDir &dir, const QString &name, QSize size = {320, 240})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(200, 120, 40));
    const QString path = dir.filePath(name);
    image.save(path, "PNG");
    return path;
}

// A rectangle mark placed the way a press on the canvas places one; the scene owns it.
inline QGraphicsItem *addStandInMark(DLGraphicsScene *scene)
{
    DLGraphicsItem *mark = DLGraphicsItem::createDefault(MarkRect, QPointF(5, 5));
    scene->placeNewMark(mark);
    return mark;
}
