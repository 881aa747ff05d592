// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The window's faces and colours at one screen density: the defined face, bold, where
// Windows has it at the size asked for, its outline twin otherwise; and a brush for
// each defined colour.

#include "form/definition.h"

#include <windows.h>

#include <string>

namespace look {

inline COLORREF colourOf(definition::Colour c)
{
    return RGB(c.red, c.green, c.blue);
}

// The face the window's text is drawn in at `pixels` (the character height): "MS Sans
// Serif" where it has a strike of that height, else "Microsoft Sans Serif", which has
// the same widths as outlines and is on every Windows since 2000.
std::wstring faceFor(int pixels);

class Look
{
public:
    explicit Look(int dpi);
    ~Look();
    Look(const Look &) = delete;
    Look &operator=(const Look &) = delete;

    int dpi() const { return dpi_; }
    HFONT text() const { return text_; }
    HFONT title() const { return title_; }
    HBRUSH brush(definition::Colour colour);

private:
    int dpi_;
    HFONT text_;
    HFONT title_;
    struct Brush {
        COLORREF colour;
        HBRUSH brush;
    };
    Brush brushes_[8]{};
};

} // namespace look
