// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "calc/numbers.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace numbers {

namespace {

// White space as the toolkits trim it from a number's text: the C0 spaces, NEL, and
// Unicode's space, line and paragraph separators.
constexpr bool isSpace(char16_t c)
{
    if (c == u' ' || (c >= u'\t' && c <= u'\r'))
        return true;
    if (c < 0x80)
        return false;
    return c == 0x85 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 ||
           c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

std::u16string widen(std::string_view ascii)
{
    return {ascii.begin(), ascii.end()};
}

// Every occurrence of `from` replaced by `to`.
std::u16string replaced(std::u16string text, std::u16string_view from, std::u16string_view to)
{
    if (from.empty())
        return text;
    for (std::size_t at = text.find(from); at != std::u16string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// An ASCII number with a point: the whole text, nothing else.
std::optional<double> parseAscii(std::u16string_view text)
{
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    // One plus sign, followed by the number itself.
    if (!text.empty() && text.front() == u'+') {
        text.remove_prefix(1);
        if (!text.empty() && (text.front() == u'+' || text.front() == u'-'))
            return std::nullopt;
    }
    std::string ascii;
    ascii.reserve(text.size());
    for (const char16_t c : text) {
        // Checked before the narrowing: a cast would make U+0135 a "5".
        if (c > 0x7F)
            return std::nullopt;
        ascii.push_back(char(c));
    }
    if (ascii.empty())
        return std::nullopt;
    double value = 0;
    const char *end = ascii.data() + ascii.size();
    const auto [stop, error] = std::from_chars(ascii.data(), end, value);
    // Out of range covers both an overflow and a non-zero number that underflows to zero.
    if (error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::u16string fromInt(int value)
{
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return widen({buffer, result.ptr});
}

std::u16string fromDouble(double value, std::u16string_view separator)
{
    if (value == 0.0)
        value = 0.0; // folds -0 into 0
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return replaced(widen({buffer, result.ptr}), u".", separator);
}

std::optional<double> toDouble(std::u16string_view text, std::u16string_view separator)
{
    if (text.empty())
        return std::nullopt;
    // Only the user's separator is a decimal separator; a point where the user writes
    // a comma is no number, as a comma is none where the user writes a point.
    std::u16string withPoint(text);
    if (separator != u".") {
        if (withPoint.find(u'.') != std::u16string::npos)
            return std::nullopt;
        withPoint = replaced(std::move(withPoint), separator, u".");
    }
    return parseAscii(withPoint);
}

std::optional<double> coefficientToDouble(std::u16string_view text, std::u16string_view separator)
{
    if (auto value = toDouble(text, separator))
        return value;
    if (text.find(u',') == std::u16string_view::npos || separator == u",")
        return std::nullopt;
    return toDouble(replaced(std::u16string(text), u",", u"."), u".");
}

} // namespace numbers
