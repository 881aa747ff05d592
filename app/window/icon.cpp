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

QImage drawing(int size)
{
    return size == artSize ? art()
                           : crisp::read(QStringLiteral(":/window-icon-%1.bmp").arg(size), "BMP");
}

QIcon windowIcon(qreal devicePixelRatio)
{
    const QImage image = art();
    const int largest = std::max(2, int(std::ceil(devicePixelRatio - 0.01)));
    QIcon result;
    // The window's own size first, as its definition asks.
    result.addPixmap(QPixmap::fromImage(image));
    const QImage small = drawing(24);
    result.addPixmap(QPixmap::fromImage(drawing(16)));
    result.addPixmap(QPixmap::fromImage(small));
    result.addPixmap(QPixmap::fromImage(crisp::enlarged(small, 2)));
    for (int factor = 2; factor <= largest; ++factor)
        result.addPixmap(QPixmap::fromImage(crisp::enlarged(image, factor)));
    return result;
}

} // namespace icon
