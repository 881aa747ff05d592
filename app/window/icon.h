// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The window icon at every size the desktop asks for: its 32 × 32 art and the small
// drawings at 16 and 24, each enlarged by whole numbers so that it never blurs.

#include <QIcon>
#include <QImage>

namespace icon {

inline constexpr int artSize = 32;

// The icon's art, 32 × 32, as the build converted it from the drawn icon file.
QImage art();

// The icon as drawn at `size` pixels: the art, or the small drawing at 16 or 24.
QImage drawing(int size);

// The art at 32, first; the small drawings at 16 and 24 and the 24 enlarged twice,
// the sizes of title bars and task bars; and the art at each whole multiple up to the
// one a screen of the given device pixel ratio needs (at least 64, which window
// managers like for task lists).
QIcon windowIcon(qreal devicePixelRatio);

} // namespace icon
