// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "win32/look.h"

#include <utility>
#include <vector>

namespace look {

namespace {

struct StrikeSearch {
    int pixels;
    bool found;
};

int CALLBACK onStrike(const LOGFONTW *, const TEXTMETRICW *metric, DWORD type, LPARAM data)
{
    auto *search = reinterpret_cast<StrikeSearch *>(data);
    // An outline face has every size; a bitmap face only its strikes.
    if (!(type & RASTER_FONTTYPE) ||
        metric->tmHeight - metric->tmInternalLeading == search->pixels) {
        search->found = true;
        return 0;
    }
    return 1;
}

constexpr const wchar_t *definedFace = L"MS Sans Serif";
constexpr const wchar_t *outlineTwin = L"Microsoft Sans Serif";

} // namespace

std::wstring faceFor(int pixels)
{
    // Asking Windows for a face's sizes goes through every font it has: once per size.
    static std::vector<std::pair<int, std::wstring>> known;
    for (const auto &[size, face] : known)
        if (size == pixels)
            return face;
    LOGFONTW wanted{};
    wanted.lfCharSet = RUSSIAN_CHARSET;
    lstrcpynW(wanted.lfFaceName, definedFace, LF_FACESIZE);
    StrikeSearch search{pixels, false};
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, onStrike, reinterpret_cast<LPARAM>(&search), 0);
    ReleaseDC(nullptr, screen);
    known.emplace_back(pixels, search.found ? definedFace : outlineTwin);
    return known.back().second;
}

HFONT fontOf(int pixels, int weight)
{
    LOGFONTW lf{};
    lf.lfHeight = -pixels;
    lf.lfWeight = weight;
    lf.lfCharSet = RUSSIAN_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
    const std::wstring face = faceFor(pixels);
    lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    return CreateFontIndirectW(&lf);
}

bool highContrast()
{
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    if (SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
        (contrast.dwFlags & HCF_HIGHCONTRASTON))
        return true;
    // Colours of the user's own that the window's could not be read with (light text)
    // count as high contrast too: the defined backgrounds are light.
    const auto system = [](int index) {
        const COLORREF c = GetSysColor(index);
        return definition::Colour{GetRValue(c), GetGValue(c), GetBValue(c)};
    };
    return definition::contrast(system(COLOR_WINDOWTEXT), definition::loadedBackground) <
               definition::readableContrast ||
           definition::contrast(system(COLOR_BTNTEXT), definition::exitButton) <
               definition::readableContrast;
}

ControlPaint paintOf(std::size_t row, definition::Colour window, bool contrast)
{
    using definition::Kind;
    const definition::Control &c = definition::controls[row];
    const bool box = c.kind == Kind::Text || c.role == definition::Role::ValueBox;
    if (contrast)
        return box ? ControlPaint{{COLOR_WINDOWTEXT, {}}, {COLOR_WINDOW, {}}}
                   : ControlPaint{{COLOR_BTNTEXT, {}}, {COLOR_BTNFACE, {}}};
    ControlPaint paint{{COLOR_WINDOWTEXT, {}}, {-1, window}};
    for (const definition::ControlColour &cc : definition::controlColours)
        if (cc.row == row && cc.part == definition::Part::Text)
            paint.text = {-1, cc.colour};
    // The boxes, and a value box, are white as a box is; inside the frame its colour.
    if (box)
        paint.background = {COLOR_WINDOW, {}};
    else if (c.container == definition::Container::Frame || c.kind == Kind::Frame)
        paint.background = {-1, definition::frameBackground};
    return paint;
}

Look::Look(int dpi, bool contrast)
    : dpi_(dpi), contrast_(contrast),
      text_(fontOf(MulDiv(definition::fontPixels, dpi, 96), FW_BOLD)),
      title_(fontOf(MulDiv(definition::titleFontPixels, dpi, 96), FW_BOLD))
{}

Look::~Look()
{
    DeleteObject(text_);
    DeleteObject(title_);
    for (const Brush &b : brushes_)
        if (b.brush)
            DeleteObject(b.brush);
}

COLORREF Look::colourOf(const Paint &paint) const
{
    return paint.system >= 0 ? GetSysColor(paint.system) : look::colourOf(paint.colour);
}

HBRUSH Look::brush(const Paint &paint)
{
    if (paint.system >= 0)
        return GetSysColorBrush(paint.system);
    const COLORREF wanted = look::colourOf(paint.colour);
    for (Brush &b : brushes_) {
        if (b.brush && b.colour == wanted)
            return b.brush;
        if (!b.brush) {
            b = {wanted, CreateSolidBrush(wanted)};
            return b.brush;
        }
    }
    return GetSysColorBrush(COLOR_WINDOW);
}

HBRUSH Look::colour(HDC dc, std::size_t row, definition::Colour window)
{
    const ControlPaint paint = paintOf(row, window, contrast_);
    SetTextColor(dc, colourOf(paint.text));
    SetBkColor(dc, colourOf(paint.background));
    return brush(paint.background);
}

void Look::paintBackground(HDC dc, const RECT &client, const RECT &frame, definition::Colour window)
{
    const Paint dialog{COLOR_BTNFACE, {}};
    FillRect(dc, &client, brush(contrast_ ? dialog : Paint{-1, window}));
    FillRect(dc, &frame, brush(contrast_ ? dialog : Paint{-1, definition::frameBackground}));
}

void Look::drawButton(const DRAWITEMSTRUCT &item, std::u16string_view caption)
{
    RECT r = item.rcItem;
    HDC dc = item.hDC;
    const bool pressed = item.itemState & ODS_SELECTED;
    FillRect(dc, &r,
             brush(contrast_ ? Paint{COLOR_BTNFACE, {}} : Paint{-1, definition::exitButton}));
    DrawEdge(dc, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    RECT inside = r;
    if (pressed)
        OffsetRect(&inside, 1, 1);
    HGDIOBJ old = SelectObject(dc, text_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(dc, reinterpret_cast<const wchar_t *>(caption.data()), int(caption.size()), &inside,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    if (item.itemState & ODS_FOCUS) {
        const int inset = MulDiv(4, dpi_, 96);
        InflateRect(&r, -inset, -inset);
        DrawFocusRect(dc, &r);
    }
}

} // namespace look
