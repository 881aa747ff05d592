// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "calc/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>
#if !defined(__cpp_lib_to_chars)
#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <limits>
#endif

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

#if defined(__cpp_lib_to_chars)

// A double from the longest prefix of [first, last) that is one.
std::from_chars_result readDouble(const char *first, const char *last, double &value)
{
    return std::from_chars(first, last, value);
}

#else

// A standard library without std::from_chars for floating point (libc++ before 20):
// the same, on strtod. The prefix is matched here, as from_chars matches it: an
// optional minus, digits with at most one point and at least one digit, an optional
// exponent, or an infinity or a NaN; no white space, no plus and no hexadecimal, which
// strtod would take. strtod then reads exactly that prefix, with the locale's decimal
// point in place of ours.

constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Whether [at, last) begins with the lower-case ASCII `word`, in either case.
bool beginsWith(const char *at, const char *last, std::string_view word)
{
    if (std::size_t(last - at) < word.size())
        return false;
    for (const char w : word) {
        const char c = *at++;
        if (c != w && c != w - 'a' + 'A')
            return false;
    }
    return true;
}

std::from_chars_result readDouble(const char *first, const char *last, double &value)
{
    const char *at = first;
    const bool negative = at != last && *at == '-';
    if (negative)
        ++at;
    if (beginsWith(at, last, "inf")) {
        at += beginsWith(at + 3, last, "inity") ? 8 : 3;
        value = negative ? -std::numeric_limits<double>::infinity()
                         : std::numeric_limits<double>::infinity();
        return {at, std::errc()};
    }
    if (beginsWith(at, last, "nan")) {
        at += 3;
        // "nan(" letters, digits and underscores ")", all or none of it.
        if (at != last && *at == '(') {
            const char *close = at + 1;
            while (close != last &&
                   (isDigit(*close) || *close == '_' || (*close >= 'a' && *close <= 'z') ||
                    (*close >= 'A' && *close <= 'Z')))
                ++close;
            if (close != last && *close == ')')
                at = close + 1;
        }
        value = negative ? -std::numeric_limits<double>::quiet_NaN()
                         : std::numeric_limits<double>::quiet_NaN();
        return {at, std::errc()};
    }
    std::size_t digits = 0;
    for (; at != last && isDigit(*at); ++at)
        ++digits;
    const char *point = nullptr;
    if (at != last && *at == '.') {
        point = at++;
        for (; at != last && isDigit(*at); ++at)
            ++digits;
    }
    if (digits == 0)
        return {first, std::errc::invalid_argument};
    // An exponent only with its digits; "1e" and "1e+" are the number 1 and the rest.
    if (at != last && (*at == 'e' || *at == 'E')) {
        const char *power = at + 1;
        if (power != last && (*power == '+' || *power == '-'))
            ++power;
        if (power != last && isDigit(*power)) {
            while (power != last && isDigit(*power))
                ++power;
            at = power;
        }
    }
    // The magnitude, terminated, with the decimal point strtod reads in the current
    // locale. The sign is put on afterwards: musl rounds some negative texts between
    // zero and the least subnormal towards zero, where the same positive text rounds
    // to nearest.
    const char *magnitude = negative ? first + 1 : first;
    std::string text(magnitude, at);
    const char *decimalPoint = std::localeconv()->decimal_point;
    if (point && std::strcmp(decimalPoint, ".") != 0)
        text.replace(std::size_t(point - magnitude), 1, decimalPoint);
    char *end = nullptr;
    errno = 0;
    const double parsed = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size())
        return {first, std::errc::invalid_argument};
    // Out of range: an overflow, or a non-zero number that underflows to zero. Some C
    // libraries report ERANGE for a subnormal result too; that is a number.
    if (errno == ERANGE && (parsed == 0 || parsed == HUGE_VAL))
        return {at, std::errc::result_out_of_range};
    value = negative ? -parsed : parsed;
    return {at, std::errc()};
}

#endif

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
    const auto [stop, error] = readDouble(number.data(), end, value);
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
    if (!std::isfinite(value))
        return value;
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
    readDouble(text.data(), text.data() + text.size(), rounded);
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
    // Whatever its payload: the standard libraries name some ("nan(snan)", "-nan(ind)").
    if (std::isnan(value))
        return std::signbit(value) ? u"-nan" : u"nan";
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
