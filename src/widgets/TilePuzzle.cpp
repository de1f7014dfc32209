#include "widgets/TilePuzzle.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <deque>
#include <unordered_map>
#include <vector>

namespace {

// ---------------------------------------------------------------------------
// Board arithmetic shared by the widget and the solver. Boards are vectors of
// tile numbers per cell, 0 being the blank.

int homeOf(int tile, int n) { return tile == 0 ? n - 1 : tile - 1; }

int manhattan(int a, int b, int cols) { return std::abs(a / cols - b / cols) + std::abs(a % cols - b % cols); }

// Cells sharing a side with `cell`, in the order up, left, right, down.
int neighbours(int cell, int cols, int rows, int out[4])
{
    const int r = cell / cols, c = cell % cols;
    int k = 0;
    if (r > 0)
        out[k++] = cell - cols;
    if (c > 0)
        out[k++] = cell - 1;
    if (c < cols - 1)
        out[k++] = cell + 1;
    if (r < rows - 1)
        out[k++] = cell + cols;
    return k;
}

// Every move swaps the blank with a neighbour: it flips the parity of the
// permutation (cell -> home of the tile in it) and moves the blank one step
// nearer to or further from its home. An arrangement can therefore only be
// solved when both parities agree, and on boards of at least 2 x 2 every
// such arrangement can be.
bool parityAllowsSolution(const std::vector<int> &tiles, int cols)
{
    const int n = int(tiles.size());
    std::vector<char> seen(n, 0);
    int transpositions = 0;
    int blank = -1;
    for (int i = 0; i < n; ++i) {
        if (tiles[i] == 0)
            blank = i;
        if (seen[i])
            continue;
        int length = 0;
        for (int j = i; !seen[j]; j = homeOf(tiles[j], n)) {
            seen[j] = 1;
            ++length;
        }
        transpositions += length - 1;
    }
    return transpositions % 2 == manhattan(blank, n - 1, cols) % 2;
}

bool isSolvedBoard(const std::vector<int> &tiles)
{
    const int n = int(tiles.size());
    for (int i = 0; i < n; ++i) {
        if (tiles[i] != (i + 1) % n)
            return false;
    }
    return true;
}

bool isPermutation(const QList<int> &tiles, int n)
{
    if (tiles.size() != n)
        return false;
    std::vector<char> seen(n, 0);
    for (int t : tiles) {
        if (t < 0 || t >= n || seen[t])
            return false;
        seen[t] = 1;
    }
    return true;
}

// ---------------------------------------------------------------------------
// Shortest solutions for boards of up to nine cells: iterative deepening A*
// with Manhattan distance plus linear conflicts. The hardest 3 x 3 positions
// (31 moves) take a few milliseconds.

class ShortestSolver {
public:
    ShortestSolver(const std::vector<int> &tiles, int cols, int rows) : m_cols(cols), m_rows(rows), m_n(cols * rows)
    {
        for (int i = 0; i < m_n; ++i) {
            m_board[i] = std::int8_t(tiles[i]);
            if (tiles[i] == 0)
                m_blank = i;
        }
    }

    // Cells moved into the blank, in order.
    std::vector<int> solve()
    {
        int bound = heuristic();
        while (true) {
            const int t = search(0, bound, -1);
            if (t == Found)
                return m_path;
            if (t == INT_MAX)
                return {};  // cannot happen for an arrangement that can be solved
            bound = t;
        }
    }

private:
    static constexpr int Found = -1;

    // Extra moves forced by tiles that sit in their home line in reverse
    // order: all but the longest increasing run must leave the line and come
    // back, two moves each.
    int lineConflict(const int *goals, int count) const
    {
        if (count < 2)
            return 0;
        int longest = 0;
        int run[MaxCells];
        for (int i = 0; i < count; ++i) {
            run[i] = 1;
            for (int j = 0; j < i; ++j)
                if (goals[j] < goals[i])
                    run[i] = std::max(run[i], run[j] + 1);
            longest = std::max(longest, run[i]);
        }
        return 2 * (count - longest);
    }

