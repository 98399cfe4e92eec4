#include "testsupport.h"

#include "canvas/dlgraphicsscene.h"
#include "canvas/dlgraphicsview.h"
#include "marks/dlgraphicsitemrenderer.h"
#include "marks/dlpalette.h"
#include "settings/dlsetting.h"
#include "settings/preferences.h"
#include "testableeditor.h"

#include <QAction>
#include <QBoxLayout>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSlider>
#include <QToolButton>
#include <QTranslator>

namespace {
// Answers only the move button's width text, as a translation file would.
class WidthTranslator : public QTranslator
{
public:
    explicit WidthTranslator(QString width)
        : width(std::move(width))
    {
    }
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "DLEditor") == 0 && qstrcmp(sourceText, "MoveEditFixSize") == 0)
            return width;
        return QString();
    }

private:
    QString width;
};

QStringList menuLayout(const QMenu *menu)
{
    QStringList names;
    for (const QAction *action : menu->actions())
        names << (action->isSeparator() ? QStringLiteral("|") : action->objectName());
    return names;
}

void writeStyle(int color, int format, bool profile, int background, bool flip)
{
    writePreference(PrefKey::MarkColor, color);
    writePreference(PrefKey::ColorFormat, format);
    writePreference(PrefKey::MacProfile, profile);
    writePreference(PrefKey::Background, background);
    writePreference(PrefKey::FlipY, flip);
}

// A renderer style that no preference produces, so a refresh from the file is visible.
void setForeignRendererStyle()
{
    DLGraphicsItemRenderer::setMarkColor(0xFF010203);
    DLGraphicsItemRenderer::setColorFormat(97);
    DLGraphicsItemRenderer::setMacProfile(false);
}
} // namespace

class TestDLEditorForm : public QObject
{
    Q_OBJECT
private slots:
    void menus();
    void actions_data();
    void actions();
    void toolButtons_data();
    void toolButtons();
    void barLayout();
    void windowFrame();
    void styleColours();
    void moveButtonWidth_data();
    void moveButtonWidth();
    void settingsHandling_data();
    void settingsHandling();
    void settingsRunsTheDialog_data();
    void settingsRunsTheDialog();
    void languageAndAboutDialogs_data();
    void languageAndAboutDialogs();
};

void TestDLEditorForm::menus()
{
    TestableEditor editor;
    QMenuBar *bar = editor.child<QMenuBar>("menubar");
    QVERIFY(bar);
    QCOMPARE(editor.menuBar(), bar);
    QStringList titles;
    QStringList names;
    for (QAction *action : bar->actions()) {
        titles << action->text();
        names << action->menu()->objectName();
    }
    QCOMPARE(titles, (QStringList {"Edit", "Tools", "About"}));
    QCOMPARE(names, (QStringList {"menuedit", "menuTools", "menuAbout"}));

    QCOMPARE(menuLayout(editor.child<QMenu>("menuedit")),
        (QStringList {"actionOpen_File", "|", "actionSave", "actionSave_As", "|", "actionZoom_In",
            "actionZoom_Out", "actionFit_Size", "|", "actionUndo", "actionRedo", "|",
            "actionDelete", "actionAutoDetect", "|", "actionFinish_Edit", "|", "actionUpdate_Image",
            "|", "actionSetting", "actionLanguage", "|", "actionClose_Window"}));
    QCOMPARE(menuLayout(editor.child<QMenu>("menuTools")),
        (QStringList {"actionLength", "actionRect", "actionPick_Color", "actionComment", "|",
            "actionMove_Edit"}));
    QCOMPARE(menuLayout(editor.child<QMenu>("menuAbout")), QStringList {"actionAbout_App"});
}

