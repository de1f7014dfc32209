// Tests of the home screen's sliding-tile puzzle: shuffling, the move rules
// for calls, clicks and keys, completion, the built-in solver and drawing.

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include <deque>
#include <unordered_map>

#include "widgets/TilePuzzle.h"

namespace {

QList<int> solvedBoard(int cols, int rows)
{
    QList<int> tiles;
    const int n = cols * rows;
    for (int i = 1; i <= n; ++i)
        tiles.append(i % n);
    return tiles;
}

// The textbook rule, counted independently of the widget: inversions among
// the numbered tiles, plus the blank's row when the width is even.
bool solvableByInversions(const QList<int> &tiles, int cols, int rows)
{
    int inversions = 0;
    for (int i = 0; i < tiles.size(); ++i)
        for (int j = i + 1; j < tiles.size(); ++j)
            if (tiles[i] && tiles[j] && tiles[i] > tiles[j])
                ++inversions;
    if (cols % 2 == 1)
        return inversions % 2 == 0;
    const int blankRow = int(tiles.indexOf(0)) / cols;
    return (inversions + blankRow) % 2 == (rows - 1) % 2;
}

bool isPermutation(const QList<int> &tiles, int n)
{
    QList<int> sorted = tiles;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < n; ++i)
        if (sorted.value(i, -1) != i)
            return false;
    return sorted.size() == n;
}

// Plays `cells` on a copy of `tiles` with the plain rule (the cell must touch
// the blank); returns an empty list at the first illegal move.
QList<int> play(QList<int> tiles, const QList<int> &cells, int cols)
{
    for (int cell : cells) {
        const int blank = int(tiles.indexOf(0));
        const int distance = std::abs(cell / cols - blank / cols) + std::abs(cell % cols - blank % cols);
        if (cell < 0 || cell >= tiles.size() || distance != 1)
            return {};
        std::swap(tiles[cell], tiles[blank]);
    }
    return tiles;
}

quint32 key3x3(const QList<int> &tiles)
{
    quint32 k = 0;
    for (int t : tiles)
        k = k * 9 + quint32(t);
    return k;
}

// Shortest distance to the solved 3 x 3 board of every reachable position,
// by breadth-first search from the solved board.
const std::unordered_map<quint32, int> &distances3x3()
{
    static const std::unordered_map<quint32, int> table = [] {
        std::unordered_map<quint32, int> d;
        const QList<int> start = solvedBoard(3, 3);
        d[key3x3(start)] = 0;
        std::deque<QList<int>> queue{start};
        while (!queue.empty()) {
            const QList<int> board = queue.front();
            queue.pop_front();
            const int here = d[key3x3(board)];
            const int blank = int(board.indexOf(0));
            for (int cell : {blank - 3, blank + 3, blank % 3 ? blank - 1 : -1, blank % 3 < 2 ? blank + 1 : -1}) {
                if (cell < 0 || cell >= 9)
                    continue;
                QList<int> next = board;
                std::swap(next[cell], next[blank]);
                if (d.emplace(key3x3(next), here + 1).second)
                    queue.push_back(next);
            }
        }
        return d;
    }();
    return table;
}

// One colour per home cell, so the drawn tiles show where they were cut.
QColor blockColor(int cell, int n) { return QColor::fromHsv(cell * 359 / n, 220, 230); }

QPixmap blockPicture(int cols, int rows, int side)
{
    QPixmap picture(cols * side, rows * side);
    QPainter p(&picture);
    for (int cell = 0; cell < cols * rows; ++cell)
        p.fillRect((cell % cols) * side, (cell / cols) * side, side, side, blockColor(cell, cols * rows));
    return picture;
}

// A small vineyard scene for looking at the puzzle.
QPixmap vineyardPicture()
{
    QPixmap picture(360, 360);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 200);
    sky.setColorAt(0, QColor(90, 150, 220));
    sky.setColorAt(1, QColor(250, 220, 160));
    p.fillRect(0, 0, 360, 200, sky);
    p.setBrush(QColor(255, 200, 60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(270, 70), 34, 34);
    QPainterPath hills(QPointF(0, 190));
    hills.cubicTo(90, 140, 200, 230, 360, 170);
    hills.lineTo(360, 360);
    hills.lineTo(0, 360);
    p.setBrush(QColor(90, 140, 60));
    p.drawPath(hills);
    p.setPen(QPen(QColor(60, 90, 30), 6));
    for (int i = 0; i < 7; ++i)
        p.drawLine(QPointF(-40 + i * 70, 360), QPointF(150 + i * 20, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(100, 30, 90));
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col <= row; ++col)
            p.drawEllipse(QPointF(110 + col * 18 - row * 9, 230 + row * 16), 9, 9);
    p.setBrush(QColor(50, 120, 40));
    p.drawEllipse(QPointF(105, 215), 22, 12);
    return picture;
}

