#include "testsupport.h"

#include "desktopsession.h"
#include "journeychecks.h"

#include <QFile>

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

// The length drag is more wide than high, so the mark lies on the press row.
QString lengthLine()
{
    return markLine(0, 0, lengthFrom, QPoint(lengthTo.x(), lengthFrom.y()), -1);
}
QString rectLine()
{
    return markLine(1, 1, rectFrom, rectTo, -1);
}
QString pickLine()
{
    return markLine(2, 2, pickFrom, pickTo, -1);
}
QString commentLine(double maxw, const QString &text)
{
    return markLine(3, 3, commentFrom, commentTo, maxw, text);
}
} // namespace

// Draws one mark of each kind with the mouse; the comment gets a typed text.
static void drawFourMarks(DesktopSession &s)
{
    s.step(QStringLiteral("draw a length mark"));
    JOURNEY_VERIFY(s, s.key(QStringLiteral("1")) && s.dragOnPicture(lengthFrom, lengthTo));
    s.step(QStringLiteral("draw a rectangle mark"));
    JOURNEY_VERIFY(s, s.key(QStringLiteral("2")) && s.dragOnPicture(rectFrom, rectTo));
    s.step(QStringLiteral("draw a colour pick mark"));
    JOURNEY_VERIFY(s, s.key(QStringLiteral("3")) && s.dragOnPicture(pickFrom, pickTo));
    s.step(QStringLiteral("draw a comment, type its text and end the edit with Escape"));
    JOURNEY_VERIFY(s, s.key(QStringLiteral("4")) && s.dragOnPicture(commentFrom, commentTo));
    JOURNEY_VERIFY(s, s.type(commentText) && s.key(QStringLiteral("Escape")));
}

void DocumentJourneys::marksSurviveSavingAndReopening()
{
    DesktopSession s(QStringLiteral("document-round-trip"));
    const QString picture = s.filePath(QStringLiteral("board.png"));
    QVERIFY(makeMarkingPicture().save(picture));
    JOURNEY_VERIFY(s, s.start());

    s.step(QStringLiteral("open the picture through the open dialog"));
    JOURNEY_VERIFY(s, s.openThroughDialog(picture, QStringLiteral("board.png")));
    drawFourMarks(s);
    if (QTest::currentTestFailed())
        return;

    s.step(QStringLiteral("save the document with Save As"));
    const QString document = s.filePath(QStringLiteral("board.dld"));
    JOURNEY_VERIFY(s, s.saveAs(document));
    JOURNEY_VERIFY(s, s.waitForMainTitle(document));
    const DocumentMarks saved = readDocumentMarks(document, s.scratchDir());
    JOURNEY_COMPARE(s, saved.error, QString());
    JOURNEY_COMPARE(s, saved.marks.size(), 4);
    const double commentWidth = maxWidthOf(saved.marks.value(3));
    // A new comment's wrap width is its first text's natural width plus one.
    JOURNEY_VERIFY(s, commentWidth >= 2.0);
    JOURNEY_COMPARE(s, saved.marks,
        QStringList(
            {lengthLine(), rectLine(), pickLine(), commentLine(commentWidth, commentText)}));
    JOURNEY_COMPARE(s, saved.zValue, 4.0);
    QFile original(picture), embedded(saved.picturePath);
    JOURNEY_VERIFY(s, original.open(QIODevice::ReadOnly) && embedded.open(QIODevice::ReadOnly));
    JOURNEY_VERIFY(s, original.readAll() == embedded.readAll());

    s.step(QStringLiteral("close the window after saving: no question, exit code 0"));
    JOURNEY_VERIFY(s, s.key(QStringLiteral("ctrl+w")));
    int exitCode = -1;
    JOURNEY_VERIFY(s, s.waitForProgramExit(&exitCode));
    JOURNEY_COMPARE(s, exitCode, 0);

    s.step(QStringLiteral("start again and open the document"));
    JOURNEY_VERIFY(s, s.startProgram());
    JOURNEY_VERIFY(s, s.openThroughDialog(document, document));

    s.step(QStringLiteral("save the reopened document to a second path"));
    const QString again = s.filePath(QStringLiteral("board-again.dld"));
    JOURNEY_VERIFY(s, s.saveAs(again));
    const DocumentMarks reopened = readDocumentMarks(again, s.scratchDir());
    JOURNEY_COMPARE(s, reopened.error, QString());
    JOURNEY_COMPARE(s, reopened.marks, saved.marks);
    JOURNEY_COMPARE(s, reopened.zValue, saved.zValue);
}

