// A screen's worth of character cells to draw on, then read back as lines of text. What
// is drawn outside it is clipped. Rows and columns count from 0 at the top left.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace app::tui {

// A run of cells shown in reverse video.
struct Highlight {
    int row = 0;
    int col = 0;
    int width = 0;
};

// What a terminal shows: one line of text per row, each exactly as wide as the screen.
struct Screen {
    std::vector<std::string> lines;
    std::vector<Highlight> highlights;
};

class Canvas {
public:
    Canvas(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }

    // Writes text from (row, col) rightwards, one cell per code point.
    void put(int row, int col, std::string_view utf8);
    // A rectangle's outline: '+' corners, `horizontal` along the top and bottom, '|' at
    // the sides; the inside is left as it is. A title sits in the top edge.
    void frame(int top, int left, int rows, int cols, std::string_view title = {}, char horizontal = '-');
    void highlight(int row, int col, int width);
    // Copies another canvas, highlights included, with its corner at (top, left).
    void paste(int top, int left, const Canvas& from);

    Screen screen() const;

private:
    void set(int row, int col, std::string cell);

    int width_;
    int height_;
    std::vector<std::string> cells_;  // row by row
    std::vector<Highlight> highlights_;
};

}  // namespace app::tui