void TestDLEditorForm::actions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<bool>("autoRepeat");

    const struct
    {
        const char *name, *text, *shortcut;
        bool repeat;
    } rows[] = {
        {"actionOpen_File", "Open File", "Ctrl+O", false},
        {"actionSave", "Save", "Ctrl+S", true},
        {"actionSave_As", "Save As...", "Ctrl+Shift+S", false},
        {"actionZoom_In", "Zoom In", "Ctrl+=", true},
        {"actionZoom_Out", "Zoom Out", "Ctrl+-", true},
        {"actionFit_Size", "Fit Size", "Ctrl+0", true},
        {"actionUndo", "Undo", "Ctrl+Z", true},
        {"actionRedo", "Redo", "Ctrl+R", true},
        {"actionDelete", "Delete", "Del", true},
        {"actionAutoDetect", "Auto Detect", "Space", false},
        {"actionFinish_Edit", "Finish Edit", "Esc", true},
        {"actionUpdate_Image", "Update Image", "Ctrl+U", true},
        {"actionSetting", "Setting", "Ctrl+,", true},
        {"actionLanguage", "Change Language", "", true},
        {"actionClose_Window", "Close Window", "Ctrl+W", true},
        {"actionLength", "Length", "1", true},
        {"actionRect", "Rect", "2", true},
        {"actionPick_Color", "Color Pick", "3", true},
        {"actionComment", "Comment", "4", true},
        {"actionMove_Edit", "Move", "5", true},
        {"actionAbout_App", "About App", "", true},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << row.name << row.text << row.shortcut << row.repeat;
}

void TestDLEditorForm::actions()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, shortcut);
    QFETCH(bool, autoRepeat);

    TestableEditor editor;
    auto *action = editor.findChild<QAction *>(name);
    QVERIFY(action);
    QCOMPARE(action->parent(), &editor);
    QCOMPARE(action->text(), text);
    QCOMPARE(action->shortcut(), QKeySequence(shortcut));
    QCOMPARE(action->autoRepeat(), autoRepeat);
}

void TestDLEditorForm::toolButtons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<bool>("textUnderIcon");

    QTest::newRow("setting_btn") << "setting_btn"
                                 << "Setting"
                                 << "DLSettings" << false << "" << true;
    QTest::newRow("save_btn") << "save_btn"
                              << "Save"
                              << "DLSaveIcon" << false << "" << true;
    QTest::newRow("open_btn") << "open_btn"
                              << "Open"
                              << "DLOpen" << false << "" << true;
    QTest::newRow("ruler_btn") << "ruler_btn"
                               << "Length"
                               << "DLHRuler" << true << "" << true;
    QTest::newRow("rect_btn") << "rect_btn"
                              << "Rect"
                              << "DLRect" << true << "" << true;
    QTest::newRow("colorpick_btn") << "colorpick_btn"
                                   << "Color Pick"
                                   << "DLPick" << true << "" << true;
    QTest::newRow("comment_btn") << "comment_btn"
                                 << "Comment"
                                 << "DLComment" << true << "" << true;
    QTest::newRow("move_btn") << "move_btn"
                              << "Move"
                              << "DLMove" << true << "" << true;
    QTest::newRow("zoomout_btn") << "zoomout_btn"
                                 << ""
                                 << "DLZoomOut" << false << "-" << false;
    QTest::newRow("zoomin_btn") << "zoomin_btn"
                                << ""
                                << "DLZoomIn" << false << "=" << false;
    QTest::newRow("zoomfit_btn") << "zoomfit_btn"
                                 << ""
                                 << "DLZoomReset" << false << "0" << false;
}

