// Host installation trees for tests: the build tree (real modules and demo data), and
// scratch trees a test fills with its own files.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

namespace testing_support {

// The build tree: Modules/, Config/, Meshes/ as the build laid them out.
inline std::filesystem::path buildTree()
{
    return VESKAR_BUILD_TREE;
}

// A fresh, empty folder below the system's temporary folder, removed on destruction.
class ScratchTree {
public:
    ScratchTree();
    ~ScratchTree();
    ScratchTree(const ScratchTree&) = delete;
    ScratchTree& operator=(const ScratchTree&) = delete;

    const std::filesystem::path& path() const { return root_; }
    // Writes `text` to `relative` (folders created).
    std::filesystem::path write(const std::filesystem::path& relative, const std::string& text) const;
    // Copies a file of the build tree into the same place here.
    void copyFromBuild(const std::filesystem::path& relative) const;

private:
    std::filesystem::path root_;
};

}  // namespace testing_support
