// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// What a screen reader reads for the window's controls, for every front end: each name
// whole, in words, without the captions' leader dots.

#include "calc/tables.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace accessibility {

// A caption without its run of dots and with single blanks: "Катет шва".
std::u16string nameFromCaption(std::u16string_view caption);

// The name of the control at `row` of the definition: a field's is the words of the
// caption that names it, a caption's its own words, the picture box's what it is.
// Empty where the control's own text is its name (the area's description).
std::u16string nameOf(std::size_t row);

// The name of a control that shows a value, with the value it shows now: the value
// box ("Тип электрода: Э46") and the picture box ("Чертеж соединения Н1"). For any
// other control, nameOf.
std::u16string nameShowing(std::size_t row, std::u16string_view shown);

// What the picture box shows, in words.
inline constexpr std::u16string_view pictureName = u"Чертеж соединения";
std::u16string jointDescription(calc::Joint joint);

} // namespace accessibility
