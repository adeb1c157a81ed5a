// Fuzz target: the scenario reader. Any text is either read or refused with an
// InputError; a scenario that was read, once written, reads back and writes the same
// text again.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "sim/errors.h"
#include "sim/scenario.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    sim::Scenario scenario;
    try {
        scenario = sim::parseScenario(text, "fuzz.scn");
    } catch (const sim::InputError&) {
        return 0;
    }
    const std::string written = sim::formatScenario(scenario);
    std::string again;
    try {
        again = sim::formatScenario(sim::parseScenario(written, "written.scn"));
    } catch (const sim::InputError& e) {
        fuzz::fail(std::string("a written scenario does not read back: ") + e.what() + "\n" + written);
    }
    if (again != written)
        fuzz::fail("a written scenario reads back different:\n" + written + "----\n" + again);
    return 0;
}
