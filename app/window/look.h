// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// Colours and fonts of the window.

#include <QColor>
#include <QFont>
#include <QPalette>

class QWidget;

namespace definition {
struct Controls;
}

namespace look {

inline constexpr QColor definedBackground{192, 255, 192}; // pale green, as defined
inline constexpr QColor loadedBackground{255, 255, 215};  // pale yellow, after Load
inline constexpr QColor frameBackground{192, 255, 192};
inline constexpr QColor areaCaption{255, 0, 0};
inline constexpr QColor exitButton{255, 224, 192};
inline constexpr QColor result{128, 0, 0};
inline constexpr QColor title{192, 0, 0};

inline constexpr int fontPixels = 13;      // 9.75 pt at 96 dpi
inline constexpr int titleFontPixels = 18; // 13.5 pt at 96 dpi

void setBackground(QWidget *w, const QColor &colour);

// The window's own colours for every role and group, so that no desktop colour scheme
// shows through: Fusion's standard palette, black text on white boxes and light-grey
// buttons, with the window's background, whatever the desktop's scheme.
QPalette palette();

// The window's bold face at the given pixel size; where no named face is installed and
// the fallback fits only smaller, at a size smaller in proportion.
QFont windowFont(int pixels = fontPixels);

// Makes the window's own widget style the application's: Fusion, which fits its
// fixed pixel layout, whatever style the desktop selects.
void useOwnStyle();

// Gives the window its font and background before its controls exist, so that they
// inherit both as they are made instead of being laid out again.
void prepare(QWidget *form);

// Applies fonts and colours to the controls that differ from their kind's defaults.
void apply(const definition::Controls &ui);

} // namespace look
