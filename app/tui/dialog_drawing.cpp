#include "app/tui/dialog_drawing.h"

#include <algorithm>

#include "app/tui/text_cells.h"

namespace app::tui {

namespace {

// Window styles the drawing follows (their values in the Windows headers).
constexpr std::uint32_t kVisible = 0x10000000;     // WS_VISIBLE
constexpr std::uint32_t kButtonType = 0x0F;        // BS_TYPEMASK
constexpr std::uint32_t kDefPushButton = 0x01;     // BS_DEFPUSHBUTTON
constexpr std::uint32_t kGroupBox = 0x07;          // BS_GROUPBOX
constexpr std::uint32_t kStaticType = 0x1F;        // SS_TYPEMASK
constexpr std::uint32_t kStaticCenter = 0x01;      // SS_CENTER
constexpr std::uint32_t kStaticRight = 0x02;       // SS_RIGHT
constexpr std::uint32_t kStaticCenterImage = 0x200;  // SS_CENTERIMAGE: one line, centred vertically
constexpr std::uint32_t kStaticSunken = 0x1000;    // SS_SUNKEN

int floorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

bool isGroupBox(const ControlState& c)
{
    return c.className == "button" && (c.style & kButtonType) == kGroupBox;
}

std::string aligned(const std::string& text, int width, std::uint32_t style)
{
    switch (style & kStaticType) {
    case kStaticCenter:
        return centred(text, width);
    case kStaticRight: {
        const int w = widthOf(text);
        return w >= width ? fitted(text, width) : std::string(static_cast<std::size_t>(width - w), ' ') + text;
    }
    default:
        return fitted(text, width);
    }
}

void drawButton(Canvas& canvas, const ControlState& c, const CellRect& r)
{
    const bool isDefault = (c.style & kButtonType) == kDefPushButton;
    if (r.rows < 3) {
        // Too flat for an outline: brackets around the caption.
        const std::string open = isDefault ? "<" : "[", close = isDefault ? ">" : "]";
        canvas.put(r.top, r.left, open + centred(c.text, std::max(0, r.cols - 2)) + close);
        return;
    }
    canvas.frame(r.top, r.left, r.rows, r.cols, {}, isDefault ? '=' : '-');
    canvas.put(r.top + (r.rows - 1) / 2, r.left + 1, centred(c.text, r.cols - 2));
}

void drawStatic(Canvas& canvas, const ControlState& c, const CellRect& r)
{
    int left = r.left, cols = r.cols;
    if ((c.style & kStaticSunken) && cols > 2) {
        for (int row = r.top; row < r.top + r.rows; ++row) {
            canvas.put(row, r.left, "[");
            canvas.put(row, r.left + r.cols - 1, "]");
        }
        ++left;
        cols -= 2;
    }
    std::vector<std::string> lines = (c.style & kStaticCenterImage) ? std::vector{c.text} : wrapped(c.text, cols);
    const int shown = std::min<int>(static_cast<int>(lines.size()), r.rows);
    const int top = (c.style & kStaticCenterImage) ? r.top + (r.rows - 1) / 2 : r.top;
    for (int i = 0; i < shown; ++i)
        canvas.put(top + i, left, aligned(lines[static_cast<std::size_t>(i)], cols, c.style));
}

}  // namespace

CellRect controlCells(const ControlState& c)
{
    CellRect r;
    r.left = floorDiv(c.x, kDialogUnitsPerColumn);
    r.top = floorDiv(c.y, kDialogUnitsPerRow);
    r.cols = std::max(1, floorDiv(c.x + c.cx, kDialogUnitsPerColumn) - r.left);
    r.rows = std::max(1, floorDiv(c.y + c.cy, kDialogUnitsPerRow) - r.top);
    return r;
}

Canvas drawDialog(const DialogState& d)
{
    const int cols = std::max(1, (d.cx + kDialogUnitsPerColumn / 2) / kDialogUnitsPerColumn);
    const int rows = std::max(1, (d.cy + kDialogUnitsPerRow / 2) / kDialogUnitsPerRow);
    Canvas canvas(cols + 2, rows + 2);
    canvas.frame(0, 0, rows + 2, cols + 2, d.title);
    if (d.captionClose && cols >= 4)
        canvas.put(0, cols - 2, "[x]");

    // The client area, clipped to the frame.
    Canvas client(cols, rows);
    // Group boxes first: they frame the others.
    for (const bool groups : {true, false}) {
        for (const ControlState& c : d.controls) {
            if (!(c.style & kVisible) || isGroupBox(c) != groups)
                continue;
            const CellRect r = controlCells(c);
            if (groups)
                client.frame(r.top, r.left, std::max(r.rows, 2), std::max(r.cols, 2), c.text);
            else if (c.className == "button")
                drawButton(client, c, r);
            else
                drawStatic(client, c, r);
        }
    }
    canvas.paste(1, 1, client);
    return canvas;
}

}  // namespace app::tui
