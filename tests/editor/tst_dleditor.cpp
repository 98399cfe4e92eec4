#include "testsupport.h"

#include "canvas/dlgraphicsview.h"
#include "testableeditor.h"

#include <QAction>
#include <QSlider>
#include <QToolButton>
#include <QTranslator>
#include <QWheelEvent>

namespace {
const QStringList measuringButtons {"ruler_btn", "rect_btn", "colorpick_btn", "comment_btn"};

// Answers only the move button's width text, as a translation file would.
class WidthTranslator : public QTranslator
{
public:
    QString width;
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int) const override
    {
        return qstrcmp(source, "MoveEditFixSize") == 0 ? width : QString();
    }
};
} // namespace

class TestDLEditor : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<TestableEditor> editor;

    void load() { editor->openFile(writePicture(dir, QStringLiteral("shot.png"))); }
    QSlider *slider() const { return editor->child<QSlider>("zoom_slider"); }
    bool checked(const QString &button) const
    {
        return editor->findChild<QToolButton *>(button)->isChecked();
    }

    // "wheel up" and "wheel down" turn the wheel over the canvas with Ctrl held; any other
    // name clicks the button or triggers the action of that name.
    void run(const QString &command)
    {
        QWidget *viewport = editor->canvasView()->viewport();
        const QPointF at(viewport->rect().center());
        if (command.startsWith("wheel")) {
            QWheelEvent wheel(at, viewport->mapToGlobal(at.toPoint()), QPoint(),
                QPoint(0, command.endsWith("up") ? 120 : -120), Qt::NoButton, Qt::ControlModifier,
                Qt::NoScrollPhase, false);
            QApplication::sendEvent(viewport, &wheel);
        } else if (auto *action = editor->findChild<QAction *>(command)) {
            action->trigger();
        } else {
            editor->findChild<QToolButton *>(command)->click();
        }
    }

