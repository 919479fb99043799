// The picture document on its own, without a window: steps, history and the saved picture.
#include "picture/PictureDocument.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

struct Snapshot {
    PictureGrid grid;
    PictureNames names;
    QString filePath;
    QString fileCaption;
    OfferedCommands commands;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(const PictureDocument& document)
{
    return {document.grid(), document.names(), document.filePath(), document.fileCaption(), document.commands()};
}

// One random step: a few runs of cells in one ink, now and then a comment.
void randomStep(PictureDocument& document, QRandomGenerator& random, int step)
{
    document.beginStep(QStringLiteral("step %1").arg(step));
    const int runs = random.bounded(1, 4);
    for (int run = 0; run < runs; ++run) {
        std::vector<QPoint> cells;
        const QPoint from(random.bounded(-5, kColumns + 5), random.bounded(-5, kRows + 5));
        for (int n = random.bounded(1, 200); n > 0; --n)
            cells.push_back(from + QPoint(random.bounded(-20, 21), random.bounded(-20, 21)));
        document.plotCells(cells, int16_t(random.bounded(2)));
    }
    if (random.bounded(5) == 0)
        document.setComment(QStringLiteral("comment %1").arg(step));
    document.endStep();
}

}  // namespace

class TestDocument : public QObject {
    Q_OBJECT
private slots:
    void undoAndRedoRetraceEveryStep_data();
    void undoAndRedoRetraceEveryStep();
    void stepsThatChangeNothingAreNone();
    void cellsFlipBackWithinOnePackedPicture_data();
    void cellsFlipBackWithinOnePackedPicture();
    void clearingComesBackWhole();
    void savedPictureIsFoundAgain();
    void typedNamesStayWhenAStepIsUndone();
    void replacingStartsANewHistory();
};

void TestDocument::undoAndRedoRetraceEveryStep_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("steps");
    QTest::newRow("a few") << 1u << 5;
    QTest::newRow("many") << 7u << 60;
    QTest::newRow("beyond the history") << 3u << PictureDocument::kHistorySteps + 20;
}

// Undoing everything passes back through every picture that was there, in reverse; redoing
// everything passes forward through them again.
void TestDocument::undoAndRedoRetraceEveryStep()
{
    QFETCH(quint32, seed);
    QFETCH(int, steps);
    QRandomGenerator random(seed);
    PictureDocument document;
    QList<Snapshot> seen{snapshot(document)};
    for (int step = 0; step < steps; ++step) {
        randomStep(document, random, step);
        if (!(snapshot(document) == seen.last()))
            seen << snapshot(document);
    }
    const int kept = std::min<int>(seen.size() - 1, PictureDocument::kHistorySteps);
    QCOMPARE(document.history().count(), kept);
    // Undo and redo only move the Open offer; compare the rest as recorded.
    const auto withoutOpen = [](Snapshot s) {
        s.commands.markSavedState(true);
        return s;
    };
    for (int back = 1; back <= kept; ++back) {
        document.undo();
        QVERIFY(withoutOpen(snapshot(document)) == withoutOpen(seen[seen.size() - 1 - back]));
    }
    QVERIFY(!document.history().canUndo());
    for (int forward = kept - 1; forward >= 0; --forward) {
        document.redo();
        QVERIFY(withoutOpen(snapshot(document)) == withoutOpen(seen[seen.size() - 1 - forward]));
    }
}

void TestDocument::stepsThatChangeNothingAreNone()
{
    PictureDocument document;
    document.beginStep(QStringLiteral("Line"));
    document.plotCells({QPoint(-3, 5), QPoint(240, 7), QPoint(7, 103)}, 1);  // wholly off the picture
    document.endStep();
    document.beginStep(QStringLiteral("Erase"));
    document.plotCell(5, 5, 0);  // already white
    document.endStep();
    document.beginStep(QStringLiteral("Pen"));
    document.plotCell(5, 5, 1);
    document.plotCell(5, 5, 0);  // and back again
    document.endStep();
    document.beginStep(QStringLiteral("ClrDraw"), PictureDocument::StepKind::WholeState);
    document.clearCells();
    document.endStep();
    QCOMPARE(document.history().count(), 0);
}

