// Fuzz target: compiled resources (.res) and the extended dialog templates in them, read
// as the host reads a plug-in's own resources, with the texts converted as the dialog
// windows convert them. Any bytes are read or refused with an InputError naming a byte;
// every entry read lies inside the bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "sim/dialog_template.h"
#include "sim/errors.h"
#include "sim/windows1252.h"

namespace {

void convertTexts(const sim::DialogTemplate& t)
{
    (void)sim::windows1252FromUtf16(t.title);
    (void)sim::windows1252FromUtf16(t.windowClass.name);
    if (t.font)
        (void)sim::windows1252FromUtf16(t.font->typeface);
    for (const sim::DialogItemTemplate& item : t.items) {
        (void)sim::windows1252FromUtf16(item.windowClass.name);
        (void)sim::utf8FromWindows1252(sim::windows1252FromUtf16(item.text.name));
    }
}

void checkNamesAByte(const sim::InputError& e)
{
    fuzz::check(std::string(e.what()).find(", byte ") != std::string::npos, "an error without its byte");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const sim::Bytes bytes(data, size);
    std::vector<sim::ResourceEntry> entries;
    try {
        entries = sim::readResources(bytes, "fuzz.res");
    } catch (const sim::InputError& e) {
        checkNamesAByte(e);
        return 0;
    }
    for (const sim::ResourceEntry& e : entries) {
        fuzz::check(e.offset <= size && e.data.size() <= size - e.offset, "an entry's data outside the file");
        if (!e.type.is(sim::kResourceTypeDialog))
            continue;
        try {
            convertTexts(sim::readDialogTemplate(e.data, "fuzz.res", "dialog", e.offset));
        } catch (const sim::InputError& error) {
            checkNamesAByte(error);
        }
    }
    return 0;
}