    int heuristic() const
    {
        int h = 0;
        for (int cell = 0; cell < m_n; ++cell) {
            if (m_board[cell] != 0)
                h += manhattan(cell, m_board[cell] - 1, m_cols);
        }
        int goals[MaxCells];
        for (int r = 0; r < m_rows; ++r) {
            int count = 0;
            for (int c = 0; c < m_cols; ++c) {
                const int t = m_board[r * m_cols + c];
                if (t != 0 && (t - 1) / m_cols == r)
                    goals[count++] = (t - 1) % m_cols;
            }
            h += lineConflict(goals, count);
        }
        for (int c = 0; c < m_cols; ++c) {
            int count = 0;
            for (int r = 0; r < m_rows; ++r) {
                const int t = m_board[r * m_cols + c];
                if (t != 0 && (t - 1) % m_cols == c)
                    goals[count++] = (t - 1) / m_cols;
            }
            h += lineConflict(goals, count);
        }
        return h;
    }

    int search(int g, int bound, int previousBlank)
    {
        const int h = heuristic();
        if (g + h > bound)
            return g + h;
        if (h == 0)
            return Found;
        int best = INT_MAX;
        int next[4];
        const int count = neighbours(m_blank, m_cols, m_rows, next);
        for (int i = 0; i < count; ++i) {
            const int cell = next[i];
            if (cell == previousBlank)
                continue;
            const int from = m_blank;
            m_board[from] = m_board[cell];
            m_board[cell] = 0;
            m_blank = cell;
            m_path.push_back(cell);
            const int t = search(g + 1, bound, from);
            if (t == Found)
                return Found;
            best = std::min(best, t);
            m_path.pop_back();
            m_blank = from;
            m_board[cell] = m_board[from];
            m_board[from] = 0;
        }
        return best;
    }

    static constexpr int MaxCells = 9;
    int m_cols;
    int m_rows;
    int m_n;
    std::array<std::int8_t, MaxCells> m_board{};
    int m_blank = 0;
    std::vector<int> m_path;
};

// ---------------------------------------------------------------------------
// Larger boards: the top row or left column of the unsolved part (whichever
// side is longer) is put in place and locked, until at most nine cells are
// left; those are solved by ShortestSolver.

class ReducingSolver {
public:
    ReducingSolver(const std::vector<int> &tiles, int cols, int rows)
        : m_tiles(tiles), m_cols(cols), m_rows(rows), m_n(cols * rows), m_locked(m_n, 0)
    {
        m_blank = int(std::find(m_tiles.begin(), m_tiles.end(), 0) - m_tiles.begin());
    }

    std::vector<int> solve()
    {
        int top = 0, left = 0;
        while ((m_rows - top) * (m_cols - left) > 9) {
            std::vector<int> line;
            int inward;
            if (m_rows - top >= m_cols - left) {
                for (int c = left; c < m_cols; ++c)
                    line.push_back(top * m_cols + c);
                inward = m_cols;
                ++top;
            } else {
                for (int r = top; r < m_rows; ++r)
                    line.push_back(r * m_cols + left);
                inward = 1;
                ++left;
            }
            if (!solveLine(line, inward))
                return {};
        }
        finishCorner(top, left);
        return m_moves;
    }

private:
    void move(int cell)
    {
        m_tiles[m_blank] = m_tiles[cell];
        m_tiles[cell] = 0;
        m_blank = cell;
        m_moves.push_back(cell);
    }

    int find(int tile) const { return int(std::find(m_tiles.begin(), m_tiles.end(), tile) - m_tiles.begin()); }

    // Brings `tile` to `target` by the fewest blank moves that stay off the
    // locked cells (search over tile and blank positions together).
    bool bringTile(int tile, int target)
    {
        const int start = find(tile) * m_n + m_blank;
        std::vector<int> parent(size_t(m_n) * m_n, -1);
        parent[start] = start;
        std::deque<int> queue{start};
        int goal = -1;
        while (!queue.empty()) {
            const int state = queue.front();
            queue.pop_front();
            const int at = state / m_n, blank = state % m_n;
            if (at == target) {
                goal = state;
                break;
            }
            int next[4];
            const int count = neighbours(blank, m_cols, m_rows, next);
            for (int i = 0; i < count; ++i) {
                if (m_locked[next[i]])
                    continue;
                const int following = (next[i] == at ? blank : at) * m_n + next[i];
                if (parent[following] < 0) {
                    parent[following] = state;
                    queue.push_back(following);
                }
            }
        }
        return playPath(goal, start, parent);
    }

