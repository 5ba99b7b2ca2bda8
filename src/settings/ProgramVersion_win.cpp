#include "settings/ProgramVersion.h"

#include <vector>
#include <windows.h>

namespace volmar {

namespace {

std::wstring OwnPath() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0)
            return {};
        if (length < path.size())
            return std::wstring(path.data(), length);
        path.resize(path.size() * 2);
    }
}

} // namespace

QString ProgramFileVersion() {
    const std::wstring path = OwnPath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0)
        return {};
    std::vector<char> block(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data()))
        return {};
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\StringFileInfo\\041103A4\\FileVersion", &value,
                        &length) ||
        length == 0)
        return {};
    // The length counts the closing zero.
    const auto* text = static_cast<const wchar_t*>(value);
    return QString::fromWCharArray(text, int(length) - (text[length - 1] == L'\0' ? 1 : 0));
}

} // namespace volmar
