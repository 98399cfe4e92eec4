// A window without frame that shows the picture named on its command line at the screen
// position given after it, for the capture journeys to photograph.
#include <QApplication>
#include <QLabel>
#include <QPixmap>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 4)
        return 2;
    QLabel window(nullptr, Qt::FramelessWindowHint);
    window.setPixmap(QPixmap(arguments.at(1)));
    window.setWindowTitle(QStringLiteral("Known Picture"));
    window.move(arguments.at(2).toInt(), arguments.at(3).toInt());
    window.setFixedSize(window.sizeHint());
    window.show();
    return app.exec();
}
