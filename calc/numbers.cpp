// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "calc/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
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
    std::string ascii;
    ascii.reserve(text.size());
    for (const char16_t c : text) {
        // The minus sign, as the toolkit reads it too.
        if (c == u'\u2212') {
            ascii.push_back('-');
            continue;
        }
        // Checked before the narrowing: a cast would make U+0135 a "5".
        if (c > 0x7F)
            return std::nullopt;
        ascii.push_back(char(c));
    }
    // One plus sign, followed by the number itself.
    std::string_view number = ascii;
    if (!number.empty() && number.front() == '+') {
        number.remove_prefix(1);
        if (!number.empty() && (number.front() == '+' || number.front() == '-'))
            return std::nullopt;
    }
    if (number.empty())
        return std::nullopt;
    double value = 0;
    const char *end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, value);
    // Out of range covers both an overflow and a non-zero number that underflows to zero.
    if (error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// A value exactly halfway between two texts of 15 significant digits is written as
// the toolkits write it, rounded away from zero (std::to_chars rounds it to even):
// returned as the double nearest to that text, any other value as it is.
double tiesAwayFromZero(double value)
{
    const double magnitude = std::fabs(value);
    // d.dddddddddddddddde±x: 17 significant digits, correctly rounded.
    char near[40];
    std::to_chars(near, near + sizeof near, magnitude, std::chars_format::scientific, 16);
    if (near[16] != '5' || near[17] != '0')
        return value;
    // A tie only if every further digit of the exact value is a zero; a double's exact
    // decimal value has at most 767 significant digits.
    char exact[800];
    const char *exactEnd =
        std::to_chars(exact, exact + sizeof exact, magnitude, std::chars_format::scientific, 780)
            .ptr;
    const char *digitsEnd = std::find(static_cast<const char *>(exact), exactEnd, 'e');
    const char *further = exact + 17;
    if (std::any_of(further, digitsEnd, [](char c) { return c != '0'; }))
        return value;
    // The 15 digits rounded up, with the exponent.
    std::int64_t digits = 0;
    for (const char *c = exact; c < exact + 16; ++c)
        if (*c != '.')
            digits = digits * 10 + (*c - '0');
    int exponent = 0;
    const char *power = digitsEnd + 1;
    if (*power == '+')
        ++power;
    std::from_chars(power, exactEnd, exponent);
    const std::string text = std::to_string(digits + 1) + 'e' + std::to_string(exponent - 14);
    double rounded = 0;
    std::from_chars(text.data(), text.data() + text.size(), rounded);
    return value < 0 ? -rounded : rounded;
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
    const double written = tiesAwayFromZero(value);
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, written, std::chars_format::general, 15);
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