    // Plays the moves of a path found by a search: from the goal back to the
    // start through each state's parent, the blank's cell being a state's
    // remainder by the number of cells. False when no path was found.
    template <typename Parents> bool playPath(int goal, int start, Parents &parent)
    {
        if (goal < 0)
            return false;
        std::vector<int> steps;
        for (int state = goal; state != start; state = parent[state])
            steps.push_back(state % m_n);
        for (auto it = steps.rbegin(); it != steps.rend(); ++it)
            move(*it);
        return true;
    }

    bool bringBlank(int target)
    {
        std::vector<int> parent(m_n, -1);
        parent[m_blank] = m_blank;
        std::deque<int> queue{m_blank};
        while (!queue.empty() && parent[target] < 0) {
            const int cell = queue.front();
            queue.pop_front();
            int next[4];
            const int count = neighbours(cell, m_cols, m_rows, next);
            for (int i = 0; i < count; ++i) {
                if (!m_locked[next[i]] && parent[next[i]] < 0) {
                    parent[next[i]] = cell;
                    queue.push_back(next[i]);
                }
            }
        }
        if (parent[target] < 0)
            return false;
        std::vector<int> steps;
        for (int cell = target; cell != m_blank; cell = parent[cell])
            steps.push_back(cell);
        for (auto it = steps.rbegin(); it != steps.rend(); ++it)
            move(*it);
        return true;
    }

    // Search over the positions of the line's last two tiles and the blank,
    // moving only within three cells of the line, until both are home.
    bool placePair(const std::vector<int> &line, int inward)
    {
        const int k = int(line.size());
        const int a = line[k - 2] + 1, b = line[k - 1] + 1;
        std::vector<char> allowed(m_n, 0);
        for (int cell : line)
            for (int depth = 0; depth < 3; ++depth)
                allowed[cell + depth * inward] = !m_locked[cell + depth * inward];

        if (!allowed[m_blank]) {
            m_locked[find(a)] = m_locked[find(b)] = 1;
            const bool reached = bringBlank(line[k - 2] + 2 * inward);
            m_locked[find(a)] = m_locked[find(b)] = 0;
            if (!reached)
                return false;
        }

        const auto encode = [this](int pa, int pb, int blank) { return (pa * m_n + pb) * m_n + blank; };
        const int start = encode(find(a), find(b), m_blank);
        std::unordered_map<int, int> parent{{start, start}};
        std::deque<int> queue{start};
        int goal = -1;
        while (!queue.empty()) {
            const int state = queue.front();
            queue.pop_front();
            const int blank = state % m_n, pb = state / m_n % m_n, pa = state / m_n / m_n;
            if (pa == line[k - 2] && pb == line[k - 1]) {
                goal = state;
                break;
            }
            int next[4];
            const int count = neighbours(blank, m_cols, m_rows, next);
            for (int i = 0; i < count; ++i) {
                const int cell = next[i];
                if (!allowed[cell])
                    continue;
                const int following = encode(cell == pa ? blank : pa, cell == pb ? blank : pb, cell);
                if (parent.emplace(following, state).second)
                    queue.push_back(following);
            }
        }
        return playPath(goal, start, parent);
    }

    // Puts the tiles of `line` (an edge of the unsolved part, at least two
    // cells, with at least a 3 x 2 free area beside it) home and locks them.
    // `inward` is the step from a line cell into the free area.
    bool solveLine(const std::vector<int> &line, int inward)
    {
        const int k = int(line.size());
        for (int i = 0; i + 2 < k; ++i) {
            if (!bringTile(line[i] + 1, line[i]))
                return false;
            m_locked[line[i]] = 1;
        }
        const int a = line[k - 2] + 1, b = line[k - 1] + 1;
        const int end = line[k - 1], belowEnd = end + inward;
        if (find(a) != line[k - 2] || find(b) != end) {
            // The last two go in together: a to the end cell, b next to it
            // inwards, the blank into a's home; then a steps back and b
            // follows into the end cell.
            if (!bringTile(a, end))
                return false;
            m_locked[end] = 1;
            if (bringTile(b, belowEnd)) {
                m_locked[belowEnd] = 1;
                if (!bringBlank(line[k - 2]))
                    return false;
                m_locked[end] = 0;
                m_locked[belowEnd] = 0;
                move(end);
                move(belowEnd);
            } else {
                // b is caught in a's home cell, or stands in its only way
                // out with the blank inside: it cannot get round a from
                // there, so the pair is placed by a search over the strip
                // three cells deep along the line.
                m_locked[end] = 0;
                if (!placePair(line, inward))
                    return false;
            }
        }
        m_locked[line[k - 2]] = 1;
        m_locked[end] = 1;
        return true;
    }