void TestDLEditorForm::toolButtons()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, icon);
    QFETCH(bool, checkable);
    QFETCH(QString, shortcut);
    QFETCH(bool, textUnderIcon);

    TestableEditor editor;
    auto *button = editor.findChild<QToolButton *>(name);
    QVERIFY(button);
    QCOMPARE(button->text(), text);
    QCOMPARE(button->isCheckable(), checkable);
    QCOMPARE(button->isChecked(), name == QLatin1String("move_btn"));
    QCOMPARE(button->shortcut(), QKeySequence(shortcut));
    QCOMPARE(button->toolButtonStyle(),
        textUnderIcon ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);

    // The resource holds a 16 x 16 picture and its double-size twin for dense screens.
    const QString path = QStringLiteral(":/DL/images/%1.png").arg(icon);
    QCOMPARE(QImage(path).size(), QSize(16, 16));
    QCOMPARE(QImage(QStringLiteral(":/DL/images/%1@2x.png").arg(icon)).size(), QSize(32, 32));
    QVERIFY(!button->icon().isNull());
    const QImage shown = button->icon().pixmap(QSize(16, 16)).toImage();
    QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32),
        QImage(path).convertToFormat(QImage::Format_ARGB32));
}

void TestDLEditorForm::barLayout()
{
    TestableEditor editor;
    auto *bar = editor.child<QWidget>("myMenubar");
    QCOMPARE(bar->minimumHeight(), 60);
    QCOMPARE(bar->maximumHeight(), 60);
    QCOMPARE(bar->maximumWidth(), QWIDGETSIZE_MAX);

    QLayout *row = bar->layout();
    QCOMPARE(row->objectName(), QStringLiteral("horizontalLayout"));
    QStringList order;
    for (int i = 0; i < row->count(); ++i) {
        QLayoutItem *item = row->itemAt(i);
        if (QSpacerItem *spacer = item->spacerItem()) {
            QCOMPARE(spacer->sizeHint(), QSize(40, 20));
            QCOMPARE(spacer->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
            QCOMPARE(spacer->sizePolicy().verticalPolicy(), QSizePolicy::Minimum);
            order << QStringLiteral("~");
        } else {
            order << item->widget()->objectName();
        }
    }
    QCOMPARE(order,
        (QStringList {"setting_btn", "save_btn", "open_btn", "~", "~", "ruler_btn", "rect_btn",
            "colorpick_btn", "comment_btn", "move_btn", "~", "zoomout_btn", "zoom_slider",
            "zoomin_btn", "zoomfit_btn"}));

    for (const char *name : {"zoomout_btn", "zoomin_btn", "zoomfit_btn"}) {
        auto *button = editor.child<QToolButton>(name);
        QCOMPARE(button->minimumSize(), QSize(24, 24));
        QCOMPARE(button->maximumSize(), QSize(24, 24));
    }
    auto *slider = editor.child<QSlider>("zoom_slider");
    QCOMPARE(slider->orientation(), Qt::Horizontal);
    QCOMPARE(slider->minimumWidth(), 100);
    QCOMPARE(slider->maximumWidth(), 100);
    QCOMPARE(slider->minimum(), 10);
    QCOMPARE(slider->maximum(), 400);
    QCOMPARE(slider->value(), 100);
}

void TestDLEditorForm::windowFrame()
{
    TestableEditor editor;
    QCOMPARE(editor.size(), QSize(800, 600));
    QCOMPARE(editor.minimumSize(), QSize(800, 600));
    QCOMPARE(editor.windowTitle(), QStringLiteral("Dimlet"));
    QVERIFY(!editor.windowIcon().isNull());
    QVERIFY(editor.acceptDrops());
    QVERIFY(editor.centralWidget());
    QCOMPARE(editor.centralWidget()->objectName(), QStringLiteral("centralwidget"));

    auto *column = qobject_cast<QVBoxLayout *>(editor.centralWidget()->layout());
    QVERIFY(column);
    QCOMPARE(column->spacing(), 0);
    QCOMPARE(column->contentsMargins(), QMargins());
    QCOMPARE(column->count(), 3);
    QCOMPARE(column->itemAt(0)->widget(), static_cast<QWidget *>(editor.canvasView()));
    QCOMPARE(column->itemAt(1)->widget()->objectName(), QStringLiteral("myLine"));
    QCOMPARE(column->itemAt(2)->widget()->objectName(), QStringLiteral("myMenubar"));

    QCOMPARE(editor.canvasView()->objectName(), QStringLiteral("editorView"));
    QCOMPARE(editor.canvasView()->frameShape(), QFrame::NoFrame);
    QCOMPARE(editor.canvasView()->scene(), editor.canvasScene());
    auto *line = editor.child<QFrame>("myLine");
    QCOMPARE(line->frameShape(), QFrame::HLine);
    QCOMPARE(line->frameShadow(), QFrame::Plain);
}

void TestDLEditorForm::styleColours()
{
    QTemporaryDir dir;
    TestableEditor editor;
    editor.openFile(writePicture(dir, QStringLiteral("a.png")));
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));

    auto *barWidget = editor.child<QWidget>("myMenubar");
    const QImage bar = barWidget->grab().toImage();
    QCOMPARE(bar.pixelColor(2, 2), QColor(40, 43, 53));

    // The checked tool is drawn on green; away from its rounded corners and its icon.
    auto *move = editor.child<QToolButton>("move_btn");
    QVERIFY(move->isChecked());
    const QImage checked = barWidget->grab(move->geometry()).toImage();
    QCOMPARE(checked.pixelColor(4, checked.height() / 2), QColor(60, 198, 74));
    auto *rect = editor.child<QToolButton>("rect_btn");
    const QImage unchecked = barWidget->grab(rect->geometry()).toImage();
    QCOMPARE(unchecked.pixelColor(4, unchecked.height() / 2), QColor(40, 43, 53));
    rect->click();
    const QImage nowChecked = barWidget->grab(rect->geometry()).toImage();
    QCOMPARE(nowChecked.pixelColor(4, nowChecked.height() / 2), QColor(60, 198, 74));

    const QImage line = editor.child<QFrame>("myLine")->grab().toImage();
    QCOMPARE(line.pixelColor(line.width() / 2, line.height() / 2), QColor(Qt::black));
}