bool similar(QColor a, QColor b, int tolerance = 24)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
        && std::abs(a.blue() - b.blue()) <= tolerance;
}

// Counts the separate runs of `color` along a line of pixels.
int runsOf(const QImage &image, QPoint from, QPoint step, QRgb color)
{
    int runs = 0;
    bool inside = false;
    for (QPoint at = from; image.rect().contains(at); at += step) {
        const bool match = image.pixel(at) == color;
        if (match && !inside)
            ++runs;
        inside = match;
    }
    return runs;
}

}  // namespace

class TestTilePuzzle : public QObject {
    Q_OBJECT

private slots:
    void newGameShufflesIntoSolvableUnsolvedArrangements_data();
    void newGameShufflesIntoSolvableUnsolvedArrangements();
    void newGameIsReproducibleWithASeed();
    void setArrangementAcceptsOnlySolvablePermutations();
    void moveRulesAllowOnlyNeighboursOfTheBlank();
    void mouseClicksSlideTiles();
    void arrowKeysSlideTheTileOnTheOppositeSide();
    void completedIsEmittedOnceOnlyForMoves();
    void solutionIsShortestOnThreeByThree();
    void solveByMovesSolvesRandomGames_data();
    void solveByMovesSolvesRandomGames();
    void drawingHonoursGridLineColorAndPicture_data();
    void drawingHonoursGridLineColorAndPicture();
    void numberedTilesWithoutPicture();
    void sizeHintScalesWithDpi();
    void writeSnapshot();
};

void TestTilePuzzle::newGameShufflesIntoSolvableUnsolvedArrangements_data()
{
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("games");
    QTest::newRow("2x2") << 2 << 2 << 300;
    QTest::newRow("3x3") << 3 << 3 << 500;
    QTest::newRow("4x4") << 4 << 4 << 500;
    QTest::newRow("3x5") << 3 << 5 << 300;
    QTest::newRow("4x2") << 4 << 2 << 300;
    QTest::newRow("12x12") << 12 << 12 << 60;
}

void TestTilePuzzle::newGameShufflesIntoSolvableUnsolvedArrangements()
{
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(int, games);
    const int n = cols * rows;
    TilePuzzle puzzle;
    puzzle.setGridSize(cols, rows);
    QSignalSpy moved(&puzzle, &TilePuzzle::moved);
    QSignalSpy completed(&puzzle, &TilePuzzle::completed);

    QSet<int> blankCells;
    QSet<QList<int>> seen;
    for (int seed = 1; seed <= games; ++seed) {
        puzzle.setRandomSeed(quint32(seed));
        puzzle.newGame();
        const QList<int> tiles = puzzle.arrangement();
        QVERIFY2(isPermutation(tiles, n), qPrintable(QString("seed %1").arg(seed)));
        QVERIFY(tiles != solvedBoard(cols, rows));
        QVERIFY(!puzzle.isSolved());
        QVERIFY2(solvableByInversions(tiles, cols, rows), qPrintable(QString("seed %1").arg(seed)));
        if (n == 9)
            QVERIFY(distances3x3().count(key3x3(tiles)) == 1);
        blankCells.insert(int(tiles.indexOf(0)));
        seen.insert(tiles);
    }
    QCOMPARE(moved.count(), 0);
    QCOMPARE(completed.count(), 0);
    // The shuffle reaches every position of the blank and does not repeat
    // itself (a 2 x 2 board has only 11 unsolved positions).
    if (n <= 16)
        QCOMPARE(blankCells.size(), n);
    if (n == 4)
        QCOMPARE(seen.size(), 11);
    else
        QVERIFY(seen.size() >= games * 95 / 100);
}

