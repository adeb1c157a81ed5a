// A run's tracks as CSV, and its plot as a PNG drawn by gnuplot.
#pragma once

#include <filesystem>

#include "app/run_record.h"

namespace app {

// One line per vessel and sample: vessel, time, position, velocity, mass, altitude.
void writeTracksCsv(const RunRecord& record, const std::filesystem::path& file);

// The payload angle over time with the release marked, and the orbits before and after the
// release in the orbit plane. Throws std::runtime_error when gnuplot is missing or fails.
void writePlot(const RunRecord& record, const std::filesystem::path& file);

}  // namespace app
