// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The window's logic: its procedures, its start-up and which event runs which of them,
// over the fields of whichever front end shows the window.

#include "form/fields.h"
#include "form/handlers.h"

#include <array>
#include <string>
#include <string_view>

namespace form {

class Форма1
{
public:
    // `separator`: the user's decimal separator, as the front end's locale has it. The
    // fields are the controls as the definition made them, with their stored texts;
    // the lists get their items here, after their stored texts, which stay.
    Форма1(Fields &fields, std::u16string_view separator);

    // Start values and the first calculation; runs once, before the window is shown.
    void Load();

    // The procedures.
    static char16_t OnlyMySymbols(const char16_t &keyCode, std::u16string_view allowed);
    void Область();
    void Марка();
    void Тип();
    void AA();

    // The events a front end forwards: the user's own, never the echo of a write.
    // The user picked an item of a list: its text is written first, then the list's
    // Click runs.
    void picked(Field list, std::u16string_view item);
    // The user changed a field's text by other means than a pick: typing, deleting,
    // pasting, dropping. The logic reads the text; one that is as it was is no edit.
    // - A list's edit applies as a pick does, so that every result belongs to the texts
    //   on screen.
    // - A text box's edit raises its Change.
    // - The result field shows the computed mass or nothing: a deletion empties it
    //   whole, anything else is taken back.
    void edited(Field field);

    // A character typed into a list or a text box (its KeyPress): the key code that the
    // field's rule leaves, 0 where the field drops it.
    static char16_t KeyPress(Field field, char16_t keyCode);
    // Whether text that arrives whole without keys (an input method's result, dictation,
    // a correction) may enter the field: only if each of its characters would pass the
    // field's KeyPress, backspace excluded.
    static bool takesWhole(Field field, std::u16string_view text);
    // Whether the field takes text pasted or dropped into it, as it is.
    static bool takesPastes(Field field);

    // How many times the mass has been calculated since the window was made.
    int calculations() const { return calculations_; }

private:
    void run(Field field, Event event);
    // A procedure's write of a text box, which raises the box's Change before it
    // returns, also when the text stays the same.
    void setText(Field textBox, std::u16string_view text);
    void setListText(Field list, std::u16string_view text);

    Fields &fields_;
    std::u16string separator_;
    int calculations_ = 0;
    std::u16string computed_; // what the last calculation left in the result field
    // Each field's text as the logic last wrote it or saw the user leave it.
    std::array<std::u16string, fieldCount> known_;
};

} // namespace form
