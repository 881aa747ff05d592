// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The window's controls as Windows makes them from the definition: one child window
// per defined control, with the ID 101 + its row, so that no ID is IDOK or IDCANCEL
// and anyone outside finds a control by its row.

#include "form/definition.h"
#include "form/fields.h"

#include <windows.h>

#include <array>
#include <cstddef>

namespace controls {

inline constexpr int firstId = 101;
inline constexpr std::size_t count = definition::controls.size();

constexpr int idOf(std::size_t row)
{
    return firstId + int(row);
}

// A length of the definition, in twips, in pixels at `dpi`.
inline int scaled(int twips, int dpi)
{
    return MulDiv(twips, dpi, 1440);
}

using Windows = std::array<HWND, count>;

// Makes every control as a child of `parent`, in the defined order, each hidden or
// shown as defined, with its stored text and its face (`title` for the title, `face`
// for the others), placed for `dpi`, and puts them in the defined tab order.
Windows create(HWND parent, HINSTANCE instance, int dpi, HFONT face, HFONT title);

// Sizes the lists' edit fields to their defined height, in the face they were given.
void fitLists(const Windows &made, int dpi);

// Places and sizes every control for `dpi`, the lists' edit fields too.
void layout(const Windows &made, int dpi);

// A rectangle of the definition in the window's client area, in pixels at `dpi`: the
// frame's controls are placed inside it.
RECT placeOf(std::size_t row, int dpi);

} // namespace controls
