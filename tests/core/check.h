// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// Checks for the tests of the standard C++ core, which run without a toolkit: every
// failure names its table row and both values; the program's status is the verdict.

#include <cstdio>
#include <string>
#include <string_view>

namespace check {

inline int failures = 0;
inline int passes = 0;

inline std::string utf8(std::u16string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size())
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xF0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3F));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

inline std::string shown(std::u16string_view v)
{
    return '"' + utf8(v) + '"';
}
inline std::string shown(const std::u16string &v)
{
    return shown(std::u16string_view(v));
}
inline std::string shown(const char16_t *v)
{
    return shown(std::u16string_view(v));
}
inline std::string shown(const std::string &v)
{
    return '"' + v + '"';
}
inline std::string shown(long long v)
{
    return std::to_string(v);
}
inline std::string shown(int v)
{
    return std::to_string(v);
}
inline std::string shown(std::size_t v)
{
    return std::to_string(v);
}
inline std::string shown(bool v)
{
    return v ? "true" : "false";
}

// Compares; on a difference prints the row, what was compared and both values.
template <typename A, typename B>
bool equal(std::string_view row, std::string_view what, const A &actual, const B &expected)
{
    if (actual == expected) {
        ++passes;
        return true;
    }
    ++failures;
    std::printf("FAIL: %.*s: %.*s is %s, expected %s\n", int(row.size()), row.data(),
                int(what.size()), what.data(), shown(actual).c_str(), shown(expected).c_str());
    return false;
}

inline int verdict()
{
    std::printf("%d passed, %d failed\n", passes, failures);
    return failures ? 1 : 0;
}

} // namespace check
