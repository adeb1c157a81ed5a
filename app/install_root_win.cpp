// Where the host installation tree is on Windows: the folder of the program's own file,
// as the system gives it (GetModuleFileNameW), whatever the working folder.
#include "app/install_root.h"

#include <windows.h>

#include <string>

namespace app {

std::filesystem::path programFolder()
{
    std::wstring file(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, file.data(), static_cast<DWORD>(file.size()));
        if (n == 0)
            return std::filesystem::current_path();
        if (n < file.size()) {
            file.resize(n);
            return std::filesystem::path(file).parent_path();
        }
        file.resize(file.size() * 2);
    }
}

}  // namespace app
