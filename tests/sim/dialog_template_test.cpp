// Reading compiled resources and extended dialog templates, and their errors for
// malformed bytes.

#include <functional>

#include <gtest/gtest.h>

#include "sim/dialog_template.h"
#include "sim/errors.h"

namespace {

// Little-endian bytes, as a resource compiler writes them.
struct Writer {
    std::vector<std::uint8_t> b;
    Writer& u8(std::uint8_t v) { return b.push_back(v), *this; }
    Writer& u16(std::uint16_t v) { return u8(v & 0xFF).u8(v >> 8); }
    Writer& u32(std::uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
    Writer& str(std::u16string_view s)
    {
        for (char16_t c : s)
            u16(c);
        return u16(0);
    }
    Writer& align4()
    {
        while (b.size() % 4)
            u8(0);
        return *this;
    }
};

constexpr std::uint32_t kStyleWithFont = 0x80C000C0;  // popup, caption, modal frame, DS_SETFONT

// A template with a font and two controls: a button of a named class with a string text,
// and a static with an ordinal text and two bytes of creation data.
std::vector<std::uint8_t> dialogBytes(std::uint32_t style = kStyleWithFont, std::uint16_t count = 2)
{
    Writer w;
    w.u16(1).u16(0xFFFF).u32(7).u32(0x80).u32(style).u16(count);
    w.u16(1).u16(2).u16(30).u16(40);
    w.u16(0).u16(0).str(u"T\u00B0");  // no menu, default class, title
    if (style & 0x40)
        w.u16(9).u16(700).u8(1).u8(2).str(u"Face");
    w.align4().u32(0).u32(0).u32(0x50010001).u16(3).u16(4).u16(50).u16(14).u32(1);
    w.str(u"MyButton").str(u"OK").u16(0);
    w.align4().u32(5).u32(6).u32(0x50000000).u16(0xFFFF).u16(9).u16(10).u16(11).u32(1003);  // at x = -1
    w.u16(0xFFFF).u16(0x82).u16(0xFFFF).u16(42).u16(2).u8(0xAB).u8(0xCD);
    return w.b;
}

// A .res file: the leading empty entry, then dialog 102 holding `data`.
std::vector<std::uint8_t> resBytes(const std::vector<std::uint8_t>& data)
{
    Writer w;
    w.u32(0).u32(32).u16(0xFFFF).u16(0).u16(0xFFFF).u16(0).u32(0).u16(0).u16(0).u32(0).u32(0);
    w.u32(static_cast<std::uint32_t>(data.size())).u32(32).u16(0xFFFF).u16(5).u16(0xFFFF).u16(102);
    w.u32(0).u16(0x1030).u16(0x0409).u32(0).u32(0);
    w.b.insert(w.b.end(), data.begin(), data.end());
    return w.align4().b;
}

std::string errorOf(const std::function<void()>& read)
{
    try {
        read();
    } catch (const sim::InputError& e) {
        return e.what();
    }
    return "(no error)";
}

}  // namespace

TEST(DialogTemplate, ReadsEveryFieldOfAnExtendedTemplate)
{
    const auto entries = sim::readResources(resBytes(dialogBytes()), "t.res");
    ASSERT_EQ(entries.size(), 1u);
    const sim::ResourceEntry& e = entries[0];
    EXPECT_TRUE(e.type.is(5));
    EXPECT_TRUE(e.name.is(102));
    EXPECT_EQ(e.memoryFlags, 0x1030);
    EXPECT_EQ(e.language, 0x0409);
    EXPECT_EQ(e.offset, 64u);

    const sim::DialogTemplate t = sim::readDialogTemplate(e.data, "t.res", "dialog 102", e.offset);
    EXPECT_EQ(t.helpId, 7u);
    EXPECT_EQ(t.exStyle, 0x80u);
    EXPECT_EQ(t.style, kStyleWithFont);
    EXPECT_EQ((std::vector<int>{t.x, t.y, t.cx, t.cy}), (std::vector<int>{1, 2, 30, 40}));
    EXPECT_EQ(t.title, u"T\u00B0");
    ASSERT_TRUE(t.font);
    EXPECT_EQ(t.font->pointSize, 9);
    EXPECT_EQ(t.font->weight, 700);
    EXPECT_EQ(t.font->italic, 1);
    EXPECT_EQ(t.font->charset, 2);
    EXPECT_EQ(t.font->typeface, u"Face");
    ASSERT_EQ(t.items.size(), 2u);
    EXPECT_EQ(t.items[0].windowClass.name, u"MyButton");
    EXPECT_EQ(t.items[0].text.name, u"OK");
    EXPECT_EQ(t.items[0].id, 1u);
    EXPECT_EQ(t.items[1].id, 1003u);
    EXPECT_EQ(t.items[1].x, -1);
    EXPECT_TRUE(t.items[1].windowClass.is(0x82));
    EXPECT_TRUE(t.items[1].text.is(42));
    EXPECT_EQ(t.items[1].extra, (std::vector<std::uint8_t>{0xAB, 0xCD}));

    const sim::DialogTemplate noFont = sim::readDialogTemplate(dialogBytes(0x80C00080), "t.res", "dialog 102");
    EXPECT_FALSE(noFont.font);
    EXPECT_EQ(noFont.items.size(), 2u);
}

TEST(DialogTemplate, MalformedBytesNameTheSourceTheOffsetAndTheProblem)
{
    const std::vector<std::uint8_t> good = resBytes(dialogBytes());
    const auto res = [&](auto mutate) {
        auto b = good;
        mutate(b);
        return errorOf([&] { sim::readResources(b, "t.res"); });
    };
    const auto tpl = [&](std::vector<std::uint8_t> b) {
        return errorOf([&] { sim::readDialogTemplate(b, "t.res", "dialog 102", 64); });
    };
    std::vector<std::uint8_t> truncatedTitle = dialogBytes();
    truncatedTitle.resize(31);  // inside the title's first character
    std::vector<std::uint8_t> truncatedFace = dialogBytes();
    truncatedFace.resize(46);
    std::vector<std::uint8_t> classic = dialogBytes();
    classic[0] = 0;  // version 0: a plain dialog template
    std::vector<std::uint8_t> hugeExtra = dialogBytes();
    hugeExtra[hugeExtra.size() - 4] = 0xFF;  // the second control's creation data size

    const struct {
        std::string error;
        const char* expected;
    } cases[] = {
        {errorOf([] { sim::readResources({}, "t.res"); }), "t.res: resources, byte 0: not a compiled resource file"},
        {res([](auto& b) { b[0] = 4; }), "byte 0: not a compiled resource file: no leading empty entry"},
        {res([](auto& b) { b[36] = 8; }), "byte 32: header size 8 is shorter than the header"},
        {res([](auto& b) { b[33] = 0x40; }), "ends inside the resource data"},
        {res([](auto& b) { b.resize(40); }), "byte 40: ends inside the resource type"},
        {tpl(classic), "t.res: dialog 102, byte 64: not an extended dialog template (version 0"},
        {tpl(truncatedTitle), "dialog 102, byte 94: ends inside the title"},
        {tpl(truncatedFace), "ends inside the typeface"},
        {tpl(dialogBytes(kStyleWithFont, 3)), "ends inside a control's help id"},
        {tpl(hugeExtra), "ends inside a control's creation data"},
    };
    for (const auto& c : cases)
        EXPECT_NE(c.error.find(c.expected), std::string::npos) << c.error << "\n  expected: " << c.expected;
}
