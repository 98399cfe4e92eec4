// The least a program must do for what Dimlet does at start-up and when opening a picture:
//   bench_bare window <width> <height>   a main window of that size, shown, in the event loop
//   bench_bare widgets <width> <height>  the same window holding what the editor shows at
//                                        start: a menu bar with three menus, a bottom bar of
//                                        buttons with icons and texts, and a view with a text
//   bench_bare pixmap <path>             the picture decoded into a QPixmap; prints
//                                        "peak <VmHWM kB>" and ends
#include <QApplication>
#include <QFile>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

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
// The editor's start-up widgets without any of its own code: what the toolkit costs for them.
void addEditorWidgets(QMainWindow *window)
{
    QMenu *edit = window->menuBar()->addMenu(QStringLiteral("Edit"));
    for (const char *text : {"Open File", "Save", "Save As...", "Zoom In", "Zoom Out", "Fit Size",
             "Undo", "Redo", "Delete", "Auto Detect", "Finish Edit", "Update Image", "Setting",
             "Change Language", "Close Window"})
        edit->addAction(QString::fromLatin1(text));
    QMenu *tools = window->menuBar()->addMenu(QStringLiteral("Tools"));
    for (const char *text : {"Length", "Rect", "Color Pick", "Comment", "Move"})
        tools->addAction(QString::fromLatin1(text));
    window->menuBar()->addMenu(QStringLiteral("About"))->addAction(QStringLiteral("About App"));

    auto *central = new QWidget;
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    auto *scene = new QGraphicsScene(central);
    auto *view = new QGraphicsView(scene);
    scene->addItem(new QGraphicsSimpleTextItem(QStringLiteral("Drop File Here")));
    column->addWidget(view);
    auto *bar = new QHBoxLayout;
    const QString images = QStringLiteral(DIMLET_IMAGES_DIR "/");
    const QList<QPair<const char *, const char *>> buttons {{"Setting", "DLSettings"},
        {"Save", "DLSaveIcon"}, {"Open", "DLOpen"}, {"Length", "DLHRuler"}, {"Rect", "DLRect"},
        {"Color Pick", "DLPick"}, {"Comment", "DLComment"}, {"Move", "DLMove"}, {"", "DLZoomOut"},
        {"", "DLZoomIn"}, {"", "DLZoomReset"}};
    for (const auto &button : buttons) {
        auto *tool = new QToolButton;
        tool->setText(QString::fromLatin1(button.first));
        tool->setIcon(QIcon(images + QLatin1String(button.second) + QStringLiteral(".png")));
        tool->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        bar->addWidget(tool);
        if (qstrcmp(button.second, "DLZoomOut") == 0)
            bar->addWidget(new QSlider(Qt::Horizontal));
    }
    column->addLayout(bar);
    window->setCentralWidget(central);
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4
        && (args.at(1) == QLatin1String("window") || args.at(1) == QLatin1String("widgets"))) {
        QMainWindow window;
        if (args.at(1) == QLatin1String("widgets"))
            addEditorWidgets(&window);
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
    std::fprintf(stderr, "usage: bench_bare window|widgets <width> <height> | pixmap <path>\n");
    return 2;
}