void TestTilePuzzle::newGameIsReproducibleWithASeed()
{
    TilePuzzle a, b;
    a.setRandomSeed(42);
    b.setRandomSeed(42);
    a.newGame();
    b.newGame();
    QCOMPARE(a.arrangement(), b.arrangement());
    a.newGame();
    QVERIFY(a.arrangement() != b.arrangement());
    b.newGame();
    QCOMPARE(a.arrangement(), b.arrangement());

    // A new grid size starts solved.
    a.setCols(4);
    QCOMPARE(a.cols(), 4);
    QCOMPARE(a.rows(), 3);
    QCOMPARE(a.arrangement(), solvedBoard(4, 3));
    a.setRows(100);
    QCOMPARE(a.rows(), TilePuzzle::MaxGrid);
    a.setCols(1);
    QCOMPARE(a.cols(), TilePuzzle::MinGrid);
}

void TestTilePuzzle::setArrangementAcceptsOnlySolvablePermutations()
{
    TilePuzzle puzzle;
    QSignalSpy moved(&puzzle, &TilePuzzle::moved);
    QSignalSpy completed(&puzzle, &TilePuzzle::completed);
    const QList<int> good{1, 2, 3, 4, 0, 6, 7, 5, 8};
    QVERIFY(puzzle.setArrangement(good));
    QCOMPARE(puzzle.arrangement(), good);
    QCOMPARE(puzzle.blankCell(), 4);

    const QList<QList<int>> bad{
        {},
        {1, 2, 3, 4, 5, 6, 7, 8},        // too short
        {1, 2, 3, 4, 5, 6, 7, 8, 0, 9},  // too long
        {1, 2, 3, 4, 5, 6, 7, 7, 0},     // repeated tile
        {1, 2, 3, 4, 5, 6, 7, 9, 0},     // no such tile
        {1, 2, 3, 4, 5, 6, -1, 8, 0},
        {2, 1, 3, 4, 5, 6, 7, 8, 0},  // two tiles swapped
        {1, 2, 3, 4, 5, 6, 8, 7, 0},
        {1, 2, 3, 4, 5, 6, 7, 0, 8, 0},
    };
    for (const QList<int> &tiles : bad) {
        QVERIFY2(!puzzle.setArrangement(tiles), qPrintable(QString::number(tiles.size())));
        QCOMPARE(puzzle.arrangement(), good);
    }
    // Two swapped pairs cancel out.
    QVERIFY(puzzle.setArrangement({2, 1, 3, 5, 4, 6, 7, 8, 0}));

    // Even widths: the blank's row takes part in the rule, so an odd number
    // of inversions can be right and an even one wrong.
    puzzle.setGridSize(4, 2);
    QVERIFY(puzzle.setArrangement({1, 2, 3, 0, 5, 6, 7, 4}));
    QVERIFY(puzzle.setArrangement({1, 2, 0, 3, 5, 6, 7, 4}));
    QVERIFY(!puzzle.setArrangement({2, 1, 3, 0, 5, 6, 7, 4}));
    QVERIFY(!puzzle.setArrangement({1, 2, 0, 4, 5, 6, 7, 3}));
    QVERIFY(!puzzle.setArrangement({1, 2, 3, 4, 5, 6, 7, 0, 8}));
    QCOMPARE(puzzle.arrangement(), QList<int>({1, 2, 0, 3, 5, 6, 7, 4}));

    QCOMPARE(moved.count(), 0);
    QCOMPARE(completed.count(), 0);
}

