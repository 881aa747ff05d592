// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// What the window tells the window manager beyond the toolkit's own hints.

class QWidget;

namespace windowhints {

// The window offers neither maximizing nor resizing: on X11 its _MOTIF_WM_HINTS
// functions are moving, minimizing and closing only. Elsewhere the toolkit's size
// limits say it already.
void offerNoResize(QWidget *window);

} // namespace windowhints
