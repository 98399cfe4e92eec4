#pragma once

#include "editor/dleditor.h"

#include <QDialog>
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
