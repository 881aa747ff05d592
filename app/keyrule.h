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

} // namespace keyrule
