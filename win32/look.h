// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The window's faces and colours at one screen density, and its painting: the defined
// face, bold, where Windows has it at the size asked for, its outline twin otherwise;
// the defined colours, or under high contrast the system's, as Windows' own dialogs
// take them.

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

// The window's face at `pixels` and `weight` (the window's own is bold).
HFONT fontOf(int pixels, int weight);

// Whether the user chose high contrast: then every colour is the system's.
bool highContrast();

// A system colour, or a defined one.
struct Paint {
    int system; // COLOR_…, or -1 for `colour`
    definition::Colour colour;
};

// The colours of a control of the definition: its text and its background, on a
// window whose background is `window`. Under high contrast, boxes have the system's
// window colours and everything else its dialog colours.
struct ControlPaint {
    Paint text, background;
};
ControlPaint paintOf(std::size_t row, definition::Colour window, bool contrast);

class Look
{
public:
    Look(int dpi, bool contrast);
    ~Look();
    Look(const Look &) = delete;
    Look &operator=(const Look &) = delete;

    int dpi() const { return dpi_; }
    bool contrast() const { return contrast_; }
    HFONT text() const { return text_; }
    HFONT title() const { return title_; }

    // Answers WM_CTLCOLOR… for the control at `row`: sets the colours on `dc`, returns
    // the brush of the background.
    HBRUSH colour(HDC dc, std::size_t row, definition::Colour window);
    // The window's background, with the frame's rectangle in the frame's colour.
    void paintBackground(HDC dc, const RECT &client, const RECT &frame, definition::Colour window);
    // The exit button, painted in its own colour.
    void drawButton(const DRAWITEMSTRUCT &item, std::u16string_view caption);

private:
    COLORREF colourOf(const Paint &paint) const;
    HBRUSH brush(const Paint &paint);

    int dpi_;
    bool contrast_;
    HFONT text_;
    HFONT title_;
    struct Brush {
        COLORREF colour;
        HBRUSH brush;
    };
    Brush brushes_[8]{};
};

} // namespace look
