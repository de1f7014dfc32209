#pragma once
// The sliding-tile puzzle shown as a pastime on the home screen. A picture is
// cut into cols x rows tiles; the bottom-right tile is left out and its cell
// is the blank. A tile next to the blank slides into it when clicked or when
// the arrow key pointing from the tile towards the blank is pressed (Left
// moves the tile on the right of the blank leftwards). Without a picture the
// tiles carry their numbers.
//
// Cells are numbered in reading order (cell = row * cols + col). The
// arrangement lists, per cell, the tile in it: tiles are numbered 1..n-1 by
// their home cell (tile t belongs in cell t-1) and 0 is the blank, so the
// solved arrangement of a 3 x 3 board is 1 2 3 4 5 6 7 8 0.
//
// completed() is emitted once, when a move brings the tiles home; from then
// on moves are refused until newGame() (or setArrangement()) starts again.

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QRandomGenerator>
#include <QRect>
#include <QWidget>

class TilePuzzle : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int cols READ cols WRITE setCols)
    Q_PROPERTY(int rows READ rows WRITE setRows)
    Q_PROPERTY(QColor lineColor READ lineColor WRITE setLineColor)
    Q_PROPERTY(QPixmap picture READ picture WRITE setPicture)

public:
    // The way a tile travels into the blank.
    enum Direction { Left, Right, Up, Down };
    Q_ENUM(Direction)

    static constexpr int MinGrid = 2;
    static constexpr int MaxGrid = 12;

    explicit TilePuzzle(QWidget *parent = nullptr);

    // Changing the grid puts the tiles in the solved arrangement; call
    // newGame() to shuffle. Sizes are clamped to MinGrid..MaxGrid.
    int cols() const { return m_cols; }
    void setCols(int cols);
    int rows() const { return m_rows; }
    void setRows(int rows);
    void setGridSize(int cols, int rows);

    QColor lineColor() const { return m_lineColor; }
    void setLineColor(const QColor &color);

    // Scaled to the widget keeping its proportions; a null pixmap gives
    // numbered tiles.
    QPixmap picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);

    // Makes the following newGame() shuffles reproducible.
    void setRandomSeed(quint32 seed);

    // Shuffles into a random arrangement that can be solved and is not
    // already solved, and makes the board playable again.
    void newGame();

    // Slides the tile in `cell` into the blank when they are neighbours in a
    // row or column. Returns false (and changes nothing) for any other cell
    // or once the puzzle has been completed.
    bool moveTile(int cell);
    // Slides the neighbour of the blank that lies opposite `direction`:
    // slide(Left) moves the tile on the right of the blank leftwards.
    bool slide(Direction direction);

    bool isSolved() const;
    // True from completion until the next newGame()/setArrangement().
    bool isFinished() const { return m_finished; }
    int blankCell() const;

    QList<int> arrangement() const { return m_tiles; }
    // Accepts only a permutation of 0..cols*rows-1 that can be solved; the
    // board becomes playable and no signal is emitted. Returns false and
    // keeps the current arrangement otherwise.
    bool setArrangement(const QList<int> &tiles);
    static bool isSolvable(const QList<int> &tiles, int cols, int rows);

    // Cells to pass to moveTile() one after the other to solve the current
    // arrangement; empty when it is solved. Boards of up to nine cells get a
    // shortest solution; larger ones are put in order row by row and column
    // by column and the last 3 x 3 (or smaller) corner is solved shortest.
    QList<int> solution() const;
    // Plays solution() through moveTile(), so moved() and completed() are
    // emitted as for a player.
    void solveByMoves();

    // Where a cell is drawn, in widget coordinates (grid lines excluded);
    // cellAt() gives the cell under a point, or -1 outside the board.
    QRect cellRect(int cell) const;
    int cellAt(const QPoint &pos) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void moved();
    void completed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct Layout {
        QRect board;    // tiles and lines, outer lines included
        int line = 1;   // width of the grid lines
        QList<int> xs;  // left edge of the line before each column, cols + 1 values
        QList<int> ys;  // same for rows
    };

    Layout layout() const;
    QRect cellRect(const Layout &l, int cell) const;
    void resetSolved();
    bool slideLineTo(int cell);
    double dpiScale() const;

    int m_cols = 3;
    int m_rows = 3;
    QColor m_lineColor = QColor(0, 0, 0);
    QPixmap m_picture;
    QPixmap m_scaled;  // m_picture at the board's size in device pixels
    QList<int> m_tiles;
    bool m_finished = false;
    QRandomGenerator m_random;
};
