// Fuzz target: the vessel class configuration reader, and the values the host takes from
// a configuration. Any text is read or refused with an InputError naming a line; a value
// the host asks for is a number, a vector or such an error; a name the host turns into a
// path stays below its folder.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "fuzz/fuzz_check.h"
#include "sim/class_config.h"
#include "sim/errors.h"
#include "sim/safe_name.h"

namespace {

void checkValues(const sim::ClassConfig& cfg)
{
    for (const auto& [key, value] : cfg.values)
        fuzz::check(cfg.lines.count(key) == 1 && cfg.lines.at(key) > 0, "a key without its line");
    for (const char* key : {"Mass", "Size", "MaxFuel"}) {
        try {
            cfg.number(key);
        } catch (const sim::InputError& e) {
            fuzz::check(e.line() > 0, "a malformed number without its line");
        }
    }
    for (const char* key : {"Inertia", "CameraOffset"}) {
        try {
            cfg.vector(key);
        } catch (const sim::InputError& e) {
            fuzz::check(e.line() > 0, "a malformed vector without its line");
        }
    }
    for (const char* key : {"Module", "MeshName", "ClassName"}) {
        const auto name = cfg.text(key);
        if (!name)
            continue;
        if (const auto path = sim::relativeName(*name)) {
            fuzz::check(path->is_relative() && !path->has_root_name(), "a name taken as a path outside the folder");
            for (const auto& part : *path)
                fuzz::check(part != "..", "a name climbing out of its folder");
        }
    }
    (void)cfg.className();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    try {
        checkValues(sim::readClassConfig(in, "fuzz.cfg"));
    } catch (const sim::InputError& e) {
        fuzz::check(e.line() > 0, "an error without its line");
    }
    return 0;
}
