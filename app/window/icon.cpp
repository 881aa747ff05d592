// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/window/icon.h"

#include "app/window/crisp.h"

#include <QPixmap>

#include <algorithm>
#include <cmath>

namespace icon {

QImage art()
{
    // A BMP is read by the toolkit itself, as the pictures are; the icon file would
    // load an image plugin, a PNG the PNG library.
    return crisp::read(QStringLiteral(":/window-icon.bmp"), "BMP");
}

QIcon windowIcon(qreal devicePixelRatio)
{
    const QImage image = art();
    const int largest = std::max(2, int(std::ceil(devicePixelRatio - 0.01)));
    QIcon result;
    for (int factor = 1; factor <= largest; ++factor)
        result.addPixmap(QPixmap::fromImage(factor == 1 ? image : crisp::enlarged(image, factor)));
    return result;
}

} // namespace icon
