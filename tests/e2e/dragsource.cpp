// A window that starts a drag of the file named on its command line when it is
// pressed, prints what the drop target did ("drop: copy" or "drop: ignored") and quits.
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextStream>
#include <QUrl>
#include <QWidget>

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
        const Qt::DropAction action = drag->exec(Qt::CopyAction | Qt::LinkAction, Qt::CopyAction);
        QTextStream(stdout) << "drop: "
                            << (action == Qt::CopyAction            ? "copy"
                                       : action == Qt::IgnoreAction ? "ignored"
                                                                    : "other")
                            << '\n';
        QApplication::quit();
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    DragSourceWindow window;
    window.setWindowTitle(QStringLiteral("Drag Source"));
    window.setGeometry(960, 80, 200, 120);
    window.show();
    return app.exec();
}
