// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The window's fields as the procedures see them: what they read and write, and
// nothing more. Each front end implements it over its own controls; the tests over a
// store of texts.

#include "calc/tables.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace form {

// The fields the procedures address, by their names in the window. (Qt's moc reads
// the enumerations of every namespace that a test includes, and cannot read Cyrillic
// names; it is told to pass them by.)
#ifndef Q_MOC_RUN
enum class Field {
    Комбо1,  // leg
    Комбо2,  // joint
    Комбо3,  // position
    Комбо4,  // seam
    Комбо5,  // area
    Комбо6,  // brand
    Текст1,  // coefficient (hidden)
    Текст2,  // length
    Текст3,  // result
    Метка10, // area description
    Метка13, // electrode type
};
#endif

inline constexpr std::size_t fieldCount = 11;
inline constexpr std::size_t listCount = 6; // Комбо1 to Комбо6, the first fields

constexpr bool isList(Field field)
{
    return std::size_t(field) < listCount;
}

// A field's name in the window, the name its control has.
constexpr std::u16string_view nameOf(Field field)
{
    constexpr std::u16string_view names[fieldCount]{u"Комбо1", u"Комбо2",  u"Комбо3", u"Комбо4",
                                                    u"Комбо5", u"Комбо6",  u"Текст1", u"Текст2",
                                                    u"Текст3", u"Метка10", u"Метка13"};
    return names[std::size_t(field)];
}

enum class Background {
    Defined, // the window's colour as defined, before Load
    Loaded,  // pale yellow, from Load on
};

// The contract of every implementation:
// - No write raises anything: the logic runs a text box's Change for its own writes
//   itself. The front end forwards only the user's own picks and edits
//   (Форма1::picked, Форма1::edited), never the echo of a write.
// - The result field (Текст3) written from code shows its text's beginning, so that a
//   mass longer than the field is never misread.
class Fields
{
public:
    virtual ~Fields() = default;

    // The text of a list's edit field or of a text box.
    virtual std::u16string text(Field field) const = 0;
    // A text box's text (Текст1, Текст2, Текст3).
    virtual void setText(Field field, std::u16string_view text) = 0;
    // A list's text, written from code: no Click follows. The item of that text, if
    // the list has one, becomes the current one, so that the opened list shows it.
    virtual void setListText(Field field, std::u16string_view text) = 0;
    // Empties the list and appends the items in order.
    virtual void fillList(Field field, std::span<const std::u16string_view> items) = 0;
    // A label's caption (Метка10, Метка13).
    virtual void setCaption(Field field, std::u16string_view caption) = 0;
    // The picture box shows the joint's picture.
    virtual void showJoint(calc::Joint joint) = 0;
    virtual void setBackground(Background background) = 0;
};

} // namespace form
