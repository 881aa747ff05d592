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

// Whether a size that the window system gives the window is only advice, so that the
// window may take its own size back without starting an exchange that never ends. So
// on Wayland, where the window's next frame decides its size: a compositor may send a
// size beyond the window's limits (sway 1.10 after a full screen that the window left
// at once), and Qt 6.8 takes it, where 6.4 kept to the limits. Not so on X11, where a
// window manager that ignores the limits would answer every resize with its own.
bool sizeIsAdvice();

} // namespace decorations