void TestDLEditorForm::moveButtonWidth_data()
{
    QTest::addColumn<QString>("translation");
    QTest::addColumn<int>("width");

    QTest::newRow("no translation") << QString() << 46;
    QTest::newRow("wider word") << "60" << 60;
    QTest::newRow("narrower than the floor") << "30" << 46;
    QTest::newRow("exactly the floor") << "46" << 46;
    QTest::newRow("one above the floor") << "47" << 47;
    QTest::newRow("not a number") << "wide" << 46;
    QTest::newRow("negative") << "-80" << 46;
}

void TestDLEditorForm::moveButtonWidth()
{
    QFETCH(QString, translation);
    QFETCH(int, width);

    std::unique_ptr<WidthTranslator> translator;
    if (!translation.isNull()) {
        translator.reset(new WidthTranslator(translation));
        QVERIFY(QCoreApplication::installTranslator(translator.get()));
    }
    TestableEditor editor;
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    auto *move = editor.child<QToolButton>("move_btn");
    QCOMPARE(move->minimumWidth(), width);
    QCOMPARE(move->maximumWidth(), width);
}

void TestDLEditorForm::settingsHandling_data()
{
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<int>("mask");
    QTest::addColumn<bool>("styleRefreshed");
    QTest::addColumn<bool>("backgroundRefreshed");
    QTest::addColumn<bool>("originRefreshed");

    QTest::newRow("closed without change") << true << 0 << false << false << false;
    QTest::newRow("mark colour") << true << int(ChangedMarkColor) << true << false << false;
    QTest::newRow("origin alone still refreshes the style")
        << true << int(ChangedOrigin) << true << false << true;
    QTest::newRow("background with a picture")
        << true << int(ChangedBackground) << true << true << false;
    QTest::newRow("background while empty")
        << false << int(ChangedBackground) << true << false << false;
    QTest::newRow("every change") << true << 31 << true << true << true;
}

