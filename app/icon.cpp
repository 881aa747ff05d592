#include "app/icon.h"

#include "app/crisp.h"

#include <QImageReader>
#include <QPixmap>

#include <algorithm>
#include <cmath>

namespace icon {

QImage art()
{
    // A PNG is read by the toolkit itself; the icon file would load an image plugin.
    QImageReader reader(QStringLiteral(":/icon-32.png"), "PNG");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
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
