#include "app/icon.h"

#include <QImageReader>
#include <QPixmap>

#include <cmath>

namespace icon {

QImage art()
{
    QImageReader reader(QStringLiteral(":/icon.ico"), "ICO");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QImage enlarged(const QImage &image, int factor)
{
    return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QIcon windowIcon(qreal devicePixelRatio)
{
    const QImage image = art();
    const int largest = std::max(2, int(std::ceil(devicePixelRatio - 0.01)));
    QIcon result;
    for (int factor = 1; factor <= largest; ++factor)
        result.addPixmap(QPixmap::fromImage(factor == 1 ? image : enlarged(image, factor)));
    return result;
}

} // namespace icon
