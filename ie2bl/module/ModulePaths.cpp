#include "module/ModulePaths.h"

namespace ie2bl {

std::wstring ModulePaths::withExtension(const std::wstring& path, const std::wstring& extension) {
    return path.substr(0, path.rfind(L'.')) + extension;
}

std::wstring ModulePaths::directoryOf(const std::wstring& path) {
    const auto separator = path.find_last_of(L"\\/:");
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator + 1);
}

} // namespace ie2bl
