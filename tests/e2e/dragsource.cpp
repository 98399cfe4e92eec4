// A small window that starts a drag of the files named on its command line when
// it is pressed, and prints what the drop target did with it: "drop: copy",
// "drop: move", "drop: link" or "drop: ignored". It then quits.
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextStream>
#include <QUrl>
#include <QWidget>

class DragSourceWindow : public QWidget
{
public:
    explicit DragSourceWindow(const QStringList &files)
        : files(files)
    {
        setWindowTitle(QStringLiteral("Drag Source"));
        setAutoFillBackground(true);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, QColor(90, 160, 90));
        setPalette(colours);
    }

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        auto *data = new QMimeData;
        QList<QUrl> urls;
        for (const QString &file : files)
            urls << QUrl::fromLocalFile(file);
        data->setUrls(urls);
        auto *drag = new QDrag(this);
        drag->setMimeData(data);
        const Qt::DropAction action = drag->exec(Qt::CopyAction | Qt::LinkAction, Qt::CopyAction);
        const char *name = action == Qt::CopyAction ? "copy"
            : action == Qt::MoveAction              ? "move"
            : action == Qt::LinkAction              ? "link"
                                                    : "ignored";
        QTextStream(stdout) << "drop: " << name << '\n';
        QApplication::quit();
    }

private:
    QStringList files;
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    DragSourceWindow window(app.arguments().mid(1));
    window.setGeometry(960, 80, 200, 120);
    window.show();
    return app.exec();
}
