#include "tests/support/test_tree.h"

#include <atomic>
#include <unistd.h>

namespace testing_support {

ScratchTree::ScratchTree()
{
    static std::atomic<int> counter{0};
    root_ = std::filesystem::temp_directory_path() /
            ("veskar-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_);
}

ScratchTree::~ScratchTree()
{
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
}

std::filesystem::path ScratchTree::write(const std::filesystem::path& relative, const std::string& text) const
{
    const auto file = root_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
    return file;
}

void ScratchTree::copyFromBuild(const std::filesystem::path& relative) const
{
    const auto target = root_ / relative;
    std::filesystem::create_directories(target.parent_path());
    std::filesystem::copy_file(buildTree() / relative, target, std::filesystem::copy_options::overwrite_existing);
}

}  // namespace testing_support
