// The least a program must do for what Dimlet does at start-up and when opening a picture:
//   bench_bare window <width> <height>   a main window of that size, shown, in the event loop
//   bench_bare pixmap <path>             the picture decoded into a QPixmap; prints
//                                        "peak <VmHWM kB>" and ends
#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QPixmap>

#include <cstdio>

namespace {
QByteArray peakResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("-1");
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).replace("kB", "").trimmed();
    }
    return QByteArrayLiteral("-1");
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args.at(1) == QLatin1String("window")) {
        QMainWindow window;
        window.resize(args.at(2).toInt(), args.at(3).toInt());
        window.show();
        return app.exec();
    }
    if (args.size() == 3 && args.at(1) == QLatin1String("pixmap")) {
        QPixmap pixmap;
        if (!pixmap.load(args.at(2)))
            return 1;
        std::printf("peak %s\n", peakResidentKilobytes().constData());
        return 0;
    }
    std::fprintf(stderr, "usage: bench_bare window <width> <height> | pixmap <path>\n");
    return 2;
}