void TestTilePuzzle::moveRulesAllowOnlyNeighboursOfTheBlank()
{
    TilePuzzle puzzle;
    QSignalSpy moved(&puzzle, &TilePuzzle::moved);
    // Blank in the centre of a 3 x 3 board.
    const QList<int> start{1, 2, 3, 4, 0, 6, 7, 5, 8};
    QVERIFY(puzzle.setArrangement(start));
    for (int cell : {-1, 0, 2, 4, 6, 8, 9, 100}) {
        QVERIFY2(!puzzle.moveTile(cell), qPrintable(QString::number(cell)));
        QCOMPARE(puzzle.arrangement(), start);
    }
    QCOMPARE(moved.count(), 0);

    QVERIFY(puzzle.moveTile(3));
    QCOMPARE(puzzle.arrangement(), QList<int>({1, 2, 3, 0, 4, 6, 7, 5, 8}));
    QCOMPARE(moved.count(), 1);

    // Blank at the left edge: moving a tile rightwards needs a tile on its
    // left, and the cell "left" of it in reading order is the row above.
    QVERIFY(!puzzle.moveTile(2));
    QVERIFY(!puzzle.slide(TilePuzzle::Right));
    QCOMPARE(puzzle.arrangement(), QList<int>({1, 2, 3, 0, 4, 6, 7, 5, 8}));

    // Each direction moves the tile on the blank's opposite side.
    struct Case {
        TilePuzzle::Direction direction;
        int blankBefore;
        int blankAfter;
    };
    QVERIFY(puzzle.setArrangement(start));
    for (Case c : {Case{TilePuzzle::Left, 4, 5}, Case{TilePuzzle::Right, 5, 4}, Case{TilePuzzle::Up, 4, 7},
                   Case{TilePuzzle::Down, 7, 4}}) {
        QCOMPARE(puzzle.blankCell(), c.blankBefore);
        const int tile = puzzle.arrangement()[c.blankAfter];
        QVERIFY(puzzle.slide(c.direction));
        QCOMPARE(puzzle.blankCell(), c.blankAfter);
        QCOMPARE(puzzle.arrangement()[c.blankBefore], tile);
    }

    // Blank in the bottom-right corner: nothing can move left or up.
    QVERIFY(puzzle.setArrangement({1, 2, 3, 4, 8, 5, 7, 6, 0}));
    moved.clear();
    QVERIFY(!puzzle.slide(TilePuzzle::Left));
    QVERIFY(!puzzle.slide(TilePuzzle::Up));
    QCOMPARE(moved.count(), 0);
    QVERIFY(puzzle.setArrangement({1, 2, 3, 4, 5, 6, 7, 8, 0}));
    QVERIFY(!puzzle.slide(TilePuzzle::Left));
    QVERIFY(!puzzle.slide(TilePuzzle::Up));
    QVERIFY(!puzzle.moveTile(4));
    QCOMPARE(moved.count(), 0);
}

void TestTilePuzzle::mouseClicksSlideTiles()
{
    TilePuzzle puzzle;
    puzzle.setGridSize(4, 3);
    puzzle.setPicture(blockPicture(4, 3, 30));
    puzzle.resize(330, 200);  // wider than the picture: the board is centred
    puzzle.show();
    QVERIFY(QTest::qWaitForWindowActive(&puzzle));
    QSignalSpy moved(&puzzle, &TilePuzzle::moved);

    // 1  2  3  4
    // 5  0  6  7
    // 9 10 11  8
    const QList<int> start{1, 2, 3, 4, 5, 0, 6, 7, 9, 10, 11, 8};
    QVERIFY(puzzle.setArrangement(start));
    QCOMPARE(puzzle.cellAt(puzzle.cellRect(6).center()), 6);

    // Not in line with the blank, the blank itself, other buttons, outside.
    for (int cell : {0, 2, 3, 8, 11, 5}) {
        QTest::mouseClick(&puzzle, Qt::LeftButton, {}, puzzle.cellRect(cell).center());
        QCOMPARE(puzzle.arrangement(), start);
    }
    QTest::mouseClick(&puzzle, Qt::RightButton, {}, puzzle.cellRect(6).center());
    QTest::mouseClick(&puzzle, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(puzzle.arrangement(), start);
    QCOMPARE(moved.count(), 0);
    QVERIFY(puzzle.hasFocus());  // a click gives the puzzle the keyboard

    // A neighbour moves; a click on its corner still counts as the tile.
    QTest::mouseClick(&puzzle, Qt::LeftButton, {}, puzzle.cellRect(4).topLeft());
    QCOMPARE(puzzle.arrangement(), QList<int>({1, 2, 3, 4, 0, 5, 6, 7, 9, 10, 11, 8}));
    QCOMPARE(moved.count(), 1);

    // A tile farther along the row slides the tiles between too, one move
    // each.
    QTest::mouseClick(&puzzle, Qt::LeftButton, {}, puzzle.cellRect(7).center());
    QCOMPARE(puzzle.arrangement(), QList<int>({1, 2, 3, 4, 5, 6, 7, 0, 9, 10, 11, 8}));
    QCOMPARE(moved.count(), 4);

    // Along a column.
    QTest::mouseClick(&puzzle, Qt::LeftButton, {}, puzzle.cellRect(3).bottomRight());
    QCOMPARE(puzzle.arrangement(), QList<int>({1, 2, 3, 0, 5, 6, 7, 4, 9, 10, 11, 8}));
    QTest::mouseClick(&puzzle, Qt::LeftButton, {}, puzzle.cellRect(11).center());
    QCOMPARE(puzzle.arrangement(), QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0}));
    QVERIFY(puzzle.isFinished());
}

