// Text for the interactive view's character cells: one cell per code point, whatever
// cannot be shown as '?', and fitting, centring and wrapping by cells rather than bytes.

#include <cstdio>

#include <gtest/gtest.h>

#include "app/tui/canvas.h"
#include "app/tui/keys.h"
#include "app/tui/text_cells.h"

using namespace app::tui;

namespace {

struct CellCase {
    const char* text;
    std::vector<std::string> cells;
};

// Bytes outside printable ASCII as \xNN, so that test names stay readable.
std::string escaped(const std::string& text)
{
    std::string out;
    for (unsigned char b : text) {
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\x%02X", b);
        out += b >= 0x20 && b < 0x7F ? std::string(1, static_cast<char>(b)) : std::string(hex);
    }
    return out;
}

void PrintTo(const CellCase& c, std::ostream* os)
{
    *os << '"' << escaped(c.text) << '"';
}

class CellsOf : public testing::TestWithParam<CellCase> {};

TEST_P(CellsOf, OneCellPerCodePoint)
{
    EXPECT_EQ(cellsOf(GetParam().text), GetParam().cells);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CellsOf,
    testing::Values(CellCase{"ab", {"a", "b"}},
                    CellCase{"49.97\xC2\xB0", {"4", "9", ".", "9", "7", "\xC2\xB0"}},  // the degree sign: one cell
                    CellCase{"a\tb\x1B[", {"a", "?", "b", "?", "["}},                  // control characters
                    CellCase{"\x7F\xC2\x85", {"?", "?"}},                               // DEL, a C1 control
                    CellCase{"\xC2", {"?"}},                                            // a cut sequence
                    CellCase{"\xC0\xAF", {"?", "?"}},                                   // an overlong '/'
                    CellCase{"\xED\xA0\x80", {"?", "?", "?"}},                          // a surrogate
                    CellCase{"\xE6\x97\xA5", {"?"}},                                    // double width
                    CellCase{"e\xCC\x81", {"e", "?"}},                                  // a combining accent
                    CellCase{"\xE2\x82\xAC\xE2\x80\x93", {"\xE2\x82\xAC", "\xE2\x80\x93"}}));  // euro sign, en dash

struct WrapCase {
    const char* text;
    int width;
    std::vector<std::string> lines;
};

void PrintTo(const WrapCase& c, std::ostream* os)
{
    *os << '"' << escaped(c.text) << "\" in " << c.width;
}

class Wrapped : public testing::TestWithParam<WrapCase> {};

TEST_P(Wrapped, BreaksAtSpacesWithinTheWidth)
{
    EXPECT_EQ(wrapped(GetParam().text, GetParam().width), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Wrapped,
    testing::Values(WrapCase{"Angle between payload velocity vector and tether velocity vector:", 36,
                             {"Angle between payload velocity", "vector and tether velocity vector:"}},
                    WrapCase{"one two", 7, {"one two"}},
                    WrapCase{"one two", 6, {"one", "two"}},
                    WrapCase{"  spaced   out  ", 20, {"spaced out"}},
                    WrapCase{"abcdefgh", 3, {"abc", "def", "gh"}},  // a word longer than a line
                    WrapCase{"x \xC2\xB0\xC2\xB0", 3, {"x", "\xC2\xB0\xC2\xB0"}},
                    WrapCase{"", 5, {}}, WrapCase{"text", 0, {}}));

TEST(TextCells, FittingAndCentringCountCellsNotBytes)
{
    EXPECT_EQ(fitted("1.00\xC2\xB0", 6), "1.00\xC2\xB0 ");
    EXPECT_EQ(fitted("abcdef", 3), "abc");
    EXPECT_EQ(fitted("abc", 0), "");
    EXPECT_EQ(centred("ab", 5), " ab  ");
    EXPECT_EQ(centred("-1.00\xC2\xB0", 8), " -1.00\xC2\xB0 ");
    EXPECT_EQ(centred("abcdef", 4), "abcd");
    EXPECT_EQ(asciiOnly("t \xC2\xB0 \x01"), "t ? ?");
}

TEST(Canvas, ClipsAtItsEdgesAndFramesWithATitle)
{
    Canvas c(10, 4);
    c.put(0, 8, "abc");   // cut at the right edge
    c.put(-1, 0, "gone");
    c.put(3, -2, "xyz");  // starts left of the edge
    c.frame(1, 0, 3, 10, "Title too long");
    c.highlight(2, 8, 5);
    const Screen s = c.screen();
    EXPECT_EQ(s.lines, (std::vector<std::string>{"        ab", "+- Titl -+", "|        |", "+--------+"}));
    ASSERT_EQ(s.highlights.size(), 1u);
    EXPECT_EQ(s.highlights[0].col, 8);
    EXPECT_EQ(s.highlights[0].width, 2);
}

struct ScanCase {
    unsigned char ch;
    std::optional<DWORD> code;
};

void PrintTo(const ScanCase& c, std::ostream* os)
{
    *os << "byte " << static_cast<int>(c.ch);
}

class VesselScanCode : public testing::TestWithParam<ScanCase> {};

TEST_P(VesselScanCode, FollowsTheKeyboardRows)
{
    EXPECT_EQ(vesselScanCode(GetParam().ch), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Keys, VesselScanCode,
                         testing::Values(ScanCase{'l', 0x26}, ScanCase{'L', 0x26}, ScanCase{'q', 0x10},
                                         ScanCase{'p', 0x19}, ScanCase{'a', 0x1E}, ScanCase{'z', 0x2C},
                                         ScanCase{'m', 0x32}, ScanCase{'1', 0x02}, ScanCase{'9', 0x0A},
                                         ScanCase{'0', 0x0B}, ScanCase{'+', std::nullopt},
                                         ScanCase{' ', std::nullopt}, ScanCase{0, std::nullopt},
                                         ScanCase{0xE9, std::nullopt}));

}  // namespace
