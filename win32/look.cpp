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

HFONT fontOf(int pixels)
{
    LOGFONTW lf{};
    lf.lfHeight = -pixels;
    lf.lfWeight = FW_BOLD;
    lf.lfCharSet = RUSSIAN_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
    const std::wstring face = faceFor(pixels);
    lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    return CreateFontIndirectW(&lf);
}

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

Look::Look(int dpi)
    : dpi_(dpi), text_(fontOf(MulDiv(definition::fontPixels, dpi, 96))),
      title_(fontOf(MulDiv(definition::titleFontPixels, dpi, 96)))
{}

Look::~Look()
{
    DeleteObject(text_);
    DeleteObject(title_);
    for (const Brush &b : brushes_)
        if (b.brush)
            DeleteObject(b.brush);
}

HBRUSH Look::brush(definition::Colour colour)
{
    const COLORREF wanted = colourOf(colour);
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

} // namespace look
