#include "testsupport.h"

#include "desktopsession.h"
#include "journeychecks.h"

// Documents made by hand: marks drawn with the mouse, saved, reopened in a new run,
// taken back and forth through the undo history, deleted, and the close question.
class DocumentJourneys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { JOURNEY_REQUIRE_TOOLS(); }
    void marksSurviveSavingAndReopening();
    void undoRedoDeleteAndCloseQuestion();
};

namespace {
const QPoint lengthFrom(40, 60), lengthTo(160, 63);
const QPoint rectFrom(60, 130), rectTo(150, 190);
const QPoint pickFrom(200, 80), pickTo(260, 40);
const QPoint commentFrom(230, 200), commentTo(300, 240);
const QString commentText = QStringLiteral("Button gap");

// The marks openAndDrawFourMarks draws, as a document holds them; the length drag is
// wider than high, so the mark lies on the press row.
QStringList fourMarks(double commentWidth)
{
    return {markLine(0, 0, lengthFrom, QPoint(lengthTo.x(), lengthFrom.y()), -1),
        markLine(1, 1, rectFrom, rectTo, -1), markLine(2, 2, pickFrom, pickTo, -1),
        markLine(3, 3, commentFrom, commentTo, commentWidth, commentText)};
}
} // namespace

// Opens a picture through the open dialog and draws one mark of each kind with the mouse.
static void openAndDrawFourMarks(DesktopSession &s)
{
    const QString picture = s.filePath("board.png");
    QVERIFY(makeMarkingPicture().save(picture));
    JOURNEY_VERIFY(s, s.start());
    s.step("open the picture through the open dialog");
    JOURNEY_VERIFY(s, s.openThroughDialog(picture, QStringLiteral("board.png")));
    s.step("draw a length, a rectangle, a colour pick and a comment");
    JOURNEY_VERIFY(s, s.key("1") && s.dragOnPicture(lengthFrom, lengthTo));
    JOURNEY_VERIFY(s, s.key("2") && s.dragOnPicture(rectFrom, rectTo));
    JOURNEY_VERIFY(s, s.key("3") && s.dragOnPicture(pickFrom, pickTo));
    JOURNEY_VERIFY(s, s.key("4") && s.dragOnPicture(commentFrom, commentTo));
    JOURNEY_VERIFY(s, s.type(commentText) && s.key("Escape"));
}

void DocumentJourneys::marksSurviveSavingAndReopening()
{
    DesktopSession s(QStringLiteral("document-round-trip"));
    openAndDrawFourMarks(s);
    if (QTest::currentTestFailed())
        return;

    s.step("save the document with Save As");
    const QString document = s.filePath("board.dld");
    JOURNEY_VERIFY(s, s.saveAs(document));
    const DocumentMarks saved = readDocumentMarks(document);
    const double commentWidth = maxWidthOf(saved.marks.value(3));
    // A new comment's wrap width is its first text's natural width plus one.
    JOURNEY_VERIFY(s, commentWidth >= 2.0);
    JOURNEY_COMPARE(s, saved.marks, fourMarks(commentWidth));
    JOURNEY_COMPARE(s, saved.zValue, 4.0);

    s.step("close the window after saving: no question, exit code 0");
    JOURNEY_VERIFY(s, s.key("ctrl+w") && s.waitForProgramExit());

    s.step("start again and open the document");
    JOURNEY_VERIFY(s, s.startProgram());
    JOURNEY_VERIFY(s, s.openThroughDialog(document, document));

    s.step("save the reopened document to a second path");
    const QString again = s.filePath("board-again.dld");
    JOURNEY_VERIFY(s, s.saveAs(again));
    const DocumentMarks reopened = readDocumentMarks(again);
    JOURNEY_COMPARE(s, reopened.marks, saved.marks);
    JOURNEY_COMPARE(s, reopened.zValue, saved.zValue);
}

void DocumentJourneys::undoRedoDeleteAndCloseQuestion()
{
    DesktopSession s(QStringLiteral("undo-delete-close"));
    openAndDrawFourMarks(s);
    if (QTest::currentTestFailed())
        return;

    int saves = 0;
    DocumentMarks state;
    auto saveAndRead = [&]() {
        const QString path = s.filePath(QStringLiteral("state-%1.dld").arg(++saves));
        if (!s.saveAs(path))
            return false;
        state = readDocumentMarks(path);
        return true;
    };

    s.step("undo past the start of the history");
    JOURNEY_VERIFY(s, s.key("ctrl+z ctrl+z ctrl+z ctrl+z ctrl+z ctrl+z"));
    JOURNEY_VERIFY(s, saveAndRead());
    JOURNEY_COMPARE(s, state.marks, QStringList());
    // The next new mark still takes a fresh order number.
    JOURNEY_COMPARE(s, state.zValue, 4.0);

    s.step("redo past the end of the history");
    JOURNEY_VERIFY(s, s.key("ctrl+r ctrl+r ctrl+r ctrl+r ctrl+r ctrl+r"));
    JOURNEY_VERIFY(s, saveAndRead());
    // A recreated comment may lay out its wrap width afresh; all else comes back as it was.
    const double redoneWidth = maxWidthOf(state.marks.value(3));
    JOURNEY_VERIFY(s, redoneWidth >= 2.0);
    const QStringList redone = fourMarks(redoneWidth);
    JOURNEY_COMPARE(s, state.marks, redone);

    s.step("select the length and, with Ctrl, the rectangle; delete both");
    QPoint lengthLabel, rectEdge;
    // The middle of the length mark is its label; the rectangle is grabbed at its left edge.
    JOURNEY_VERIFY(
        s, s.onScreen(QPoint((lengthFrom.x() + lengthTo.x()) / 2, lengthFrom.y()), &lengthLabel));
    JOURNEY_VERIFY(s, s.onScreen(QPoint(rectFrom.x(), (rectFrom.y() + rectTo.y()) / 2), &rectEdge));
    JOURNEY_VERIFY(s, s.click(lengthLabel));
    JOURNEY_VERIFY(
        s, s.input({"keydown", "ctrl"}) && s.click(rectEdge) && s.input({"keyup", "ctrl"}));
    JOURNEY_VERIFY(s, s.key("Delete"));
    JOURNEY_VERIFY(s, saveAndRead());
    JOURNEY_COMPARE(s, state.marks, redone.mid(2, 2));

    s.step("change, close and answer No: the window stays; again, Yes: it ends");
    JOURNEY_VERIFY(s, s.key("1") && s.dragOnPicture(QPoint(30, 280), QPoint(120, 280)));
    JOURNEY_VERIFY(s, s.key("ctrl+w"));
    JOURNEY_VERIFY(s, s.answerQuestion(QStringLiteral("Dimlet"), false));
    JOURNEY_VERIFY(s, s.programRunning() && s.focus(s.mainWindow()));
    JOURNEY_VERIFY(s, s.key("ctrl+w"));
    JOURNEY_VERIFY(s, s.answerQuestion(QStringLiteral("Dimlet"), true));
    JOURNEY_VERIFY(s, s.waitForProgramExit());
}

DIMLET_TEST_MAIN(DocumentJourneys)
#include "tst_e2edocument.moc"