void TestTilePuzzle::arrowKeysSlideTheTileOnTheOppositeSide()
{
    TilePuzzle puzzle;
    QCOMPARE(puzzle.focusPolicy(), Qt::StrongFocus);
    puzzle.resize(200, 200);
    puzzle.show();
    QVERIFY(QTest::qWaitForWindowActive(&puzzle));
    puzzle.setFocus();
    QSignalSpy moved(&puzzle, &TilePuzzle::moved);

    // 1 2 3
    // 4 0 5
    // 7 8 6
    QVERIFY(puzzle.setArrangement({1, 2, 3, 4, 0, 5, 7, 8, 6}));
    QTest::keyClick(&puzzle, Qt::Key_Left);  // 5 moves left
    QCOMPARE(puzzle.arrangement(), QList<int>({1, 2, 3, 4, 5, 0, 7, 8, 6}));
    QTest::keyClick(&puzzle, Qt::Key_Left);  // nothing on the right
    QCOMPARE(puzzle.arrangement(), QList<int>({1, 2, 3, 4, 5, 0, 7, 8, 6}));
    QTest::keyClick(&puzzle, Qt::Key_Down);  // 3 moves down
    QCOMPARE(puzzle.arrangement(), QList<int>({1, 2, 0, 4, 5, 3, 7, 8, 6}));
    QTest::keyClick(&puzzle, Qt::Key_Right);  // 2 moves right
    QCOMPARE(puzzle.arrangement(), QList<int>({1, 0, 2, 4, 5, 3, 7, 8, 6}));
    QTest::keyClick(&puzzle, Qt::Key_Up);  // 5 moves up
    QCOMPARE(puzzle.arrangement(), QList<int>({1, 5, 2, 4, 0, 3, 7, 8, 6}));
    QTest::keyClick(&puzzle, Qt::Key_A);
    QTest::keyClick(&puzzle, Qt::Key_Space);
    QCOMPARE(puzzle.arrangement(), QList<int>({1, 5, 2, 4, 0, 3, 7, 8, 6}));
    QCOMPARE(moved.count(), 4);

    // With the focus a frame is drawn around the board, outside the tiles.
    QVERIFY(puzzle.hasFocus());
    const QImage focused = puzzle.grab().toImage();
    puzzle.clearFocus();
    const QImage unfocused = puzzle.grab().toImage();
    QRect board;
    for (int cell = 0; cell < 9; ++cell)
        board |= puzzle.cellRect(cell);
    int framePixels = 0;
    const QColor highlight = puzzle.palette().color(QPalette::Highlight);
    for (int y = 0; y < focused.height(); ++y) {
        for (int x = 0; x < focused.width(); ++x) {
            if (focused.pixel(x, y) == unfocused.pixel(x, y))
                continue;
            QVERIFY(!board.adjusted(-1, -1, 1, 1).contains(QPoint(x, y)));
            QCOMPARE(focused.pixelColor(x, y), highlight);
            ++framePixels;
        }
    }
    QVERIFY(framePixels >= 4 * board.width());
}

