// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The names, roles and descriptions that screen readers read, through Windows' own
// accessibility: without them, Windows names a field after the caption before it,
// dots and all, and reads the captions' dots aloud.

#include "win32/controls.h"

#include <string_view>

namespace winaccessibility {

// From here on names are given: COM and Windows' accessibility service are loaded
// now, not as the program starts. Names given before are dropped.
void start();

// Names every control as the window's logic names it (the lists' edit fields too),
// and tells that the picture box shows a picture.
void nameControls(const controls::Windows &made);

void name(HWND control, std::u16string_view name);
void describe(HWND control, std::u16string_view description);

// Lets go of Windows' accessibility service; before the program ends.
void release();

} // namespace winaccessibility
