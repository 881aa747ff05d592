// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// Who draws the window's title bar.

namespace decorations {

// Whether the window system draws the title bars of the program's windows. Only a
// Wayland compositor that offers no server-side decorations leaves them to the
// program; the toolkit's own title bar there has a maximize button and resizing
// edges, which a window of one size must not have.
bool systemDrawsTitleBar();

} // namespace decorations