void TestTilePuzzle::completedIsEmittedOnceOnlyForMoves()
{
    TilePuzzle puzzle;
    QSignalSpy moved(&puzzle, &TilePuzzle::moved);
    QSignalSpy completed(&puzzle, &TilePuzzle::completed);
    QList<int> order;
    connect(&puzzle, &TilePuzzle::moved, this, [&] { order.append(1); });
    connect(&puzzle, &TilePuzzle::completed, this, [&] { order.append(2); });

    // Not by setting or shuffling.
    QVERIFY(puzzle.setArrangement(solvedBoard(3, 3)));
    puzzle.setRandomSeed(7);
    for (int i = 0; i < 50; ++i)
        puzzle.newGame();
    QCOMPARE(completed.count(), 0);

    // Two moves from solved: only the second completes.
    QVERIFY(puzzle.setArrangement({1, 2, 3, 4, 5, 6, 0, 7, 8}));
    QVERIFY(puzzle.moveTile(7));
    QCOMPARE(completed.count(), 0);
    QVERIFY(!puzzle.isFinished());
    QVERIFY(puzzle.slide(TilePuzzle::Left));
    QVERIFY(puzzle.isSolved());
    QVERIFY(puzzle.isFinished());
    QCOMPARE(completed.count(), 1);
    QCOMPARE(order, QList<int>({1, 1, 2}));

    // Finished: every way of moving is ignored.
    moved.clear();
    QVERIFY(!puzzle.moveTile(7));
    QVERIFY(!puzzle.slide(TilePuzzle::Right));
    QTest::keyClick(&puzzle, Qt::Key_Right);
    puzzle.resize(200, 200);
    QTest::mouseClick(&puzzle, Qt::LeftButton, {}, puzzle.cellRect(5).center());
    puzzle.solveByMoves();
    QCOMPARE(puzzle.arrangement(), solvedBoard(3, 3));
    QCOMPARE(moved.count(), 0);
    QCOMPARE(completed.count(), 1);

    // A new game can be completed again.
    puzzle.newGame();
    QVERIFY(!puzzle.isFinished());
    puzzle.solveByMoves();
    QCOMPARE(completed.count(), 2);

    // Moving away from a solved board that was set, and back, is a player's
    // completion.
    QVERIFY(puzzle.setArrangement(solvedBoard(3, 3)));
    QVERIFY(!puzzle.isFinished());
    QVERIFY(puzzle.slide(TilePuzzle::Down));
    QCOMPARE(completed.count(), 2);
    QVERIFY(puzzle.slide(TilePuzzle::Up));
    QCOMPARE(completed.count(), 3);
}

void TestTilePuzzle::solutionIsShortestOnThreeByThree()
{
    const auto &distance = distances3x3();
    QCOMPARE(distance.size(), size_t(181440));
    TilePuzzle puzzle;
    puzzle.setRandomSeed(2024);
    for (int game = 0; game < 300; ++game) {
        puzzle.newGame();
        const QList<int> tiles = puzzle.arrangement();
        const QList<int> moves = puzzle.solution();
        QCOMPARE(puzzle.arrangement(), tiles);
        QCOMPARE(play(tiles, moves, 3), solvedBoard(3, 3));
        QCOMPARE(moves.size(), distance.at(key3x3(tiles)));
    }

    // The two positions farthest from solved, 31 moves each.
    for (const QList<int> &tiles : {QList<int>{8, 6, 7, 2, 5, 4, 3, 0, 1}, QList<int>{6, 4, 7, 8, 5, 0, 3, 2, 1}}) {
        QCOMPARE(distance.at(key3x3(tiles)), 31);
        QVERIFY(puzzle.setArrangement(tiles));
        QElapsedTimer timer;
        timer.start();
        const QList<int> moves = puzzle.solution();
        const qint64 ms = timer.elapsed();
        qInfo("31-move position solved in %lld ms", ms);
        QCOMPARE(moves.size(), 31);
        QCOMPARE(play(tiles, moves, 3), solvedBoard(3, 3));
        QVERIFY2(ms < 200, qPrintable(QString("%1 ms").arg(ms)));
    }

    QVERIFY(puzzle.setArrangement(solvedBoard(3, 3)));
    QVERIFY(puzzle.solution().isEmpty());
}

void TestTilePuzzle::solveByMovesSolvesRandomGames_data()
{
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("games");
    QTest::newRow("2x2") << 2 << 2 << 50;
    QTest::newRow("3x2") << 3 << 2 << 100;
    QTest::newRow("3x3") << 3 << 3 << 200;
    QTest::newRow("2x4") << 2 << 4 << 100;
    QTest::newRow("4x3") << 4 << 3 << 100;
    QTest::newRow("4x4") << 4 << 4 << 200;
    QTest::newRow("2x7") << 2 << 7 << 100;
    QTest::newRow("7x2") << 7 << 2 << 100;
    QTest::newRow("5x3") << 5 << 3 << 100;
    QTest::newRow("3x6") << 3 << 6 << 100;
    QTest::newRow("6x6") << 6 << 6 << 50;
    QTest::newRow("12x12") << 12 << 12 << 5;
}

