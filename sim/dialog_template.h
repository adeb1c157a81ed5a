// Compiled Windows resources (a .res file's bytes) and the extended dialog templates in
// them, as a resource compiler writes them. Malformed bytes throw InputError naming the
// source, the byte offset and what is wrong.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "host/platform.h"

namespace sim {

using Bytes = std::span<const std::uint8_t>;

// A resource type or name, or a template's menu, class or text: a 16-bit ordinal or a
// UTF-16 string.
struct ResourceId {
    std::optional<WORD> ordinal;
    std::u16string name;  // when not an ordinal; empty for "none"

    bool is(WORD n) const { return ordinal && *ordinal == n; }
};

constexpr WORD kResourceTypeDialog = 5;

struct ResourceEntry {
    ResourceId type;
    ResourceId name;
    WORD memoryFlags = 0;
    WORD language = 0;
    std::size_t offset = 0;          // of the data, from the start of the file [bytes]
    std::vector<std::uint8_t> data;
};

// The entries of a .res file, without its leading empty entry.
std::vector<ResourceEntry> readResources(Bytes bytes, const std::filesystem::path& source);

struct DialogItemTemplate {
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    std::int16_t x = 0, y = 0, cx = 0, cy = 0;  // dialog units
    DWORD id = 0;
    ResourceId windowClass;  // ordinal 0x80 button, 0x81 edit, 0x82 static, ...
    ResourceId text;
    std::vector<std::uint8_t> extra;  // creation data
};

struct DialogFont {
    WORD pointSize = 0;
    WORD weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t charset = 0;
    std::u16string typeface;
};

struct DialogTemplate {
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    std::int16_t x = 0, y = 0, cx = 0, cy = 0;  // dialog units
    ResourceId menu;
    ResourceId windowClass;
    std::u16string title;
    std::optional<DialogFont> font;  // present when the style has DS_SETFONT
    std::vector<DialogItemTemplate> items;
};

// The dialog style bit that says a font follows the title (DS_SETFONT).
constexpr DWORD kStyleSetFont = 0x40;

// An extended dialog template. `what` names it in errors ("dialog 102"); `base` is its
// offset in `source`, so that errors give offsets in the file.
DialogTemplate readDialogTemplate(Bytes bytes, const std::filesystem::path& source, const std::string& what,
                                  std::size_t base = 0);

}  // namespace sim
