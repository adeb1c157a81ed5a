// A vessel class configuration (Config/Vessels/<ClassName>.cfg): `Key = Value` lines with
// case-insensitive keys, ';' comments, the first occurrence of a key winning, and an
// optional BEGIN_DOCKLIST ... END_DOCKLIST block for classes without a module.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/vector.h"

namespace sim {

struct DockLine {
    VECTOR3 pos;  // vessel frame [m]
    VECTOR3 dir;  // approach direction
    VECTOR3 rot;  // rotation reference
};

struct ClassConfig {
    std::filesystem::path file;
    std::map<std::string, std::string> values;   // lower-case key -> trimmed value
    std::map<std::string, int> lines;            // lower-case key -> line number
    std::vector<DockLine> docks;

    std::optional<std::string> text(const std::string& key) const;
    // The key's value as a number, or as `n` numbers. Throws InputError naming the line
    // when the value is present but malformed.
    std::optional<double> number(const std::string& key) const;
    std::optional<VECTOR3> vector(const std::string& key) const;

    std::string className() const;            // ClassName, or the file's stem
    std::optional<std::string> module() const;  // Module, if given
};

// Reads a configuration file. Throws InputError on an unreadable file or a malformed line.
ClassConfig readClassConfig(const std::filesystem::path& file);
// The same from a stream; `file` names it in errors and becomes the configuration's file.
ClassConfig readClassConfig(std::istream& in, const std::filesystem::path& file);

// Finds the configuration of `className` under `root`: Config/Vessels/<ClassName>.cfg,
// else Config/<ClassName>.cfg. Throws InputError when neither exists.
std::filesystem::path findClassConfig(const std::filesystem::path& root, const std::string& className);

}  // namespace sim
