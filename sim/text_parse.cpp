#include "sim/text_parse.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace sim {

std::string_view trim(std::string_view s)
{
    const auto isSpace = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!s.empty() && isSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string toLower(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && toLower(a) == toLower(b);
}

std::vector<std::string_view> splitWords(std::string_view s)
{
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i])))
            ++i;
        const std::size_t start = i;
        while (i < s.size() && !std::isspace(static_cast<unsigned char>(s[i])))
            ++i;
        if (i > start)
            words.push_back(s.substr(start, i - start));
    }
    return words;
}

std::optional<std::vector<std::string>> splitQuoted(std::string_view s)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    const auto isSpace = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (i < s.size()) {
        while (i < s.size() && isSpace(s[i]))
            ++i;
        if (i >= s.size())
            break;
        if (s[i] == '"') {
            const auto close = s.find('"', i + 1);
            if (close == std::string_view::npos)
                return std::nullopt;
            words.emplace_back(s.substr(i + 1, close - i - 1));
            i = close + 1;
        } else {
            const std::size_t start = i;
            while (i < s.size() && !isSpace(s[i]))
                ++i;
            words.emplace_back(s.substr(start, i - start));
        }
    }
    return words;
}

std::optional<double> parseDouble(std::string_view word)
{
    if (!word.empty() && word.front() == '+')
        word.remove_prefix(1);
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || ec != std::errc() || ptr != word.data() + word.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<long> parseInt(std::string_view word)
{
    if (!word.empty() && word.front() == '+')
        word.remove_prefix(1);
    long value = 0;
    const auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || ec != std::errc() || ptr != word.data() + word.size())
        return std::nullopt;
    return value;
}

std::optional<std::vector<double>> parseNumbers(std::string_view s, std::size_t n)
{
    const auto words = splitWords(s);
    if (words.size() != n)
        return std::nullopt;
    std::vector<double> values;
    values.reserve(n);
    for (auto w : words) {
        const auto v = parseDouble(w);
        if (!v)
            return std::nullopt;
        values.push_back(*v);
    }
    return values;
}

}  // namespace sim
