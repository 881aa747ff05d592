// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// Which typed characters a field takes.

#include <QStringView>

namespace keyrule {

inline constexpr char16_t backspace = 8;

// The sets of characters the fields take besides backspace.
inline constexpr QStringView noCharacters = u"";
inline constexpr QStringView digitsAndComma = u"1234567890,";
inline constexpr QStringView digits = u"1234567890";

// The key code itself when the character is backspace or one of the allowed ones,
// otherwise 0.
char16_t onlyMySymbols(char16_t keyCode, QStringView allowed);

// Whether `now` is what remains of `shown` after characters were deleted from it:
// the only edit the result field takes from the user.
bool remainsAfterDeleting(QStringView now, QStringView shown);

} // namespace keyrule
