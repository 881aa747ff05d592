// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// Names that a screen reader reads for the window's inputs and outputs.

#include <QString>
#include <QStringView>

namespace definition {
struct Controls;
}

namespace accessibility {

// A caption without its run of dots and with single blanks: "Катет шва".
QString nameFromCaption(QStringView caption);

// Names each field after its caption and makes the caption its buddy.
void nameFields(const definition::Controls &ui);

// What the picture box says of the joint it shows.
QString jointDescription(QStringView joint);

} // namespace accessibility
