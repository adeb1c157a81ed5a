#include "app/tui/canvas.h"

#include <algorithm>

#include "app/tui/text_cells.h"

namespace app::tui {

Canvas::Canvas(int width, int height)
    : width_(std::max(0, width)), height_(std::max(0, height)),
      cells_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), " ")
{
}

void Canvas::set(int row, int col, std::string cell)
{
    if (row < 0 || row >= height_ || col < 0 || col >= width_)
        return;
    cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(col)] =
        std::move(cell);
}

void Canvas::put(int row, int col, std::string_view utf8)
{
    for (std::string& c : cellsOf(utf8))
        set(row, col++, std::move(c));
}

void Canvas::frame(int top, int left, int rows, int cols, std::string_view title, char horizontal)
{
    if (rows < 2 || cols < 2)
        return;
    const int bottom = top + rows - 1;
    const int right = left + cols - 1;
    for (int c = left + 1; c < right; ++c) {
        set(top, c, std::string(1, horizontal));
        set(bottom, c, std::string(1, horizontal));
    }
    for (int r = top + 1; r < bottom; ++r) {
        set(r, left, "|");
        set(r, right, "|");
    }
    for (const auto& [r, c] : {std::pair{top, left}, {top, right}, {bottom, left}, {bottom, right}})
        set(r, c, "+");
    if (!title.empty() && cols > 6)
        put(top, left + 2, " " + fitted(title, std::min(widthOf(title), cols - 6)) + " ");
}

void Canvas::highlight(int row, int col, int width)
{
    const int from = std::max(col, 0);
    const int to = std::min(col + width, width_);
    if (row >= 0 && row < height_ && to > from)
        highlights_.push_back({row, from, to - from});
}

void Canvas::paste(int top, int left, const Canvas& from)
{
    for (int r = 0; r < from.height_; ++r) {
        for (int c = 0; c < from.width_; ++c)
            set(top + r, left + c, from.cells_[static_cast<std::size_t>(r) * static_cast<std::size_t>(from.width_) +
                                               static_cast<std::size_t>(c)]);
    }
    for (const Highlight& h : from.highlights_)
        highlight(top + h.row, left + h.col, h.width);
}

Screen Canvas::screen() const
{
    Screen s;
    for (int r = 0; r < height_; ++r) {
        std::string line;
        for (int c = 0; c < width_; ++c)
            line += cells_[static_cast<std::size_t>(r) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(c)];
        s.lines.push_back(std::move(line));
    }
    s.highlights = highlights_;
    return s;
}

}  // namespace app::tui
