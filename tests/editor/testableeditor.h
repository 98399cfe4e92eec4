#pragma once

#include "canvas/dlgraphicsscene.h"
#include "editor/dleditor.h"
#include "marks/dlgraphicsitem.h"

#include <QDialog>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

// The editor with its modal dialogs replaced, so no test waits for a human.
class TestableEditor : public DLEditor
{
public:
    std::function<int()> settingsRunner;
    QStringList dialogsRun;
    QList<QWidget *> dialogParents;
    // Answers of the open and save dialogs, taken in order; a dialog with no answer
    // left is cancelled.
    QStringList openAnswers;
    QStringList saveAnswers;
    QStringList openFilters;
    int saveDialogs = 0;
    int savedNotes = 0;

    template<typename T> T *child(const char *name) const
    {
        return findChild<T *>(QLatin1String(name));
    }

protected:
    int runSettingsDialog() override
    {
        return settingsRunner ? settingsRunner() : DLEditor::runSettingsDialog();
    }
    void runDialog(QDialog *dialog) override
    {
        dialogsRun << QLatin1String(dialog->metaObject()->className());
        dialogParents << dialog->parentWidget();
    }
    QString askOpenFileName(const QString &filter) override
    {
        openFilters << filter;
        return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
    }
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

// A real rectangle mark placed the way a press on the canvas places one; the scene owns it.
inline QGraphicsItem *addStandInMark(QGraphicsScene *scene)
{
    auto *canvas = static_cast<DLGraphicsScene *>(scene);
    DLGraphicsItem *mark = DLGraphicsItem::createDefault(MarkRect, QPointF(5, 5));
    mark->setZValue(canvas->nextZValue);
    mark->setOrderNumber(qRound(canvas->nextZValue));
    canvas->nextZValue += 1.0;
    scene->addItem(mark);
    return mark;
}
