// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The built-in pictures: read by the format they are stored in, and on screens with
// more than one device pixel to a pixel enlarged by whole numbers, each pixel becoming
// a square block, so that they stay as sharp as drawn.

#include <QImage>
#include <QImageReader>
#include <QPixmap>

namespace crisp {

// The picture at `path`, read as `format` only: probing every image plugin for a
// format we already know would load them all for nothing.
inline QImage read(const QString &path, const char *format)
{
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// The image enlarged `factor` times, each pixel a square block.
inline QImage enlarged(const QImage &image, int factor)
{
    return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// The picture for a screen of the given ratio, whole or fractional: enlarged
// nearest-neighbour to the device pixels it covers and carrying that ratio, so that
// it is shown pixel for pixel, never smoothed, and keeps only the colours drawn.
inline QPixmap forScreen(const QImage &image, qreal devicePixelRatio)
{
    if (devicePixelRatio == 1.0)
        return QPixmap::fromImage(image);
    const QSize device(qRound(image.width() * devicePixelRatio),
                       qRound(image.height() * devicePixelRatio));
    QPixmap picture =
        QPixmap::fromImage(image.scaled(device, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    picture.setDevicePixelRatio(devicePixelRatio);
    return picture;
}

} // namespace crisp