void TestDLEditorForm::settingsHandling()
{
    QFETCH(bool, loaded);
    QFETCH(int, mask);
    QFETCH(bool, styleRefreshed);
    QFETCH(bool, backgroundRefreshed);
    QFETCH(bool, originRefreshed);

    // Part of the change is on file before the dialog opens, part is made while it is open.
    writeStyle(0, 0, false, 0, false);
    QTemporaryDir dir;
    TestableEditor editor;
    if (loaded)
        editor.openFile(writePicture(dir, QStringLiteral("a.png")));
    writePreference(PrefKey::ColorFormat, 2);
    setForeignRendererStyle();
    const QColor backgroundBefore = editor.canvasView()->backgroundBrush().color();
    const bool flipBefore = editor.canvasScene()->flipY;
    editor.settingsRunner = [mask] {
        writePreference(PrefKey::MarkColor, 3);
        writePreference(PrefKey::MacProfile, true);
        writePreference(PrefKey::Background, 1);
        writePreference(PrefKey::FlipY, true);
        return mask;
    };

    editor.child<QAction>("actionSetting")->trigger();

    if (styleRefreshed) {
        QCOMPARE(DLGraphicsItemRenderer::markColor(), markPalette().at(3));
        QCOMPARE(DLGraphicsItemRenderer::colorFormat(), 2);
        QCOMPARE(DLGraphicsItemRenderer::macProfile(), true);
    } else {
        QCOMPARE(DLGraphicsItemRenderer::markColor(), QRgb(0xFF010203));
        QCOMPARE(DLGraphicsItemRenderer::colorFormat(), 97);
        QCOMPARE(DLGraphicsItemRenderer::macProfile(), false);
    }
    const QColor background = editor.canvasView()->backgroundBrush().color();
    if (backgroundRefreshed)
        QCOMPARE(background, QColor(0xFFFFFCE5));
    else
        QCOMPARE(background, backgroundBefore);
    QCOMPARE(editor.canvasScene()->flipY, originRefreshed ? true : flipBefore);
}

void TestDLEditorForm::settingsRunsTheDialog_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("Setting button") << "setting_btn";
    QTest::newRow("Setting action") << "actionSetting";
}

void TestDLEditorForm::settingsRunsTheDialog()
{
    QFETCH(QString, command);

    writeStyle(0, 0, false, 0, false);
    TestableEditor editor;
    setForeignRendererStyle();
    if (auto *button = editor.findChild<QToolButton *>(command))
        button->click();
    else
        editor.findChild<QAction *>(command)->trigger();

    QCOMPARE(editor.dialogsRun, QStringList {"DLSetting"});
    QCOMPARE(editor.dialogParents, QList<QWidget *> {&editor});
    QVERIFY(editor.findChildren<QDialog *>().isEmpty());
    // Nothing was touched in the dialog, so nothing is refreshed.
    QCOMPARE(DLGraphicsItemRenderer::markColor(), QRgb(0xFF010203));
}

void TestDLEditorForm::languageAndAboutDialogs_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("Change Language") << "actionLanguage"
                                     << "CLanguageSetting";
    QTest::newRow("About App") << "actionAbout_App"
                               << "CAboutDialog";
}

void TestDLEditorForm::languageAndAboutDialogs()
{
    QFETCH(QString, action);
    QFETCH(QString, dialog);

    TestableEditor editor;
    const QString title = editor.windowTitle();
    editor.findChild<QAction *>(action)->trigger();
    QCOMPARE(editor.dialogsRun, QStringList {dialog});
    QCOMPARE(editor.dialogParents, QList<QWidget *> {&editor});
    QVERIFY(editor.findChildren<QDialog *>().isEmpty());
    QCOMPARE(editor.windowTitle(), title);
}

DIMLET_TEST_MAIN(TestDLEditorForm)
#include "tst_dleditorform.moc"
