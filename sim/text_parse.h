// Small helpers for the host's line-oriented text formats.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

std::string_view trim(std::string_view s);
std::string toLower(std::string_view s);
bool equalsIgnoreCase(std::string_view a, std::string_view b);
// Whitespace-separated words.
std::vector<std::string_view> splitWords(std::string_view s);
// Whitespace-separated words, where a word in double quotes may hold spaces (the quotes
// are dropped). Nothing when a quote is left open.
std::optional<std::vector<std::string>> splitQuoted(std::string_view s);
// A whole word as a finite double; nothing on any trailing character or overflow.
std::optional<double> parseDouble(std::string_view word);
std::optional<long> parseInt(std::string_view word);
// Exactly `n` numbers separated by whitespace.
std::optional<std::vector<double>> parseNumbers(std::string_view s, std::size_t n);

}  // namespace sim
