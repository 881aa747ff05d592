// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The names that a screen reader reads, given to the widgets.

namespace definition {
struct Controls;
}

namespace accessibility {

// Names each field after its caption and makes the caption its buddy.
void nameFields(const definition::Controls &ui);

} // namespace accessibility
