// The MSHX1 text mesh reader. Counts in the file are checked against what follows, and
// nothing is reserved from a count before its lines are read, so a wrong count gives an
// error rather than a huge allocation.

#include "sim/mesh_file.h"

#include <array>
#include <cfloat>
#include <charconv>
#include <fstream>
#include <istream>
#include <optional>
#include <string>

#include "sim/errors.h"
#include "sim/text_parse.h"

namespace sim {

namespace {

constexpr long kMaxVertices = 65536;           // triangle corners are 16-bit vertex indices
constexpr long kMaxCount = 1L << 24;           // bound on any other count in the file
constexpr std::size_t kQuoteLength = 40;       // characters of offending text quoted in errors
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string excerpt(std::string_view text)
{
    if (text.size() > kQuoteLength)
        return "'" + std::string(text.substr(0, kQuoteLength)) + "...'";
    return "'" + std::string(text) + "'";
}

// The file's non-blank lines, trimmed, with their numbers (from 1).
class MeshLines {
public:
    MeshLines(std::istream& in, const std::filesystem::path& file) : in_(in), file_(file) {}

    // Line 1 as it stands (trimmed, without a byte-order mark); empty for an empty file.
    std::string firstLine()
    {
        std::string raw;
        if (std::getline(in_, raw))
            ++lineNo_;
        line_ = 1;
        std::string_view s = raw;
        if (s.substr(0, kUtf8Bom.size()) == kUtf8Bom)
            s.remove_prefix(kUtf8Bom.size());
        return std::string(trim(s));
    }

    // The next non-blank line; when the file ends, an error saying what was expected.
    std::string_view next(const std::string& expected)
    {
        if (!advance())
            fail("the file ends where " + expected + " was expected");
        return current_;
    }

    // True when only blank lines are left.
    bool atEnd()
    {
        if (!advance())
            return true;
        pending_ = true;
        return false;
    }

    int line() const { return line_; }
    [[noreturn]] void fail(const std::string& problem) const { failAt(line_, problem); }
    [[noreturn]] void failAt(int line, const std::string& problem) const { throw InputError(file_, line, problem); }

private:
    bool advance()
    {
        if (pending_) {
            pending_ = false;
            return true;
        }
        std::string raw;
        while (std::getline(in_, raw)) {
            ++lineNo_;
            const std::string_view s = trim(raw);
            if (!s.empty()) {
                current_ = std::string(s);
                line_ = lineNo_;
                return true;
            }
        }
        line_ = lineNo_;  // at the end, errors point at the last line
        return false;
    }

    std::istream& in_;
    const std::filesystem::path& file_;
    std::string current_;
    int lineNo_ = 0;   // lines read so far
    int line_ = 0;     // number of the line last returned
    bool pending_ = false;
};

// A count or index word in [0, max].
long countIn(MeshLines& lines, std::string_view word, const std::string& what, long max)
{
    const auto value = parseInt(word);
    if (!value || *value < 0 || *value > max)
        lines.fail(what + " must be a whole number from 0 to " + std::to_string(max) + ", not " + excerpt(word));
    return *value;
}

// "KEYWORD n": the count after the keyword.
long keywordCount(MeshLines& lines, std::string_view keyword)
{
    const std::string_view text = lines.next("'" + std::string(keyword) + " n'");
    const auto words = splitWords(text);
    if (!equalsIgnoreCase(words[0], keyword))
        lines.fail("expected '" + std::string(keyword) + " n', found " + excerpt(text));
    if (words.size() != 2)
        lines.fail("'" + std::string(keyword) + "' takes one count");
    return countIn(lines, words[1], "the " + std::string(keyword) + " count", kMaxCount);
}

// The text after the first word of a trimmed line.
std::string restOf(std::string_view text, std::string_view firstWord)
{
    return std::string(trim(text.substr(firstWord.size())));
}

std::uint32_t parseFlags(MeshLines& lines, std::string_view word)
{
    if (word.size() > 2 && (word.substr(0, 2) == "0x" || word.substr(0, 2) == "0X"))
        word.remove_prefix(2);
    std::uint32_t value = 0;
    const auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), value, 16);
    if (word.empty() || ec != std::errc() || ptr != word.data() + word.size())
        lines.fail("FLAG takes a hexadecimal number, not " + excerpt(word));
    return value;
}

