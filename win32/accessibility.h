// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The names and descriptions that screen readers read, through Windows' own
// accessibility: without them, Windows names a field after the caption before it,
// dots and all.

#include "win32/controls.h"

#include <string_view>

namespace winaccessibility {

// Names each field after its caption, and the picture box; the lists' edit fields too.
void nameFields(const controls::Windows &made);

void describe(HWND control, std::u16string_view description);

// Lets go of Windows' accessibility service; before the program ends.
void release();

} // namespace winaccessibility
