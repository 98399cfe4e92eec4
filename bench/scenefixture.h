#pragma once

#include "marks/markrecord.h"

#include <QSize>
#include <QString>

#include <memory>

class DLGraphicsScene;
class DLGraphicsView;

// A scene in a view as the editor sets them up, the view's viewport of the given size; shown
// (offscreen) when the benchmark needs real repaints.
class SceneFixture
{
public:
    SceneFixture(const QSize &viewportSize, bool shown);
    ~SceneFixture();

    // Opens the picture with the marks, as reopening a document does.
    void open(const QString &picture, const MarkRecordList &records, double nextZValue);

    DLGraphicsScene *scene() const { return m_scene.get(); }
    DLGraphicsView *view() const { return m_view.get(); }

private:
    std::unique_ptr<DLGraphicsScene> m_scene;
    std::unique_ptr<DLGraphicsView> m_view;
};
