#pragma once

// The program's UTF-8 texts as the UTF-16 strings Windows takes.

#include <string>
#include <windows.h>

inline std::wstring Utf8ZuUtf16(const std::string& S) {
    if (S.empty())
        return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, S.data(), static_cast<int>(S.size()), nullptr, 0);
    std::wstring w(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_UTF8, 0, S.data(), static_cast<int>(S.size()), w.data(), n);
    return w;
}

inline std::string Utf16ZuUtf8(const std::wstring& W) {
    if (W.empty())
        return {};
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, W.data(), static_cast<int>(W.size()), nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, W.data(), static_cast<int>(W.size()), s.data(), n, nullptr, nullptr);
    return s;
}