void TestTilePuzzle::solveByMovesSolvesRandomGames()
{
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(int, games);
    TilePuzzle puzzle;
    puzzle.setGridSize(cols, rows);
    puzzle.setRandomSeed(quint32(cols * 100 + rows));
    QSignalSpy moved(&puzzle, &TilePuzzle::moved);
    QSignalSpy completed(&puzzle, &TilePuzzle::completed);
    for (int game = 1; game <= games; ++game) {
        puzzle.newGame();
        const QList<int> tiles = puzzle.arrangement();
        const QList<int> moves = puzzle.solution();
        QCOMPARE(play(tiles, moves, cols), solvedBoard(cols, rows));
        moved.clear();
        puzzle.solveByMoves();
        QVERIFY(puzzle.isSolved());
        QVERIFY(puzzle.isFinished());
        QCOMPARE(moved.count(), moves.size());
        QCOMPARE(completed.count(), game);
    }
}

void TestTilePuzzle::drawingHonoursGridLineColorAndPicture_data()
{
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("line");
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("3x3 home screen") << 3 << 3 << QSize(180, 180) << QColor(0, 64, 0) << 1.0;
    QTest::newRow("4x3 wide") << 4 << 3 << QSize(400, 200) << QColor(255, 0, 255) << 1.0;
    QTest::newRow("3x5 tall") << 3 << 5 << QSize(150, 330) << QColor(0, 0, 255) << 1.0;
    QTest::newRow("5x4 large") << 5 << 4 << QSize(640, 520) << QColor(200, 0, 0) << 1.0;
    QTest::newRow("3x3 high dpi") << 3 << 3 << QSize(180, 180) << QColor(0, 64, 0) << 2.0;
    QTest::newRow("4x4 small") << 4 << 4 << QSize(70, 70) << QColor(255, 0, 255) << 1.0;
}

void TestTilePuzzle::drawingHonoursGridLineColorAndPicture()
{
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(QSize, size);
    QFETCH(QColor, line);
    QFETCH(qreal, ratio);
    const int n = cols * rows;
    TilePuzzle puzzle;
    puzzle.setGridSize(cols, rows);
    puzzle.setLineColor(line);
    QCOMPARE(puzzle.lineColor(), line);
    puzzle.setPicture(blockPicture(cols, rows, 40));
    puzzle.resize(size);
    puzzle.setRandomSeed(5);
    puzzle.newGame();

    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::white);
    puzzle.render(&pixmap);
    const QImage image = pixmap.toImage();
    const auto at = [&](QPoint p) { return image.pixelColor((QPointF(p) * ratio).toPoint()); };

    const QList<int> tiles = puzzle.arrangement();
    QRect board;
    for (int cell = 0; cell < n; ++cell) {
        const QRect r = puzzle.cellRect(cell);
        QVERIFY(r.width() >= 2 && r.height() >= 2);
        QVERIFY(puzzle.rect().contains(r));
        QCOMPARE(puzzle.cellAt(r.center()), cell);
        board |= r;
        // Tiles of one board are the same size to the pixel.
        QVERIFY(std::abs(r.width() - puzzle.cellRect(0).width()) <= 1);
        QVERIFY(std::abs(r.height() - puzzle.cellRect(0).height()) <= 1);

        const QColor middle = at(r.center());
        if (tiles[cell] == 0) {
            QVERIFY2(middle.lightnessF() < 0.2, qPrintable(middle.name()));
        } else {
            // The tile shows the part of the picture of its home cell.
            const QColor expected = blockColor(tiles[cell] - 1, n);
            QVERIFY2(similar(middle, expected),
                     qPrintable(QString("cell %1: %2 instead of %3").arg(cell).arg(middle.name(), expected.name())));
        }
    }
    // Lines of the line colour run between the tiles and around the board:
    // a scan through the middle of each row crosses cols + 1 of them, and a
    // scan down each column rows + 1.
    const QRgb lineRgb = line.rgb();
    for (int r = 0; r < rows; ++r) {
        const QPoint middle = puzzle.cellRect(r * cols).center();
        QCOMPARE(runsOf(image, QPoint(0, int(middle.y() * ratio)), QPoint(1, 0), lineRgb), cols + 1);
    }
    for (int c = 0; c < cols; ++c) {
        const QPoint middle = puzzle.cellRect(c).center();
        QCOMPARE(runsOf(image, QPoint(int(middle.x() * ratio), 0), QPoint(0, 1), lineRgb), rows + 1);
    }
    QCOMPARE(at(board.topLeft() - QPoint(1, 1)), line);
    QCOMPARE(at(board.bottomRight() + QPoint(1, 1)), line);
    for (int cell = 0; cell + 1 < n; ++cell) {
        if ((cell + 1) % cols != 0) {
            const QRect left = puzzle.cellRect(cell), right = puzzle.cellRect(cell + 1);
            QVERIFY(right.left() > left.right() + 1);
            QCOMPARE(at(QPoint(left.right() + 1, left.center().y())), line);
            QCOMPARE(at(QPoint(right.left() - 1, left.center().y())), line);
        }
    }
    // All lines have the same width.
    QSet<int> widths;
    for (int c = 0; c + 1 < cols; ++c)
        widths.insert(puzzle.cellRect(c + 1).left() - puzzle.cellRect(c).right() - 1);
    for (int r = 0; r + 1 < rows; ++r)
        widths.insert(puzzle.cellRect((r + 1) * cols).top() - puzzle.cellRect(r * cols).bottom() - 1);
    QCOMPARE(widths.size(), 1);

    // The board keeps the picture's proportions (equal blocks: cols : rows).
    const double proportion = double(board.width()) / board.height();
    QVERIFY2(std::abs(proportion - double(cols) / rows) < 0.06, qPrintable(QString::number(proportion)));
}

