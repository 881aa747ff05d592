// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The picture box: a sunken box that shows one drawing from its top left corner,
// enlarged by a whole factor only, so that every drawn pixel stays a sharp square; it
// takes the focus from the keyboard and then shows the focus mark.

#include <windows.h>

namespace picture {

inline constexpr const wchar_t *className = L"ElectrodeCalcPicture";

// Registers the window class; once, before the window is made.
void registerClass(HINSTANCE instance);

// Shows `bitmap` (owned by the caller) enlarged `factor` times.
void show(HWND box, HBITMAP bitmap);
void setFactor(HWND box, int factor);
HBITMAP shown(HWND box);

// The whole factor by which drawings are enlarged at `dpi`: never a fraction, which
// would draw some pixels wider than others.
inline int factorFor(int dpi)
{
    return dpi >= 96 ? dpi / 96 : 1;
}

} // namespace picture
