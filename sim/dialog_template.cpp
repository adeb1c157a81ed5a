#include "sim/dialog_template.h"

#include <sstream>

#include "sim/errors.h"

namespace sim {

namespace {

constexpr WORD kOrdinalMark = 0xFFFF;
constexpr WORD kExtendedVersion = 1;
constexpr WORD kExtendedSignature = 0xFFFF;
constexpr std::size_t kEmptyEntrySize = 32;  // the .res file's leading entry [bytes]

// Little-endian fields read in order from a block of bytes; every read checks the bounds
// and names the field it was reading when the bytes run out.
class ByteReader {
public:
    ByteReader(Bytes bytes, const std::filesystem::path& source, std::string what, std::size_t base)
        : bytes_(bytes), source_(source), what_(std::move(what)), base_(base)
    {
    }

    std::size_t pos() const { return pos_; }
    std::size_t remaining() const { return bytes_.size() - pos_; }
    void seek(std::size_t pos, const char* field)
    {
        if (pos > bytes_.size())
            fail(std::string("ends before ") + field);
        pos_ = pos;
    }
    // Moves on to the next multiple of 4 from the start of the block.
    void align4() { pos_ = std::min(bytes_.size(), (pos_ + 3) & ~std::size_t{3}); }

    std::uint8_t u8(const char* field) { return static_cast<std::uint8_t>(little(1, field)); }
    WORD u16(const char* field) { return static_cast<WORD>(little(2, field)); }
    DWORD u32(const char* field) { return static_cast<DWORD>(little(4, field)); }
    std::int16_t i16(const char* field) { return static_cast<std::int16_t>(u16(field)); }

    std::u16string string(const char* field)
    {
        std::u16string s;
        for (char16_t c = static_cast<char16_t>(u16(field)); c != 0; c = static_cast<char16_t>(u16(field)))
            s += c;
        return s;
    }
    // 0xFFFF and an ordinal, or a zero-terminated string (a lone 0 is the empty string).
    ResourceId id(const char* field)
    {
        ResourceId r;
        if (remaining() >= 2 && peek16() == kOrdinalMark) {
            pos_ += 2;
            r.ordinal = u16(field);
        } else {
            r.name = string(field);
        }
        return r;
    }
    std::vector<std::uint8_t> take(std::size_t n, const char* field)
    {
        if (n > remaining())
            fail(std::string("ends inside ") + field);
        std::vector<std::uint8_t> out(bytes_.begin() + static_cast<std::ptrdiff_t>(pos_),
                                      bytes_.begin() + static_cast<std::ptrdiff_t>(pos_ + n));
        pos_ += n;
        return out;
    }

    [[noreturn]] void fail(const std::string& problem) const { failAt(pos_, problem); }
    [[noreturn]] void failAt(std::size_t pos, const std::string& problem) const
    {
        std::ostringstream s;
        s << what_ << ", byte " << base_ + pos << ": " << problem;
        throw InputError(source_, s.str());
    }

private:
    WORD peek16() const { return static_cast<WORD>(bytes_[pos_] | (bytes_[pos_ + 1] << 8)); }
    std::uint32_t little(std::size_t n, const char* field)
    {
        if (n > remaining())
            fail(std::string("ends inside ") + field);
        std::uint32_t v = 0;
        for (std::size_t i = 0; i < n; ++i)
            v |= static_cast<std::uint32_t>(bytes_[pos_ + i]) << (8 * i);
        pos_ += n;
        return v;
    }

    Bytes bytes_;
    const std::filesystem::path& source_;
    std::string what_;
    std::size_t base_;
    std::size_t pos_ = 0;
};

ResourceEntry readEntry(ByteReader& in)
{
    const std::size_t start = in.pos();
    const DWORD dataSize = in.u32("the data size");
    const DWORD headerSize = in.u32("the header size");
    ResourceEntry e;
    e.type = in.id("the resource type");
    e.name = in.id("the resource name");
    in.align4();
    in.u32("the data version");
    e.memoryFlags = in.u16("the memory flags");
    e.language = in.u16("the language");
    in.u32("the version");
    in.u32("the characteristics");
    if (headerSize < in.pos() - start)
        in.failAt(start, "header size " + std::to_string(headerSize) + " is shorter than the header");
    in.seek(start + headerSize, "the end of the header");
    e.offset = in.pos();
    e.data = in.take(dataSize, "the resource data");
    in.align4();
    return e;
}

DialogFont readFont(ByteReader& in)
{
    DialogFont f;
    f.pointSize = in.u16("the font size");
    f.weight = in.u16("the font weight");
    f.italic = in.u8("the italic flag");
    f.charset = in.u8("the character set");
    f.typeface = in.string("the typeface");
    return f;
}

DialogItemTemplate readItem(ByteReader& in)
{
    in.align4();
    DialogItemTemplate item;
    item.helpId = in.u32("a control's help id");
    item.exStyle = in.u32("a control's extended style");
    item.style = in.u32("a control's style");
    item.x = in.i16("a control's position");
    item.y = in.i16("a control's position");
    item.cx = in.i16("a control's size");
    item.cy = in.i16("a control's size");
    item.id = in.u32("a control's id");
    item.windowClass = in.id("a control's class");
    item.text = in.id("a control's text");
    item.extra = in.take(in.u16("a control's creation data size"), "a control's creation data");
    return item;
}

}  // namespace

std::vector<ResourceEntry> readResources(Bytes bytes, const std::filesystem::path& source)
{
    ByteReader in(bytes, source, "resources", 0);
    if (bytes.size() < kEmptyEntrySize)
        in.fail("not a compiled resource file: shorter than its leading empty entry");
    const ResourceEntry first = readEntry(in);
    if (!first.data.empty() || !first.type.is(0))
        in.failAt(0, "not a compiled resource file: no leading empty entry");
    std::vector<ResourceEntry> entries;
    while (in.remaining() > 0)
        entries.push_back(readEntry(in));
    return entries;
}

DialogTemplate readDialogTemplate(Bytes bytes, const std::filesystem::path& source, const std::string& what,
                                  std::size_t base)
{
    ByteReader in(bytes, source, what, base);
    const WORD version = in.u16("the template version");
    const WORD signature = in.u16("the template signature");
    if (version != kExtendedVersion || signature != kExtendedSignature)
        in.failAt(0, "not an extended dialog template (version " + std::to_string(version) + ", signature " +
                         std::to_string(signature) + ")");
    DialogTemplate t;
    t.helpId = in.u32("the help id");
    t.exStyle = in.u32("the extended style");
    t.style = in.u32("the style");
    const WORD count = in.u16("the control count");
    t.x = in.i16("the position");
    t.y = in.i16("the position");
    t.cx = in.i16("the size");
    t.cy = in.i16("the size");
    t.menu = in.id("the menu");
    t.windowClass = in.id("the window class");
    t.title = in.string("the title");
    if (t.style & kStyleSetFont)
        t.font = readFont(in);
    for (WORD i = 0; i < count; ++i)
        t.items.push_back(readItem(in));
    return t;
}

}  // namespace sim
