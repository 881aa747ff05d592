// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The gate between everything that can put text into a field and the field: typed
// characters, the input method's results and pastes, by the field's rule.

#include "form/definition.h"

#include <windows.h>

namespace input {

// Guards `field` (an edit, or a list whose edit field is guarded) by `rule`.
void guard(HWND field, const definition::FieldRule &rule);

// The context menu's commands, by their IDs.
enum MenuCommand : UINT { Cut = 1, Copy, Paste, Delete, SelectAll };

} // namespace input