    void finishCorner(int top, int left)
    {
        const int w = m_cols - left, h = m_rows - top;
        std::vector<int> corner(size_t(w) * h);
        for (int r = 0; r < h; ++r) {
            for (int c = 0; c < w; ++c) {
                const int t = m_tiles[(top + r) * m_cols + left + c];
                if (t == 0) {
                    corner[r * w + c] = 0;
                } else {
                    const int home = t - 1;
                    corner[r * w + c] = (home / m_cols - top) * w + (home % m_cols - left) + 1;
                }
            }
        }
        for (int cell : ShortestSolver(corner, w, h).solve())
            move((top + cell / w) * m_cols + left + cell % w);
    }

    std::vector<int> m_tiles;
    int m_cols;
    int m_rows;
    int m_n;
    int m_blank = 0;
    std::vector<char> m_locked;
    std::vector<int> m_moves;
};

QColor blend(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

}  // namespace

// ---------------------------------------------------------------------------

TilePuzzle::TilePuzzle(QWidget *parent) : QWidget(parent), m_random(QRandomGenerator::global()->generate())
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    resetSolved();
}

void TilePuzzle::setCols(int cols) { setGridSize(cols, m_rows); }

void TilePuzzle::setRows(int rows) { setGridSize(m_cols, rows); }

void TilePuzzle::setGridSize(int cols, int rows)
{
    m_cols = std::clamp(cols, MinGrid, MaxGrid);
    m_rows = std::clamp(rows, MinGrid, MaxGrid);
    resetSolved();
    updateGeometry();
    update();
}

void TilePuzzle::setLineColor(const QColor &color)
{
    m_lineColor = color;
    update();
}

void TilePuzzle::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    m_scaled = QPixmap();
    update();
}

void TilePuzzle::setRandomSeed(quint32 seed) { m_random.seed(seed); }

void TilePuzzle::resetSolved()
{
    const int n = m_cols * m_rows;
    m_tiles.resize(n);
    for (int i = 0; i < n; ++i)
        m_tiles[i] = (i + 1) % n;
    m_finished = false;
}

void TilePuzzle::newGame()
{
    const int n = m_cols * m_rows;
    std::vector<int> tiles(n);
    do {
        // A uniform shuffle; when its parity forbids a solution, swapping two
        // tiles (not the blank) fixes that, so every arrangement that can be
        // solved is equally likely.
        for (int i = 0; i < n; ++i)
            tiles[i] = i;
        for (int i = n - 1; i > 0; --i)
            std::swap(tiles[i], tiles[m_random.bounded(i + 1)]);
        if (!parityAllowsSolution(tiles, m_cols)) {
            int first = tiles[0] != 0 ? 0 : 1;
            int second = tiles[first + 1] != 0 ? first + 1 : first + 2;
            std::swap(tiles[first], tiles[second]);
        }
    } while (isSolvedBoard(tiles));
    m_tiles = QList<int>(tiles.begin(), tiles.end());
    m_finished = false;
    update();
}

bool TilePuzzle::isSolved() const { return isSolvedBoard(std::vector<int>(m_tiles.begin(), m_tiles.end())); }

int TilePuzzle::blankCell() const { return int(m_tiles.indexOf(0)); }

bool TilePuzzle::moveTile(int cell)
{
    if (m_finished || cell < 0 || cell >= m_tiles.size())
        return false;
    const int blank = blankCell();
    if (manhattan(cell, blank, m_cols) != 1)
        return false;
    m_tiles[blank] = m_tiles[cell];
    m_tiles[cell] = 0;
    update();
    emit moved();
    if (isSolved()) {
        m_finished = true;
        emit completed();
    }
    return true;
}

bool TilePuzzle::slide(Direction direction)
{
    const int blank = blankCell();
    const int r = blank / m_cols, c = blank % m_cols;
    switch (direction) {
    case Left: return c + 1 < m_cols && moveTile(blank + 1);
    case Right: return c > 0 && moveTile(blank - 1);
    case Up: return r + 1 < m_rows && moveTile(blank + m_cols);
    case Down: return r > 0 && moveTile(blank - m_cols);
    }
    return false;
}