void TestDocument::cellsFlipBackWithinOnePackedPicture_data()
{
    QTest::addColumn<QRect>("area");
    QTest::newRow("one cell") << QRect(5, 5, 1, 1);
    QTest::newRow("a corner") << QRect(230, 95, 10, 8);
    QTest::newRow("the whole picture") << QRect(0, 0, kColumns, kRows);
}

void TestDocument::cellsFlipBackWithinOnePackedPicture()
{
    QFETCH(QRect, area);
    QRandomGenerator random(11);
    PictureGrid before, after;
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y) {
            before.setCell(x, y, int16_t(random.bounded(2)));
            after.setCell(x, y, area.contains(x, y) ? int16_t(1 - before.cell(x, y)) : before.cell(x, y));
        }
    }
    const CellChange change = CellChange::between(before, after, QRect(0, 0, kColumns, kRows));
    QCOMPARE(change.area(), area);
    QVERIFY(change.bytes() <= std::size_t(area.width() * area.height() + 7) / 8);
    QVERIFY(change.bytes() <= 3090);
    PictureGrid grid = before;
    change.flip(grid);
    QVERIFY(grid == after);
    change.flip(grid);
    QVERIFY(grid == before);
}

void TestDocument::clearingComesBackWhole()
{
    PictureDocument document;
    PictureGrid grid;
    grid.setCell(3, 4, 1);
    document.replace(grid, {QStringLiteral("f"), QStringLiteral("v"), QStringLiteral("c")}, QStringLiteral("/a.92i"),
                     QStringLiteral("a.92i"));
    OfferedCommands loaded;
    loaded.markFileLoaded();
    document.setCommands(loaded);
    const Snapshot before = snapshot(document);

    document.beginStep(QStringLiteral("ClrDraw"), PictureDocument::StepKind::WholeState);
    document.clearCells();
    document.setCommands(OfferedCommands{});
    document.setFile(QString(), QString());
    document.setFolder(kDefaultFolder);
    document.setVariable(kDefaultVariable);
    document.setComment(kDefaultComment);
    document.markSaved();
    document.endStep();
    const Snapshot cleared = snapshot(document);

    QCOMPARE(document.history().undoText(), QStringLiteral("ClrDraw"));
    document.undo();
    QVERIFY(snapshot(document) == before);
    document.redo();
    QVERIFY(snapshot(document) == cleared);
}

void TestDocument::savedPictureIsFoundAgain()
{
    PictureDocument document;
    OfferedCommands edited;
    edited.markEdited();
    document.setCommands(edited);
    document.plotCell(1, 1, 1);
    document.markSaved();
    document.plotCell(2, 2, 1);
    document.plotCell(3, 3, 1);
    const auto saved = [&] { return !document.commands().hasUnsavedChanges(); };
    document.undo();
    QVERIFY(!saved());
    document.undo();
    QVERIFY(saved());
    document.undo();
    QVERIFY(!saved());
    document.redo();
    QVERIFY(saved());
    // A new step from the saved picture leaves the one after it unreachable.
    document.plotCell(9, 9, 1);
    document.undo();
    QVERIFY(saved());
}

void TestDocument::typedNamesStayWhenAStepIsUndone()
{
    PictureDocument document;
    document.beginStep(QStringLiteral("Snap"));
    document.plotCell(1, 1, 1);
    document.setComment(QStringLiteral("ScreenShot"));
    document.endStep();
    document.setFolder(QStringLiteral("typed"));
    document.undo();
    QCOMPARE(document.names().comment, kDefaultComment);
    QCOMPARE(document.names().folder, QStringLiteral("typed"));
    QCOMPARE(document.grid(), PictureGrid());
}

void TestDocument::replacingStartsANewHistory()
{
    PictureDocument document;
    document.plotCell(1, 1, 1);
    QSignalSpy cells(&document, &PictureDocument::cellsChanged);
    PictureGrid grid;
    grid.setCell(7, 7, 1);
    document.replace(grid, PictureNames{}, QStringLiteral("/b.92i"), QStringLiteral("/b.92i"));
    QVERIFY(!document.history().canUndo());
    QVERIFY(!document.history().canRedo());
    QCOMPARE(cells.size(), 1);
    QCOMPARE(cells.first().first().toRect(), QRect(0, 0, kColumns, kRows));
    QCOMPARE(document.grid(), grid);
}

QTEST_GUILESS_MAIN(TestDocument)
#include "tst_document.moc"