private slots:
    void init() { editor = std::make_unique<TestableEditor>(); }
    void cleanup() { editor.reset(); }

    void enabledState_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("usableWhileEmpty");
        for (const char *name : {"zoomin_btn", "zoomout_btn", "zoom_slider", "zoomfit_btn",
                 "ruler_btn", "colorpick_btn", "rect_btn", "comment_btn", "save_btn", "move_btn",
                 "actionUpdate_Image", "actionSave", "actionSave_As", "actionZoom_In",
                 "actionZoom_Out", "actionFit_Size", "actionLength", "actionRect",
                 "actionPick_Color", "actionComment", "actionMove_Edit"})
            QTest::newRow(name) << name << false;
        for (const char *name : {"setting_btn", "open_btn", "actionOpen_File", "actionSetting",
                 "actionLanguage", "actionClose_Window", "actionAbout_App", "actionDelete",
                 "actionAutoDetect", "actionUndo", "actionRedo"})
            QTest::newRow(name) << name << true;
    }

    void enabledState()
    {
        QFETCH(QString, name);
        QFETCH(bool, usableWhileEmpty);
        const auto usable = [&] {
            if (auto *action = editor->findChild<QAction *>(name))
                return action->isEnabled();
            auto *widget = editor->findChild<QWidget *>(name);
            return widget->isEnabled() && !widget->isHidden();
        };
        QCOMPARE(usable(), usableWhileEmpty);
        load();
        QVERIFY(usable());
    }

    // tool -1 is the move tool; "tracks" tells whether Auto Detect then starts tracking.
    // Every tool goes through checkToolButton, the move tool with an index past the last.
    void tools_data()
    {
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<int>("tool");
        QTest::addColumn<bool>("tracks");
        QTest::newRow("move tool after opening") << QStringList() << -1 << false;
        QTest::newRow("Length action after Rect")
            << QStringList {"rect_btn", "actionLength"} << int(ToolLength) << true;
        QTest::newRow("checked Length clicked again")
            << QStringList {"ruler_btn", "ruler_btn"} << int(ToolLength) << true;
        QTest::newRow("checked Move clicked again")
            << QStringList {"actionMove_Edit", "move_btn"} << -1 << false;
    }

    void tools()
    {
        QFETCH(QStringList, commands);
        QFETCH(int, tool);
        QFETCH(bool, tracks);
        load();
        for (const QString &command : commands)
            run(command);
        for (int i = 0; i < measuringButtons.size(); ++i)
            QCOMPARE(checked(measuringButtons[i]), i == tool);
        QCOMPARE(checked("move_btn"), tool < 0);
        DLGraphicsScene *scene = editor->canvasScene();
        QCOMPARE(scene->mode(), tool < 0 ? ModeMove : ModeMark);
        if (tool >= 0)
            QCOMPARE(int(scene->toolType()), tool);
        QCOMPARE(editor->canvasView()->dragMode(),
            tool < 0 ? QGraphicsView::ScrollHandDrag : QGraphicsView::NoDrag);
        QCOMPARE(editor->canvasView()->isInteractive(), tool >= 0);
        run("actionAutoDetect");
        QCOMPARE(editor->canvasView()->isTrackingMouseFreeMove(), tracks);
    }

    void zoom_data()
    {
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<int>("from");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<int>("to");
        const struct
        {
            int from, in, out;
        } steps[] = {{10, 100, 10}, {99, 100, 10}, {100, 200, 10}, {101, 200, 100}, {110, 200, 100},
            {150, 200, 100}, {250, 300, 200}, {399, 400, 300}, {400, 400, 300}};
        for (const auto &s : steps) {
            QTest::addRow("in from %d", s.from)
                << true << s.from << QStringList {"zoomin_btn"} << s.in;
            QTest::addRow("out from %d", s.from)
                << true << s.from << QStringList {"actionZoom_Out"} << s.out;
        }
        QTest::newRow("fit from 400") << true << 400 << QStringList {"actionFit_Size"} << 100;
        const QStringList up {"wheel up"};
        const QStringList down {"wheel down"};
        QTest::newRow("wheel up stops at 400") << true << 398 << up << 400;
        QTest::newRow("wheel up stays at 400") << true << 400 << up << 400;
        QTest::newRow("wheel down stops at 10") << true << 12 << down << 10;
        QTest::newRow("empty window ignores wheel and zoom")
            << false << 100 << QStringList {"wheel up", "actionZoom_In", "zoomout_btn"} << 100;
    }

    void zoom()
    {
        QFETCH(bool, loaded);
        QFETCH(int, from);
        QFETCH(QStringList, commands);
        QFETCH(int, to);
        if (loaded)
            load();
        slider()->setValue(from);
        for (const QString &command : commands)
            run(command);
        QCOMPARE(slider()->value(), to);
        const qreal factor = loaded ? to / 100.0 : 1.0;
        QCOMPARE(editor->canvasView()->transform(), QTransform::fromScale(factor, factor));
    }

    void moveButtonWidth_data()
    {
        QTest::addColumn<QString>("translation");
        QTest::addColumn<int>("width");
        QTest::newRow("no translation") << QString() << 46;
        QTest::newRow("wider word") << "60" << 60;
        QTest::newRow("narrower than the floor") << "30" << 46;
        QTest::newRow("one above the floor") << "47" << 47;
    }

    void moveButtonWidth()
    {
        QFETCH(QString, translation);
        QFETCH(int, width);
        WidthTranslator translator;
        translator.width = translation;
        if (!translation.isNull())
            QCoreApplication::installTranslator(&translator);
        editor = std::make_unique<TestableEditor>();
        QCoreApplication::removeTranslator(&translator);
        auto *move = editor->child<QToolButton>("move_btn");
        QCOMPARE(move->minimumWidth(), width);
        QCOMPARE(move->maximumWidth(), width);
    }
};

DIMLET_TEST_MAIN(TestDLEditor)
#include "tst_dleditor.moc"