// A click on a tile farther along the blank's row or column slides every tile
// between them, one move each.
bool TilePuzzle::slideLineTo(int cell)
{
    const int blank = blankCell();
    if (cell < 0 || cell == blank)
        return false;
    int step;
    if (cell / m_cols == blank / m_cols)
        step = cell > blank ? 1 : -1;
    else if (cell % m_cols == blank % m_cols)
        step = cell > blank ? m_cols : -m_cols;
    else
        return false;
    bool movedAny = false;
    while (blankCell() != cell && moveTile(blankCell() + step))
        movedAny = true;
    return movedAny;
}

bool TilePuzzle::isSolvable(const QList<int> &tiles, int cols, int rows)
{
    if (cols < MinGrid || rows < MinGrid || !isPermutation(tiles, cols * rows))
        return false;
    return parityAllowsSolution(std::vector<int>(tiles.begin(), tiles.end()), cols);
}

bool TilePuzzle::setArrangement(const QList<int> &tiles)
{
    if (!isSolvable(tiles, m_cols, m_rows))
        return false;
    m_tiles = tiles;
    m_finished = false;
    update();
    return true;
}

QList<int> TilePuzzle::solution() const
{
    const std::vector<int> tiles(m_tiles.begin(), m_tiles.end());
    const std::vector<int> moves = m_cols * m_rows <= 9 ? ShortestSolver(tiles, m_cols, m_rows).solve()
                                                        : ReducingSolver(tiles, m_cols, m_rows).solve();
    return QList<int>(moves.begin(), moves.end());
}

void TilePuzzle::solveByMoves()
{
    const QList<int> moves = solution();
    for (int cell : moves) {
        if (!moveTile(cell))
            break;
    }
}

// ---------------------------------------------------------------------------
// Geometry and painting. The board keeps the picture's proportions (square
// tiles without one) and is centred, leaving a margin for the focus frame.
// Line edges are rounded to whole pixels so every line has the same width and
// tiles differ by at most one pixel.

double TilePuzzle::dpiScale() const { return std::max(1.0, logicalDpiX() / 96.0); }

TilePuzzle::Layout TilePuzzle::layout() const
{
    Layout l;
    const int margin = qRound(3 * dpiScale());
    const QRect area = rect().adjusted(margin, margin, -margin, -margin);
    if (area.width() < m_cols * 2 + 1 || area.height() < m_rows * 2 + 1)
        return l;

    QSize shape(m_cols * 100, m_rows * 100);
    if (!m_picture.isNull())
        shape = m_picture.size();
    // Largest size of that shape that fits the area.
    if (qint64(shape.width()) * area.height() > qint64(area.width()) * shape.height())
        shape = QSize(area.width(), qRound(double(area.width()) * shape.height() / shape.width()));
    else
        shape = QSize(qRound(double(area.height()) * shape.width() / shape.height()), area.height());
    shape = shape.expandedTo(QSize(m_cols * 2 + 1, m_rows * 2 + 1));
    l.board = QRect(QPoint(0, 0), shape);
    l.board.moveCenter(area.center());

    const int shorter = std::min(shape.width(), shape.height());
    const int cells = std::max(m_cols, m_rows);
    l.line = std::clamp(qRound(shorter / (cells * 30.0)), 1, std::max(1, shorter / (cells * 6)));
    for (int k = 0; k <= m_cols; ++k)
        l.xs.append(l.board.left() + qRound(k * (shape.width() - l.line) / double(m_cols)));
    for (int k = 0; k <= m_rows; ++k)
        l.ys.append(l.board.top() + qRound(k * (shape.height() - l.line) / double(m_rows)));
    return l;
}

QRect TilePuzzle::cellRect(const Layout &l, int cell) const
{
    if (l.board.isEmpty() || cell < 0 || cell >= m_cols * m_rows)
        return {};
    const int r = cell / m_cols, c = cell % m_cols;
    return QRect(QPoint(l.xs[c] + l.line, l.ys[r] + l.line), QPoint(l.xs[c + 1] - 1, l.ys[r + 1] - 1));
}

QRect TilePuzzle::cellRect(int cell) const { return cellRect(layout(), cell); }