void DocumentJourneys::undoRedoDeleteAndCloseQuestion()
{
    DesktopSession s(QStringLiteral("undo-delete-close"));
    const QString picture = s.filePath(QStringLiteral("board.png"));
    QVERIFY(makeMarkingPicture().save(picture));
    JOURNEY_VERIFY(s, s.start());
    s.step(QStringLiteral("open the picture"));
    JOURNEY_VERIFY(s, s.openThroughDialog(picture, QStringLiteral("board.png")));
    drawFourMarks(s);
    if (QTest::currentTestFailed())
        return;

    int saves = 0;
    DocumentMarks state;
    auto saveAndRead = [&]() {
        const QString path = s.filePath(QStringLiteral("state-%1.dld").arg(++saves));
        if (!s.saveAs(path))
            return false;
        state = readDocumentMarks(path, s.scratchDir());
        return state.error.isEmpty();
    };

    s.step(QStringLiteral("save all four marks"));
    JOURNEY_VERIFY(s, saveAndRead());
    JOURNEY_COMPARE(s, state.marks.size(), 4);
    const double commentWidth = maxWidthOf(state.marks.value(3));
    const QStringList all
        = {lengthLine(), rectLine(), pickLine(), commentLine(commentWidth, commentText)};
    JOURNEY_COMPARE(s, state.marks, all);

    s.step(QStringLiteral("undo the comment's text: it reads \"Comments\" again"));
    JOURNEY_VERIFY(s, s.key(QStringLiteral("ctrl+z")));
    JOURNEY_VERIFY(s, saveAndRead());
    JOURNEY_COMPARE(s, state.marks,
        QStringList({lengthLine(), rectLine(), pickLine(),
            commentLine(commentWidth, QStringLiteral("Comments"))}));

    s.step(QStringLiteral("undo the comment itself"));
    JOURNEY_VERIFY(s, s.key(QStringLiteral("ctrl+z")));
    JOURNEY_VERIFY(s, saveAndRead());
    JOURNEY_COMPARE(s, state.marks, all.mid(0, 3));

    s.step(QStringLiteral("undo past the start of the history"));
    JOURNEY_VERIFY(s, s.key(QStringLiteral("ctrl+z ctrl+z ctrl+z ctrl+z")));
    JOURNEY_VERIFY(s, saveAndRead());
    JOURNEY_COMPARE(s, state.marks, QStringList());
    // The next new mark still takes a fresh order number.
    JOURNEY_COMPARE(s, state.zValue, 4.0);

    s.step(QStringLiteral("redo two steps: length and rectangle are back"));
    JOURNEY_VERIFY(s, s.key(QStringLiteral("ctrl+r ctrl+r")));
    JOURNEY_VERIFY(s, saveAndRead());
    JOURNEY_COMPARE(s, state.marks, all.mid(0, 2));

    s.step(QStringLiteral("redo past the end of the history"));
    JOURNEY_VERIFY(s, s.key(QStringLiteral("ctrl+r ctrl+r ctrl+r ctrl+r")));
    JOURNEY_VERIFY(s, saveAndRead());
    JOURNEY_COMPARE(s, state.marks.size(), 4);
    // A recreated comment may lay out its wrap width afresh; all else comes back as it was.
    const double redoneWidth = maxWidthOf(state.marks.value(3));
    JOURNEY_VERIFY(s, redoneWidth >= 2.0);
    const QStringList redone
        = {lengthLine(), rectLine(), pickLine(), commentLine(redoneWidth, commentText)};
    JOURNEY_COMPARE(s, state.marks, redone);

    s.step(QStringLiteral("select the length and, with Ctrl, the rectangle; delete both"));
    QPoint lengthLabel, rectEdge;
    // The middle of the length mark is its label; the rectangle is grabbed at its left edge.
    JOURNEY_VERIFY(
        s, s.onScreen(QPoint((lengthFrom.x() + lengthTo.x()) / 2, lengthFrom.y()), &lengthLabel));
    JOURNEY_VERIFY(s, s.onScreen(QPoint(rectFrom.x(), (rectFrom.y() + rectTo.y()) / 2), &rectEdge));
    JOURNEY_VERIFY(s, s.click(lengthLabel));
    JOURNEY_VERIFY(s,
        s.keyDown(QStringLiteral("ctrl")) && s.click(rectEdge) && s.keyUp(QStringLiteral("ctrl")));
    JOURNEY_VERIFY(s, s.key(QStringLiteral("Delete")));
    JOURNEY_VERIFY(s, saveAndRead());
    JOURNEY_COMPARE(s, state.marks, redone.mid(2, 2));

    s.step(QStringLiteral("undo both deletions"));
    JOURNEY_VERIFY(s, s.key(QStringLiteral("ctrl+z ctrl+z")));
    JOURNEY_VERIFY(s, saveAndRead());
    JOURNEY_COMPARE(s, state.marks, redone);

    s.step(QStringLiteral("draw one more length, close, answer No: the window stays"));
    JOURNEY_VERIFY(
        s, s.key(QStringLiteral("1")) && s.dragOnPicture(QPoint(30, 280), QPoint(120, 280)));
    JOURNEY_VERIFY(s, s.key(QStringLiteral("ctrl+w")));
    JOURNEY_VERIFY(s, s.answerQuestion(QStringLiteral("Dimlet"), false));
    JOURNEY_VERIFY(s, s.programRunning());
    s.step(QStringLiteral("the window still works after No: save the new length"));
    JOURNEY_VERIFY(s, saveAndRead());
    JOURNEY_COMPARE(s, state.marks,
        redone + QStringList({markLine(0, 4, QPoint(30, 280), QPoint(120, 280), -1)}));

    s.step(QStringLiteral("change again, close, answer Yes: the program ends with 0"));
    JOURNEY_VERIFY(
        s, s.key(QStringLiteral("1")) && s.dragOnPicture(QPoint(30, 20), QPoint(30, 50)));
    JOURNEY_VERIFY(s, s.key(QStringLiteral("ctrl+w")));
    JOURNEY_VERIFY(s, s.answerQuestion(QStringLiteral("Dimlet"), true));
    int exitCode = -1;
    JOURNEY_VERIFY(s, s.waitForProgramExit(&exitCode));
    JOURNEY_COMPARE(s, exitCode, 0);
}

DIMLET_TEST_MAIN(DocumentJourneys)
#include "tst_e2edocument.moc"
