#include "sim/class_config.h"

#include <fstream>
#include <istream>

#include "sim/errors.h"
#include "sim/safe_name.h"
#include "sim/text_parse.h"

namespace sim {

namespace {

std::string_view stripComment(std::string_view line)
{
    const auto semicolon = line.find(';');
    return semicolon == std::string_view::npos ? line : line.substr(0, semicolon);
}

DockLine parseDockLine(const std::filesystem::path& file, int lineNo, std::string_view line)
{
    const auto v = parseNumbers(line, 9);
    if (!v)
        throw InputError(file, lineNo, "a dock line needs nine numbers: x y z  dx dy dz  rx ry rz");
    const auto& n = *v;
    return {{n[0], n[1], n[2]}, {n[3], n[4], n[5]}, {n[6], n[7], n[8]}};
}

}  // namespace

std::optional<std::string> ClassConfig::text(const std::string& key) const
{
    const auto it = values.find(toLower(key));
    if (it == values.end())
        return std::nullopt;
    return it->second;
}

std::optional<double> ClassConfig::number(const std::string& key) const
{
    const auto value = text(key);
    if (!value)
        return std::nullopt;
    const auto parsed = parseDouble(*value);
    if (!parsed)
        throw InputError(file, lines.at(toLower(key)), key + " is not a number: '" + *value + "'");
    return parsed;
}

std::optional<VECTOR3> ClassConfig::vector(const std::string& key) const
{
    const auto value = text(key);
    if (!value)
        return std::nullopt;
    const auto parsed = parseNumbers(*value, 3);
    if (!parsed)
        throw InputError(file, lines.at(toLower(key)), key + " needs three numbers: '" + *value + "'");
    return VECTOR3{(*parsed)[0], (*parsed)[1], (*parsed)[2]};
}

std::string ClassConfig::className() const
{
    return text("ClassName").value_or(file.stem().string());
}

std::optional<std::string> ClassConfig::module() const
{
    return text("Module");
}

ClassConfig readClassConfig(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw InputError(file, "cannot read the class configuration");
    return readClassConfig(in, file);
}

ClassConfig readClassConfig(std::istream& in, const std::filesystem::path& file)
{
    ClassConfig cfg;
    cfg.file = file;
    std::string raw;
    int lineNo = 0;
    bool inDockList = false;
    while (std::getline(in, raw)) {
        ++lineNo;
        const std::string_view line = trim(stripComment(raw));
        if (line.empty())
            continue;
        if (inDockList) {
            if (equalsIgnoreCase(line, "END_DOCKLIST"))
                inDockList = false;
            else
                cfg.docks.push_back(parseDockLine(file, lineNo, line));
            continue;
        }
        if (equalsIgnoreCase(line, "BEGIN_DOCKLIST")) {
            inDockList = true;
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string_view::npos)
            throw InputError(file, lineNo, "expected 'Key = Value', found '" + std::string(line) + "'");
        const std::string key = toLower(trim(line.substr(0, eq)));
        if (key.empty())
            throw InputError(file, lineNo, "a line has a value but no key");
        if (!cfg.values.contains(key)) {
            cfg.values.emplace(key, std::string(trim(line.substr(eq + 1))));
            cfg.lines.emplace(key, lineNo);
        }
    }
    if (in.bad())
        throw InputError(file, "read error");
    if (inDockList)
        throw InputError(file, lineNo, "BEGIN_DOCKLIST without END_DOCKLIST");
    return cfg;
}

std::filesystem::path findClassConfig(const std::filesystem::path& root, const std::string& className)
{
    const auto relative = relativeName(className);
    if (!relative)
        throw InputError(root / "Config" / "Vessels", "'" + className + "' is not a valid vessel class name");
    const std::filesystem::path name = relative->string() + ".cfg";
    for (const auto& candidate : {root / "Config" / "Vessels" / name, root / "Config" / name}) {
        if (std::filesystem::is_regular_file(candidate))
            return candidate;
    }
    throw InputError(root / "Config" / "Vessels" / name, "no configuration for vessel class '" + className + "'");
}

}  // namespace sim
