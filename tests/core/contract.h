// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The contract of the fields' writes, one table for every implementation: the store
// of the logic's tests and each front end. No write raises anything, not even a write
// of a text box that has a Change: the logic raises that itself. A Change would run
// one calculation, so the count of calculations tells whether one was raised.

#include "form/fields.h"

#include <array>
#include <string_view>

namespace contract {

enum class Write { Text, SameText, ListText, Fill, Caption, Joint };

struct Row {
    const char *name;
    form::Field field;
    Write write;
    std::u16string_view text;
};

inline constexpr std::array<Row, 11> rows{{
    {"Текст1, another text", form::Field::Текст1, Write::Text, u"1,5"},
    {"Текст1, the same text", form::Field::Текст1, Write::SameText, u""},
    {"Текст1, emptied", form::Field::Текст1, Write::Text, u""},
    {"Текст2, another text", form::Field::Текст2, Write::Text, u"250"},
    {"Текст2, the same text", form::Field::Текст2, Write::SameText, u""},
    {"Текст3, no Change of its own", form::Field::Текст3, Write::Text, u"0,5"},
    {"Комбо1 from code", form::Field::Комбо1, Write::ListText, u"8"},
    {"Комбо5 from code", form::Field::Комбо5, Write::ListText, u"несущие конструкции"},
    {"Комбо6 filled", form::Field::Комбо6, Write::Fill, u""},
    {"Метка13 caption", form::Field::Метка13, Write::Caption, u"Э50"},
    {"picture", form::Field::Комбо2, Write::Joint, u""},
}};

// Makes the row's write on the fields.
inline void write(form::Fields &fields, const Row &row)
{
    static constexpr std::array<std::u16string_view, 2> brands{u"АНО-1", u"АНО-3"};
    switch (row.write) {
    case Write::Text:
        fields.setText(row.field, row.text);
        break;
    case Write::SameText:
        fields.setText(row.field, fields.text(row.field));
        break;
    case Write::ListText:
        fields.setListText(row.field, row.text);
        break;
    case Write::Fill:
        fields.fillList(row.field, brands);
        break;
    case Write::Caption:
        fields.setCaption(row.field, row.text);
        break;
    case Write::Joint:
        fields.showJoint(calc::Joint::T3);
        break;
    }
}

} // namespace contract
