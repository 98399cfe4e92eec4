// A window that drags the file named on its command line when it is pressed, and prints
// "accepted" once a drop target takes the drag.
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <cstdio>

class DragSourceWindow : public QWidget
{
protected:
    void mousePressEvent(QMouseEvent *) override
    {
        auto *drag = new QDrag(this);
        drag->setMimeData(new QMimeData);
        drag->mimeData()->setUrls({QUrl::fromLocalFile(QApplication::arguments().value(1))});
        connect(drag, &QDrag::actionChanged, [](Qt::DropAction action) {
            if (action == Qt::CopyAction)
                std::puts("accepted");
            std::fflush(stdout);
        });
        drag->exec(Qt::CopyAction, Qt::CopyAction);
        QApplication::quit();
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    DragSourceWindow window;
    window.setWindowTitle("Drag Source");
    window.setGeometry(960, 80, 200, 120);
    window.show();
    return app.exec();
}
