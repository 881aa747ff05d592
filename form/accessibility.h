// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// What a screen reader reads for the window's inputs and outputs, for every front end.

#include "calc/tables.h"

#include <string>
#include <string_view>

namespace accessibility {

// A caption without its run of dots and with single blanks: "Катет шва".
std::u16string nameFromCaption(std::u16string_view caption);

// The picture box's name, and what it says of the joint it shows.
inline constexpr std::u16string_view pictureName = u"Чертеж соединения";
std::u16string jointDescription(calc::Joint joint);

} // namespace accessibility
