// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// Which typed characters each field takes, one table for the key rule itself and for
// every front end that types them into its fields: every character of a row passes,
// or every one is refused.

#include "form/fields.h"

#include <array>
#include <string_view>

namespace keyrows {

struct Row {
    const char *name;
    form::Field field;
    std::u16string_view typed;
    bool passes;
};

// Enter, Escape, Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+Z and Tab as characters.
inline constexpr std::u16string_view controls = u"\r\x1b\x03\x16\x18\x1a\t";

using F = form::Field;

inline constexpr std::array<Row, 17> rows{{
    {"list: backspace", F::Комбо1, u"\b", true},
    {"list: backspace in a longer text", F::Комбо3, u"\b", true},
    {"list: digits", F::Комбо1, u"0123456789", false},
    {"list: letters", F::Комбо2, u"aZНнУу", false},
    {"list: controls", F::Комбо6, controls, false},
    {"coefficient: backspace", F::Текст1, u"\b", true},
    {"coefficient: digits and comma", F::Текст1, u"0123456789,", true},
    {"coefficient: point, minus, blank", F::Текст1, u".- ", false},
    {"length: backspace", F::Текст2, u"\b", true},
    {"length: digits", F::Текст2, u"1234567890", true},
    {"length: comma, point, minus, blank", F::Текст2, u",.- +e", false},
    {"length: letters", F::Текст2, u"aЖ", false},
    {"length: controls", F::Текст2, controls, false},
    {"length: wide digits", F::Текст2, u"\u0663\uFF11", false},
    {"length: code 0", F::Текст2, std::u16string_view(u"\0", 1), false},
    {"result: digits", F::Текст3, u"0123456789,", false},
    {"result: backspace", F::Текст3, u"\b", true},
}};

} // namespace keyrows