MeshVertex parseVertex(MeshLines& lines, std::string_view text)
{
    const auto words = splitWords(text);
    const std::size_t n = words.size();
    if (n != 3 && n != 5 && n != 6 && n != 8)
        lines.fail("a vertex line holds 3, 5, 6 or 8 numbers (x y z [nx ny nz] [u v]), not " + std::to_string(n));
    std::array<double, 8> x{};
    for (std::size_t i = 0; i < n; ++i) {
        const auto v = parseDouble(words[i]);
        if (!v)
            lines.fail("vertex value " + excerpt(words[i]) + " is not a number");
        x[i] = *v;
    }
    MeshVertex vertex;
    vertex.pos = {x[0], x[1], x[2]};
    if (n >= 6)
        vertex.normal = {x[3], x[4], x[5]};
    if (n == 5 || n == 8)
        vertex.u = x[n - 2], vertex.v = x[n - 1];
    return vertex;
}

std::array<std::uint16_t, 3> parseTriangle(MeshLines& lines, std::string_view text, std::size_t vertexCount)
{
    const auto words = splitWords(text);
    if (words.size() != 3)
        lines.fail("a triangle line holds 3 vertex indices, not " + std::to_string(words.size()) + " words");
    if (vertexCount == 0)
        lines.fail("a triangle in a group without vertices");
    std::array<std::uint16_t, 3> corners{};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto v = parseInt(words[i]);
        if (!v || *v < 0 || static_cast<std::size_t>(*v) >= vertexCount)
            lines.fail("triangle corner " + excerpt(words[i]) + " is not a vertex index from 0 to " +
                       std::to_string(vertexCount - 1));
        corners[i] = static_cast<std::uint16_t>(*v);
    }
    return corners;
}

void readGeometry(MeshLines& lines, const std::vector<std::string_view>& geomWords, MeshGroup& group)
{
    if (geomWords.size() != 3)
        lines.fail("GEOM takes two counts: vertices and triangles");
    const long nv = countIn(lines, geomWords[1], "the GEOM vertex count", kMaxVertices);
    const long nt = countIn(lines, geomWords[2], "the GEOM triangle count", kMaxCount);
    for (long i = 0; i < nv; ++i)
        group.vertices.push_back(parseVertex(lines, lines.next("vertex line " + std::to_string(i + 1))));
    for (long i = 0; i < nt; ++i) {
        const std::string_view text = lines.next("triangle line " + std::to_string(i + 1));
        group.triangles.push_back(parseTriangle(lines, text, group.vertices.size()));
    }
}

// Where a group's material and texture numbers were given, for the checks made once the
// lists are read (0: not given in the file).
struct GroupRefs {
    int materialLine = 0;
    int textureLine = 0;
};

// One group block, up to and including its GEOM data. `group` and `refs` come in holding
// what the group inherits from the one before it.
void readGroup(MeshLines& lines, long index, MeshGroup& group, GroupRefs& refs)
{
    const std::string name = "group " + std::to_string(index + 1);
    for (;;) {
        const std::string_view text = lines.next(name + "'s GEOM line");
        const auto words = splitWords(text);
        const std::string_view key = words[0];
        const auto oneArgument = [&] {
            if (words.size() != 2)
                lines.fail(std::string(key) + " takes one value");
            return words[1];
        };
        if (equalsIgnoreCase(key, "LABEL")) {
            group.label = restOf(text, key);
        } else if (equalsIgnoreCase(key, "MATERIAL")) {
            group.material = static_cast<std::uint32_t>(countIn(lines, oneArgument(), "MATERIAL", kMaxCount));
            refs.materialLine = lines.line();
        } else if (equalsIgnoreCase(key, "TEXTURE")) {
            group.texture = static_cast<std::uint32_t>(countIn(lines, oneArgument(), "TEXTURE", kMaxCount));
            refs.textureLine = lines.line();
        } else if (equalsIgnoreCase(key, "FLAG")) {
            group.flags = parseFlags(lines, oneArgument());
        } else if (equalsIgnoreCase(key, "NONORMAL")) {
            group.noNormals = true;
        } else if (equalsIgnoreCase(key, "GEOM")) {
            readGeometry(lines, words, group);
            return;
        } else {
            lines.fail("unknown keyword " + excerpt(key) + " in " + name +
                       " (expected LABEL, MATERIAL, TEXTURE, FLAG, NONORMAL or GEOM)");
        }
    }
}

