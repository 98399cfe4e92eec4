// Another program on the desktop: a frameless window at the position given that shows the
// picture named on its command line and, when pressed, drags that file, printing "accepted"
// once a drop target takes it.
#include <QApplication>
#include <QDrag>
#include <QLabel>
#include <QMimeData>
#include <QUrl>

#include <cstdio>

class OtherProgram : public QLabel
{
public:
    OtherProgram()
        : QLabel(nullptr, Qt::FramelessWindowHint)
    {
    }

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
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 4)
        return 2;
    OtherProgram window;
    window.setPixmap(QPixmap(arguments.at(1)));
    window.setWindowTitle(QStringLiteral("Other Program"));
    window.move(arguments.at(2).toInt(), arguments.at(3).toInt());
    window.setFixedSize(window.sizeHint());
    window.show();
    return app.exec();
}
