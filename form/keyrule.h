// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// Which typed characters a field takes.

#include <string_view>

namespace keyrule {

inline constexpr char16_t backspace = 8;

// The sets of characters the fields take besides backspace.
inline constexpr std::u16string_view noCharacters = u"";
inline constexpr std::u16string_view digitsAndComma = u"1234567890,";
inline constexpr std::u16string_view digits = u"1234567890";

// The key code itself when the character is backspace or one of the allowed ones,
// otherwise 0.
char16_t onlyMySymbols(char16_t keyCode, std::u16string_view allowed);

// Whether `now` is what remains of `shown` after characters were deleted from it:
// the only edit the result field takes from the user.
bool remainsAfterDeleting(std::u16string_view now, std::u16string_view shown);

} // namespace keyrule
