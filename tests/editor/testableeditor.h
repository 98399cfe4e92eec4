#pragma once

#include "editor/dleditor.h"

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

// Counts as a mark for the scene (its item type is in the marks' range) until real marks
// can be placed; the scene owns it.
inline QGraphicsItem *addStandInMark(QGraphicsScene *scene)
{
    class StandInMark : public QGraphicsRectItem
    {
    public:
        StandInMark()
            : QGraphicsRectItem(0, 0, 10, 10)
        {
        }
        int type() const override { return QGraphicsItem::UserType; }
    };
    auto *mark = new StandInMark;
    scene->addItem(mark);
    return mark;
}
