// Field formatting and the UTF-8 conversion of the probe's lines.
#include "ProbeLine.h"

#include <cstdio>

namespace {

std::string utf8(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                        length, nullptr, nullptr);
    return bytes;
}

std::wstring escaped(const std::wstring& text) {
    std::wstring result;
    for (const wchar_t c : text) {
        switch (c) {
        case L'\\':
            result += L"\\\\";
            break;
        case L'\t':
            result += L"\\t";
            break;
        case L'\r':
            result += L"\\r";
            break;
        case L'\n':
            result += L"\\n";
            break;
        default:
            result += c;
        }
    }
    return result;
}

} // namespace

ProbeLine& ProbeLine::number(long long value) {
    line += '\t';
    line += std::to_string(value);
    return *this;
}

ProbeLine& ProbeLine::handle(HWND window) {
    char hex[32];
    std::snprintf(hex, sizeof hex, "\t0x%llx",
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)));
    line += hex;
    return *this;
}

ProbeLine& ProbeLine::rectangle(const RECT& bounds) {
    return number(bounds.left).number(bounds.top).number(bounds.right).number(bounds.bottom);
}

ProbeLine& ProbeLine::text(const std::wstring& value) {
    line += '\t';
    line += utf8(escaped(value));
    return *this;
}

void ProbeLine::print() const {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}
