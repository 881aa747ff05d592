// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// Draws the six joint pictures (120 x 95, 1 bit per pixel BMP) and the window icon
// (32 x 32, 16 colours ICO) into the folder given as the only argument.
//
// Every drawing is black outlines 2 pixels wide on white: each plate a rectangle, each
// weld bead a drop shape drawn over the plate edges it joins. Coordinates are pixels
// from the top-left corner and name outer corners, both ends included.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

struct Box {
    int x0, y0, x1, y1;
};

enum class Tip { Top, Bottom };

struct Bead {
    Box box;
    int tipX; // the drop's point, on the box's top or bottom edge
    Tip tip;
};

struct Joint {
    const char *file;
    std::array<Box, 2> plates;
    std::array<Bead, 2> beads;
    int beadCount;
};

constexpr int pictureWidth = 120;
constexpr int pictureHeight = 95;

// clang-format off
constexpr std::array<Joint, 6> joints{{
    {"n1.bmp", {{{5, 25, 75, 46}, {44, 45, 115, 64}}},
     {{{{65, 25, 84, 50}, 75, Tip::Top}, {}}}, 1},
    {"n2.bmp", {{{5, 25, 75, 46}, {41, 45, 115, 66}}},
     {{{{65, 25, 84, 50}, 75, Tip::Top}, {{32, 41, 51, 66}, 41, Tip::Bottom}}}, 2},
    {"t1.bmp", {{{46, 3, 67, 72}, {3, 71, 114, 90}}},
     {{{{61, 52, 80, 76}, 67, Tip::Top}, {}}}, 1},
    {"t3.bmp", {{{46, 3, 67, 72}, {3, 71, 114, 90}}},
     {{{{61, 52, 80, 76}, 67, Tip::Top}, {{33, 52, 52, 76}, 46, Tip::Top}}}, 2},
    {"u4.bmp", {{{18, 24, 37, 87}, {36, 19, 105, 40}}},
     {{{{32, 34, 53, 53}, 37, Tip::Bottom}, {}}}, 1},
    {"u5.bmp", {{{18, 29, 37, 87}, {36, 19, 105, 40}}},
     {{{{32, 34, 53, 53}, 37, Tip::Bottom}, {{17, 14, 37, 30}, 36, Tip::Top}}}, 2},
}};
// clang-format on

void drawPlate(QPainter &p, const Box &b)
{
    p.fillRect(b.x0, b.y0, b.x1 - b.x0 + 1, b.y1 - b.y0 + 1, Qt::black);
    p.fillRect(b.x0 + 2, b.y0 + 2, b.x1 - b.x0 - 3, b.y1 - b.y0 - 3, Qt::white);
}

// A round belly at the far end of the box and straight flanks to the point.
void drawBead(QPainter &p, const Bead &bead)
{
    // The pen is 2 pixels wide and centred on the path: keep the path 1 pixel inside.
    const double left = bead.box.x0 + 1, right = bead.box.x1, top = bead.box.y0 + 1,
                 bottom = bead.box.y1;
    const double rx = (right - left) / 2;
    const double ry = std::min(rx, 0.36 * (bottom - top));
    const QPointF centre((left + right) / 2, bead.tip == Tip::Top ? bottom - ry : top + ry);
    const QPointF point(bead.tipX + 0.5, bead.tip == Tip::Top ? top : bottom);

    // Where the flanks touch the belly: in a space where the belly is a circle.
    const double squash = rx / ry;
    const double dx = point.x() - centre.x(), dy = (point.y() - centre.y()) * squash;
    const double d = std::hypot(dx, dy);
    const double towardPoint = std::atan2(dy, dx);
    const double spread = d > rx ? std::acos(rx / d) : 0;

    QPolygonF outline;
    outline << point;
    constexpr int steps = 48;
    const double from = towardPoint + spread;
    const double sweep = 2 * std::numbers::pi - 2 * spread;
    for (int i = 0; i <= steps; ++i) {
        const double a = from + sweep * i / steps;
        outline << QPointF(centre.x() + rx * std::cos(a), centre.y() + ry * std::sin(a));
    }
    p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPolygon(outline);
}

