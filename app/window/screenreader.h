// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The names that a screen reader reads, given to the widgets.

namespace builder {
struct Controls;
}

namespace screenreader {

// Names each control as the window's logic names it (a field after its caption, a
// caption without its leader dots) and makes each caption its field's buddy.
void nameControls(const builder::Controls &ui);

} // namespace screenreader