int TilePuzzle::cellAt(const QPoint &pos) const
{
    const Layout l = layout();
    if (l.board.isEmpty() || !l.board.contains(pos))
        return -1;
    // Each cell owns the line on its left and top, so a click on a line
    // still hits a tile.
    int c = m_cols - 1, r = m_rows - 1;
    while (c > 0 && pos.x() < l.xs[c])
        --c;
    while (r > 0 && pos.y() < l.ys[r])
        --r;
    return r * m_cols + c;
}

QSize TilePuzzle::sizeHint() const
{
    const int side = qRound(180 * dpiScale());
    return {side, side};
}

QSize TilePuzzle::minimumSizeHint() const
{
    const int side = qRound(60 * dpiScale());
    return {side, side};
}

void TilePuzzle::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const Layout l = layout();
    if (l.board.isEmpty())
        return;

    p.fillRect(l.board, m_lineColor);
    const int n = m_cols * m_rows;

    // The engine's device is the real target (a high-DPI backing store, or
    // the pixmap of QWidget::render()), so the picture is scaled for it.
    const qreal dpr = p.paintEngine()->paintDevice()->devicePixelRatioF();
    if (!m_picture.isNull()) {
        const QSize wanted = (QSizeF(l.board.size()) * dpr).toSize();
        if (m_scaled.size() != wanted)
            // Stretched ({}): the board already has the picture's proportions.
            m_scaled = m_picture.scaled(wanted, {}, Qt::SmoothTransformation);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
    }

    // The blank is darker than the lines so the grid still reads around it.
    const QColor blank = blend(m_lineColor, Qt::black, 0.65);
    const QColor face = blend(m_lineColor, QColor(250, 248, 238), 0.86);
    const QColor faceText = m_lineColor.lightnessF() < 0.45 ? m_lineColor : QColor(Qt::black);
    QFont font = this->font();
    font.setBold(true);

    for (int cell = 0; cell < n; ++cell) {
        const QRect r = cellRect(l, cell);
        const int tile = m_tiles[cell];
        if (tile == 0) {
            p.fillRect(r, blank);
        } else if (!m_picture.isNull()) {
            // The part of the picture under the tile's home cell.
            const QRect home = cellRect(l, tile - 1).translated(-l.board.topLeft());
            const QRectF source(home.x() * dpr, home.y() * dpr, home.width() * dpr, home.height() * dpr);
            p.drawPixmap(QRectF(r), m_scaled, source);
        } else {
            p.fillRect(r, face);
            const int bevel = std::max(1, l.line / 2);
            p.fillRect(QRect(r.left(), r.top(), r.width(), bevel), face.lighter(112));
            p.fillRect(QRect(r.left(), r.top(), bevel, r.height()), face.lighter(112));
            p.fillRect(QRect(r.left(), r.bottom() - bevel + 1, r.width(), bevel), face.darker(118));
            p.fillRect(QRect(r.right() - bevel + 1, r.top(), bevel, r.height()), face.darker(118));
            font.setPixelSize(std::max(6, int(std::min(r.width(), r.height()) * 0.42)));
            p.setFont(font);
            p.setPen(faceText);
            p.drawText(r, Qt::AlignCenter, QString::number(tile));
        }
    }

    // Drawn whenever the puzzle has the focus, not only after keyboard
    // navigation as styles do, so the player knows the arrow keys play.
    if (hasFocus()) {
        const int width = std::max(1, qRound(2 * dpiScale()));
        const int gap = std::max(1, qRound(dpiScale()));
        const QRect outer = l.board.adjusted(-gap - width, -gap - width, gap + width, gap + width);
        const QColor color = palette().color(QPalette::Highlight);
        p.fillRect(QRect(outer.left(), outer.top(), outer.width(), width), color);
        p.fillRect(QRect(outer.left(), outer.bottom() - width + 1, outer.width(), width), color);
        p.fillRect(QRect(outer.left(), outer.top(), width, outer.height()), color);
        p.fillRect(QRect(outer.right() - width + 1, outer.top(), width, outer.height()), color);
    }
}

void TilePuzzle::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    slideLineTo(cellAt(event->position().toPoint()));
    event->accept();
}

void TilePuzzle::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left: slide(Left); break;
    case Qt::Key_Right: slide(Right); break;
    case Qt::Key_Up: slide(Up); break;
    case Qt::Key_Down: slide(Down); break;
    default: QWidget::keyPressEvent(event); return;
    }
    // Arrow keys belong to the puzzle while it has the focus, even when the
    // move is not possible.
    event->accept();
}
