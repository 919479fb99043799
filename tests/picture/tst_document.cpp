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

// What undo and redo bring back: they only move the Open offer, so that is left out.
Snapshot snapshot(const PictureDocument& document)
{
    Snapshot s{document.grid(), document.names(), document.filePath(), document.fileCaption(), document.commands()};
    s.commands.markSavedState(true);
    return s;
}

// One random step: a few runs of cells in one ink, now and then a comment.
void randomStep(PictureDocument& document, QRandomGenerator& random, int step)
{
    document.beginStep(QStringLiteral("step %1").arg(step));
    for (int runs = random.bounded(1, 4); runs > 0; --runs) {
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
    void cellsFlipBackWithinOnePackedPicture_data();
    void cellsFlipBackWithinOnePackedPicture();
};

void TestDocument::undoAndRedoRetraceEveryStep_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("steps");
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
    for (int back = 1; back <= kept; ++back) {
        document.undo();
        QVERIFY(snapshot(document) == seen[seen.size() - 1 - back]);
    }
    QVERIFY(!document.history().canUndo());
    for (int forward = kept - 1; forward >= 0; --forward) {
        document.redo();
        QVERIFY(snapshot(document) == seen[seen.size() - 1 - forward]);
    }
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
    PictureGrid grid = before;
    change.flip(grid);
    QVERIFY(grid == after);
    change.flip(grid);
    QVERIFY(grid == before);
}

QTEST_GUILESS_MAIN(TestDocument)
#include "tst_document.moc"
