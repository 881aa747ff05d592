// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// Colours and fonts of the window.

#include <QColor>
#include <QFont>
#include <QPalette>

#include <optional>

#include "form/definition.h"

class QWidget;

namespace builder {
struct Controls;
}

namespace look {

constexpr QColor toQt(definition::Colour c)
{
    return QColor(c.red, c.green, c.blue);
}

inline constexpr QColor definedBackground = toQt(definition::definedBackground);
inline constexpr QColor loadedBackground = toQt(definition::loadedBackground);
inline constexpr QColor frameBackground = toQt(definition::frameBackground);
inline constexpr QColor areaCaption = toQt(definition::areaCaption);
inline constexpr QColor exitButton = toQt(definition::exitButton);
inline constexpr QColor result = toQt(definition::result);
inline constexpr QColor title = toQt(definition::title);

inline constexpr int fontPixels = definition::fontPixels;
inline constexpr int titleFontPixels = definition::titleFontPixels;

void setBackground(QWidget *w, const QColor &colour);

// The window's own colours for every role and group, so that no desktop colour scheme
// shows through: Fusion's standard palette, black text on white boxes and light-grey
// buttons, with the window's background, whatever the desktop's scheme.
QPalette palette();

// The window's bold face at the given pixel size; where no named face is installed and
// the fallback fits only smaller, at a size smaller in proportion.
QFont windowFont(int pixels = fontPixels);

// Whether a face's PANOSE classification (its family type and serif style) says it
// is sans-serif: serif styles 11 to 15 of the Latin text family; nothing where the
// classification does not say.
std::optional<bool> panoseSans(int familyType, int serifStyle);

// Makes the window's own widget style the application's: Fusion, which fits its
// fixed pixel layout, whatever style the desktop selects.
void useOwnStyle();

// Gives the window its font and background before its controls exist, so that they
// inherit both as they are made instead of being laid out again.
void prepare(QWidget *form);

// Applies fonts and colours to the controls that differ from their kind's defaults.
void apply(const builder::Controls &ui);

} // namespace look