void TestTilePuzzle::numberedTilesWithoutPicture()
{
    TilePuzzle puzzle;
    puzzle.setLineColor(QColor(0, 64, 0));
    puzzle.resize(180, 180);
    QVERIFY(puzzle.setArrangement({1, 2, 3, 4, 5, 6, 7, 0, 8}));
    const QImage image = puzzle.grab().toImage();
    QSet<QByteArray> faces;
    for (int cell = 0; cell < 9; ++cell) {
        const QRect r = puzzle.cellRect(cell);
        const QImage face = image.copy(r.adjusted(r.width() / 5, r.height() / 5, -r.width() / 5, -r.height() / 5));
        int light = 0, dark = 0;
        for (int y = 0; y < face.height(); ++y)
            for (int x = 0; x < face.width(); ++x)
                (face.pixelColor(x, y).lightnessF() > 0.6 ? light : dark) += 1;
        if (cell == 7) {
            QCOMPARE(light, 0);  // the blank is plain and dark
        } else {
            QVERIFY2(light > dark && dark > 10, qPrintable(QString::number(cell)));
            faces.insert(QByteArray(reinterpret_cast<const char *>(face.constBits()), face.sizeInBytes()));
        }
    }
    QCOMPARE(faces.size(), 8);  // every tile carries its own number
}

void TestTilePuzzle::sizeHintScalesWithDpi()
{
    TilePuzzle puzzle;
    const double scale = puzzle.logicalDpiX() / 96.0;
    QVERIFY(std::abs(puzzle.sizeHint().width() - 180 * scale) <= 10 * scale);
    QVERIFY(std::abs(puzzle.sizeHint().height() - 180 * scale) <= 10 * scale);
}

void TestTilePuzzle::writeSnapshot()
{
    TilePuzzle puzzle;
    puzzle.setLineColor(QColor(0, 64, 0));
    puzzle.setPicture(vineyardPicture());
    puzzle.resize(puzzle.sizeHint());
    puzzle.show();
    QVERIFY(QTest::qWaitForWindowActive(&puzzle));
    puzzle.setFocus();
    QVERIFY(puzzle.hasFocus());
    QVERIFY(puzzle.setArrangement({1, 2, 3, 4, 0, 6, 7, 5, 8}));
    QVERIFY(puzzle.grab().save(QDir::temp().filePath("puzzle.png")));

    puzzle.setPicture(QPixmap());
    puzzle.clearFocus();
    QVERIFY(puzzle.grab().save(QDir::temp().filePath("puzzle_numbers.png")));

    puzzle.setGridSize(4, 4);
    puzzle.setPicture(vineyardPicture());
    puzzle.resize(420, 300);
    puzzle.setRandomSeed(3);
    puzzle.newGame();
    QPixmap large(puzzle.size() * 2);
    large.setDevicePixelRatio(2);
    large.fill(Qt::white);
    puzzle.render(&large);
    QVERIFY(large.save(QDir::temp().filePath("puzzle_hidpi.png")));
}

QTEST_MAIN(TestTilePuzzle)
#include "test_puzzle.moc"
