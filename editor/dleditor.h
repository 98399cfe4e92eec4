#pragma once

#include <QMainWindow>
#include <QUrl>

class DLGraphicsScene;
class DLGraphicsView;

// The program's one main window.
class DLEditor : public QMainWindow
{
    Q_OBJECT
public:
    explicit DLEditor(QWidget *parent = nullptr);
    ~DLEditor() override;

    void openFile(const QString &path);
    DLGraphicsScene *canvasScene() const { return scene; }
    DLGraphicsView *canvasView() const { return view; }

public slots:
    void handleAppOpenURL(const QUrl &fileurl);

private:
    DLGraphicsView *view = nullptr;
    DLGraphicsScene *scene = nullptr;
};