QImage drawJoint(const Joint &joint)
{
    QImage image(pictureWidth, pictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const Box &plate : joint.plates)
        drawPlate(p, plate);
    for (int i = 0; i < joint.beadCount; ++i)
        drawBead(p, joint.beads[i]);
    return image;
}

void put16(QByteArray &out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void put32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

void putInfoHeader(QByteArray &out, int width, int height, int bits, quint32 imageSize)
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

// A two-colour Windows bitmap: palette entry 0 black, 1 white; rows bottom-up.
QByteArray monoBitmap(const QImage &image)
{
    const int stride = ((image.width() + 31) / 32) * 4;
    const quint32 pixels = quint32(stride * image.height());
    QByteArray out;
    out.append("BM", 2);
    put32(out, 14 + 40 + 8 + pixels);
    put32(out, 0);
    put32(out, 14 + 40 + 8);
    putInfoHeader(out, image.width(), image.height(), 1, pixels);
    put32(out, 0x00000000);
    put32(out, 0x00ffffff);
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) >= 128)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
    return out;
}

// The standard 16-colour palette, in the order of its indexes.
constexpr std::array<QRgb, 16> vga{
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080,
    0xff008080, 0xffc0c0c0, 0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00,
    0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff,
};
enum : int { black = 0, darkRed = 1, lightGrey = 7, red = 9, yellow = 11 };

QImage drawIcon()
{
    QImage icon(32, 32, QImage::Format_RGB32);
    icon.fill(vga[black]);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);

    QPolygonF burst;
    constexpr int spikes = 12;
    for (int i = 0; i < 2 * spikes; ++i) {
        const double a = std::numbers::pi * i / spikes - std::numbers::pi / 2;
        const double r = i % 2 == 0 ? 15.5 : 9.5;
        burst << QPointF(16 + r * std::cos(a), 16 + r * std::sin(a));
    }
    p.setBrush(QColor(vga[darkRed]));
    p.drawPolygon(burst);

    const auto diamond = [](double r) {
        return QPolygonF{{QPointF(16, 16 - r), QPointF(16 + r, 16), QPointF(16, 16 + r),
                          QPointF(16 - r, 16)}};
    };
    p.setBrush(QColor(vga[red]));
    p.drawPolygon(diamond(12.5));
    p.setBrush(QColor(vga[lightGrey]));
    p.drawPolygon(diamond(10));

    p.fillRect(15, 9, 2, 10, QColor(vga[yellow]));
    p.fillRect(14, 10, 4, 6, QColor(vga[yellow]));
    p.fillRect(15, 21, 2, 2, QColor(vga[yellow]));
    return icon;
}

int nearestIndex(QRgb c)
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

// One 16-colour image with an all-opaque mask.
QByteArray icon16(const QImage &image)
{
    const int size = image.width();
    const quint32 xorBytes = quint32(size * size / 2), andBytes = quint32(size * 4);
    QByteArray out;
    put16(out, 0);
    put16(out, 1); // an icon
    put16(out, 1); // one image
    out.append(char(size));
    out.append(char(size));
    out.append(char(16));
    out.append(char(0));
    put16(out, 1);
    put16(out, 4);
    put32(out, 40 + 64 + xorBytes + andBytes);
    put32(out, 6 + 16);
    putInfoHeader(out, size, size * 2, 4, xorBytes + andBytes);
    for (QRgb c : vga)
        put32(out, c & 0x00ffffff);
    for (int y = size - 1; y >= 0; --y)
        for (int x = 0; x < size; x += 2)
            out.append(char(nearestIndex(image.pixel(x, y)) << 4 |
                            nearestIndex(image.pixel(x + 1, y))));
    out.append(QByteArray(int(andBytes), '\0'));
    return out;
}

bool write(const QDir &dir, const char *name, const QByteArray &bytes)
{
    QFile file(dir.filePath(QString::fromLatin1(name)));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "draw-assets: cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw-assets FOLDER\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    for (const Joint &joint : joints)
        ok = write(dir, joint.file, monoBitmap(drawJoint(joint))) && ok;
    ok = write(dir, "icon.ico", icon16(drawIcon())) && ok;
    return ok ? 0 : 1;
}
