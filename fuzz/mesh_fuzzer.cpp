// Fuzz target: the MSHX1 mesh reader. Any text is read or refused with an InputError
// naming a line; a mesh that was read keeps the promises the visuals rely on: every
// triangle corner names a vertex of its group, every material and texture number an
// entry of the lists.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "fuzz/fuzz_check.h"
#include "sim/errors.h"
#include "sim/mesh_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    HostMesh mesh;
    try {
        mesh = sim::readMesh(in, "fuzz.msh");
    } catch (const sim::InputError& e) {
        fuzz::check(e.line() > 0, "an error without its line");
        return 0;
    }
    for (const MeshGroup& g : mesh.groups) {
        fuzz::check(g.vertices.size() <= 65536, "more vertices than 16-bit indices reach");
        for (const auto& t : g.triangles) {
            for (const std::uint16_t corner : t)
                fuzz::check(corner < g.vertices.size(), "a triangle corner past the group's vertices");
        }
        fuzz::check(g.material <= mesh.materials.size(), "a material number past the list");
        fuzz::check(g.texture <= mesh.textures.size(), "a texture number past the list");
    }
    fuzz::check(mesh.materialNames.size() == mesh.materials.size(), "material names and materials differ in number");
    const HostMesh copy = mesh;  // as each visual copies its template
    fuzz::check(copy.materials.size() == mesh.materials.size(), "a copied mesh lost materials");
    return 0;
}
