// A window that drags the files named on its command line when pressed. It prints
// "accepted" once a drop target takes the drag, and "drop: <action>" when it ends.
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
        auto *data = new QMimeData;
        QList<QUrl> urls;
        for (const QString &file : QApplication::arguments().mid(1))
            urls << QUrl::fromLocalFile(file);
        data->setUrls(urls);
        auto *drag = new QDrag(this);
        drag->setMimeData(data);
        connect(drag, &QDrag::actionChanged, [](Qt::DropAction action) {
            if (action == Qt::CopyAction) {
                std::puts("accepted");
                std::fflush(stdout);
            }
        });
        const Qt::DropAction action = drag->exec(Qt::CopyAction, Qt::CopyAction);
        std::printf("drop: %s\n", action == Qt::CopyAction ? "copy" : "ignored");
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
