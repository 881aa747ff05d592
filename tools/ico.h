// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// Windows bitmaps and icon files as the drawing tools write them. An icon file is a
// directory of square images: each a 16-colour bitmap with an all-opaque mask, and
// the 256-pixel one a PNG file, as Windows keeps its largest icons. The icon is drawn
// in the 16 standard colours only, so every bitmap keeps every pixel as drawn.

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QtEndian>

#include <array>

namespace ico {

inline void put16(QByteArray &out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

inline void put32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

inline void putInfoHeader(QByteArray &out, int width, int height, int bits, quint32 imageSize)
{
    put32(out, 40);
    put32(out, quint32(width));
    put32(out, quint32(height));
    put16(out, 1);
    put16(out, quint16(bits));
    put32(out, 0); // no compression
    put32(out, imageSize);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
}

// The standard 16-colour palette, in the order of its indexes.
inline constexpr std::array<QRgb, 16> vga{
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
    0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff,
};

inline int nearestIndex(QRgb c)
{
    int best = 0, bestDistance = 1 << 30;
    for (int i = 0; i < int(vga.size()); ++i) {
        const int dr = qRed(c) - qRed(vga[i]), dg = qGreen(c) - qGreen(vga[i]),
                  db = qBlue(c) - qBlue(vga[i]);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

// The largest image is a PNG file, the others bitmaps.
inline constexpr int pngSize = 256;

// One image as its directory entry points to it: a 16-colour bitmap of twice the
// height, the colours' rows bottom-up and then the mask's, or a PNG file.
inline QByteArray image(const QImage &image)
{
    QByteArray out;
    const int size = image.width();
    if (size >= pngSize) {
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
        return out;
    }
    const int colourStride = (size * 4 + 31) / 32 * 4, maskStride = (size + 31) / 32 * 4;
    putInfoHeader(out, size, size * 2, 4, quint32((colourStride + maskStride) * size));
    for (QRgb c : vga)
        put32(out, c & 0x00ffffff);
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(colourStride, '\0');
        for (int x = 0; x < size; ++x)
            row[x / 2] = char(row[x / 2] | (nearestIndex(image.pixel(x, y)) << (x % 2 ? 0 : 4)));
        out.append(row);
    }
    out.append(QByteArray(maskStride * size, '\0'));
    return out;
}

// An icon file of the images, in the order given.
inline QByteArray file(const QList<QImage> &images)
{
    QList<QByteArray> data;
    for (const QImage &i : images)
        data.append(image(i));
    QByteArray out;
    put16(out, 0);
    put16(out, 1); // an icon
    put16(out, quint16(images.size()));
    quint32 offset = quint32(6 + 16 * images.size());
    for (int i = 0; i < images.size(); ++i) {
        const int size = images[i].width();
        const bool png = size >= pngSize;
        out.append(char(size % 256)); // 0 stands for 256
        out.append(char(size % 256));
        out.append(char(png ? 0 : 16)); // colours in the palette
        out.append(char(0));
        put16(out, 1);
        put16(out, png ? 32 : 4); // bits per pixel
        put32(out, quint32(data[i].size()));
        put32(out, offset);
        offset += quint32(data[i].size());
    }
    for (const QByteArray &d : data)
        out.append(d);
    return out;
}

} // namespace ico
