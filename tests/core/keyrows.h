// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// Which typed characters each field takes, one table for the key rule itself and for
// every front end that types them into its fields: every character of a row passes,
// or every one is refused.

#include <array>
#include <string_view>

namespace keyrows {

struct Row {
    const char *name;
    std::u16string_view field;
    std::u16string_view typed;
    bool passes;
};

// Enter, Escape, Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+Z and Tab as characters.
inline constexpr std::u16string_view controls = u"\r\x1b\x03\x16\x18\x1a\t";

inline constexpr std::array<Row, 17> rows{{
    {"list: backspace", u"Комбо1", u"\b", true},
    {"list: backspace in a longer text", u"Комбо3", u"\b", true},
    {"list: digits", u"Комбо1", u"0123456789", false},
    {"list: letters", u"Комбо2", u"aZНнУу", false},
    {"list: controls", u"Комбо6", controls, false},
    {"coefficient: backspace", u"Текст1", u"\b", true},
    {"coefficient: digits and comma", u"Текст1", u"0123456789,", true},
    {"coefficient: point, minus, blank", u"Текст1", u".- ", false},
    {"length: backspace", u"Текст2", u"\b", true},
    {"length: digits", u"Текст2", u"1234567890", true},
    {"length: comma, point, minus, blank", u"Текст2", u",.- +e", false},
    {"length: letters", u"Текст2", u"aЖ", false},
    {"length: controls", u"Текст2", controls, false},
    {"length: wide digits", u"Текст2", u"\u0663\uFF11", false},
    {"length: code 0", u"Текст2", std::u16string_view(u"\0", 1), false},
    {"result: digits", u"Текст3", u"0123456789,", false},
    {"result: backspace", u"Текст3", u"\b", true},
}};

} // namespace keyrows