COLOUR4 parseColour(MeshLines& lines, const char* which, float* power)
{
    const std::string_view text = lines.next(std::string("the ") + which + " colour 'r g b a'");
    const auto words = splitWords(text);
    const std::size_t expected = power ? 5 : 4;
    if (words.size() != 4 && words.size() != expected)
        lines.fail(std::string("the ") + which + " colour takes 4 numbers (r g b a)" +
                   (power ? " and an optional specular power" : "") + ", not " + std::to_string(words.size()));
    std::array<float, 5> x{};
    for (std::size_t i = 0; i < words.size(); ++i) {
        const auto v = parseDouble(words[i]);
        if (!v || *v > FLT_MAX || *v < -FLT_MAX)
            lines.fail(std::string("the ") + which + " colour value " + excerpt(words[i]) + " is not a number");
        x[i] = static_cast<float>(*v);
    }
    if (power)
        *power = x[4];
    return {x[0], x[1], x[2], x[3]};
}

MATERIAL readMaterial(MeshLines& lines, const std::string& expectedName)
{
    const std::string_view text = lines.next("'MATERIAL " + expectedName + "'");
    const auto words = splitWords(text);
    if (!equalsIgnoreCase(words[0], "MATERIAL"))
        lines.fail("expected the block 'MATERIAL " + expectedName + "', found " + excerpt(text));
    MATERIAL m{};
    m.diffuse = parseColour(lines, "diffuse", nullptr);
    m.ambient = parseColour(lines, "ambient", nullptr);
    m.specular = parseColour(lines, "specular", &m.power);
    m.emissive = parseColour(lines, "emissive", nullptr);
    return m;
}

void readGroups(MeshLines& lines, HostMesh& mesh, std::vector<GroupRefs>& refs)
{
    const long n = keywordCount(lines, "GROUPS");
    for (long i = 0; i < n; ++i) {
        MeshGroup& group = mesh.groups.emplace_back();
        GroupRefs& ref = refs.emplace_back();
        if (i > 0) {  // a group without MATERIAL keeps the previous group's
            group.material = mesh.groups[mesh.groups.size() - 2].material;
            ref.materialLine = refs[refs.size() - 2].materialLine;
        }
        readGroup(lines, i, group, ref);
    }
}

void readMaterials(MeshLines& lines, HostMesh& mesh)
{
    const long n = keywordCount(lines, "MATERIALS");
    for (long i = 0; i < n; ++i)
        mesh.materialNames.emplace_back(lines.next("material name " + std::to_string(i + 1)));
    for (long i = 0; i < n; ++i)
        mesh.materials.push_back(readMaterial(lines, mesh.materialNames[static_cast<std::size_t>(i)]));
}

void readTextures(MeshLines& lines, HostMesh& mesh)
{
    const long n = keywordCount(lines, "TEXTURES");
    for (long i = 0; i < n; ++i)
        mesh.textures.emplace_back(lines.next("texture name " + std::to_string(i + 1)));
}

// Every group's material and texture number must name an entry of the lists.
void checkReferences(MeshLines& lines, const HostMesh& mesh, const std::vector<GroupRefs>& refs)
{
    for (std::size_t g = 0; g < mesh.groups.size(); ++g) {
        const MeshGroup& group = mesh.groups[g];
        const std::string name = "group " + std::to_string(g + 1);
        if (group.material > mesh.materials.size())
            lines.failAt(refs[g].materialLine, name + " uses material " + std::to_string(group.material) +
                                                   ", but the file has " + std::to_string(mesh.materials.size()));
        if (group.texture > mesh.textures.size())
            lines.failAt(refs[g].textureLine, name + " uses texture " + std::to_string(group.texture) +
                                                  ", but the file has " + std::to_string(mesh.textures.size()));
    }
}

}  // namespace

HostMesh readMesh(std::istream& in, const std::filesystem::path& file)
{
    MeshLines lines(in, file);
    const std::string header = lines.firstLine();
    if (!equalsIgnoreCase(header, "MSHX1"))
        lines.fail("the first line must be 'MSHX1', not " + excerpt(header));

    HostMesh mesh;
    std::vector<GroupRefs> refs;
    readGroups(lines, mesh, refs);
    readMaterials(lines, mesh);
    readTextures(lines, mesh);
    if (!lines.atEnd())
        lines.fail("unexpected text after the texture list: " + excerpt(lines.next("")));
    checkReferences(lines, mesh, refs);
    return mesh;
}

HostMesh readMeshFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw InputError(file, "cannot open the mesh file");
    return readMesh(in, file);
}

}  // namespace sim
