// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// Conversions between numbers and field texts. The digits, signs and exponent are
// ASCII in every locale; only the decimal separator is the user's, passed in as a text
// (up to three characters on Windows).

#include <optional>
#include <string>
#include <string_view>

namespace numbers {

// Integer to text: ASCII decimal digits, no grouping ("5", "1000").
std::u16string fromInt(int value);

// Double to text in the general format: the given decimal separator, no grouping, no
// trailing zeros, at most 15 significant digits. Negative zero shows as "0".
std::u16string fromDouble(double value, std::u16string_view separator);

// Text to double with the given decimal separator. Empty is nothing: an empty text, a
// text that is not a number, one with group separators or the other separator, and a
// value that overflows a double, underflows to zero or is not finite. White space at
// either end and one leading plus sign are taken.
std::optional<double> toDouble(std::u16string_view text, std::u16string_view separator);

// The coefficient field: the catalogue writes it with a comma in every locale, and the
// start-up writes the locale's own text, so both separators are taken here.
std::optional<double> coefficientToDouble(std::u16string_view text, std::u16string_view separator);

} // namespace numbers
