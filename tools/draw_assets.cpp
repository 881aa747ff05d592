// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// Draws the six joint pictures (120 x 95, 1 bit per pixel BMP), the window icon
// (32 x 32, 16 colours ICO) and the icon's small sizes (16 x 16 and 24 x 24, the same)
// into the folder given as the only argument.
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

#include "tools/ico.h"

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

// A two-colour Windows bitmap: palette entry 0 black, 1 white; rows bottom-up.
QByteArray monoBitmap(const QImage &image)
{
    const int stride = ((image.width() + 31) / 32) * 4;
    const quint32 pixels = quint32(stride * image.height());
    QByteArray out;
    out.append("BM", 2);
    ico::put32(out, 14 + 40 + 8 + pixels);
    ico::put32(out, 0);
    ico::put32(out, 14 + 40 + 8);
    ico::putInfoHeader(out, image.width(), image.height(), 1, pixels);
    ico::put32(out, 0x00000000);
    ico::put32(out, 0x00ffffff);
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) >= 128)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
    return out;
}

enum : int { black = 0, darkRed = 1, lightGrey = 7, red = 9, yellow = 11 };
using ico::vga;

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
        return QPolygonF{
            {QPointF(16, 16 - r), QPointF(16 + r, 16), QPointF(16, 16 + r), QPointF(16 - r, 16)}};
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

// The icon at 16 and 24 pixels, drawn pixel by pixel: at these sizes the rasterised
// burst loses its symmetry and the outline its steps. The same diamond on the same
// burst, its outline 1 and 2 pixels wide, the mark 2 pixels wide. One letter a
// pixel: . black, r dark red, R red, g light grey, Y yellow.
// clang-format off
constexpr std::array<const char *, 16> icon16Pixels{
    "................",
    ".......rr.......",
    "....r..RR..r....",
    ".....rRggRr.....",
    "..r.rRgYYgRr.r..",
    "...rRggYYggRr...",
    "...RgggYYgggR...",
    ".rRggggYYggggRr.",
    ".rRggggYYggggRr.",
    "...RggggggggR...",
    "...rRggYYggRr...",
    "..r.rRgYYgRr.r..",
    ".....rRggRr.....",
    "....r..RR..r....",
    ".......rr.......",
    "................",
};
constexpr std::array<const char *, 24> icon24Pixels{
    "........................",
    "........................",
    "......r....rr....r......",
    "......rr...RR...rr......",
    ".......rr.RRRR.rr.......",
    ".......rrRRggRRrr.......",
    "..rr...rRRggggRRr...rr..",
    "...rrrrRRggYYggRRrrrr...",
    "....rrRRggYYYYggRRrr....",
    ".....RRgggYYYYgggRR.....",
    "....RRggggYYYYggggRR....",
    "..rRRgggggYYYYgggggRRr..",
    "..rRRggggggYYggggggRRr..",
    "....RRgggggYYgggggRR....",
    ".....RRggggggggggRR.....",
    "....rrRRggggggggRRrr....",
    "...rrrrRRggYYggRRrrrr...",
    "..rr...rRRgYYgRRr...rr..",
    ".......rrRRggRRrr.......",
    ".......rr.RRRR.rr.......",
    "......rr...RR...rr......",
    "......r....rr....r......",
    "........................",
    "........................",
};
// clang-format on

template <std::size_t n> QImage drawPixels(const std::array<const char *, n> &rows)
{
    constexpr int size = int(n);
    QImage icon(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const char c = rows[y][x];
            const int index = c == 'r'   ? darkRed
                              : c == 'R' ? red
                              : c == 'g' ? lightGrey
                              : c == 'Y' ? yellow
                                         : black;
            icon.setPixel(x, y, vga[index]);
        }
    return icon;
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
    ok = write(dir, "icon.ico", ico::file({drawIcon()})) && ok;
    ok = write(dir, "icon-16.ico", ico::file({drawPixels(icon16Pixels)})) && ok;
    ok = write(dir, "icon-24.ico", ico::file({drawPixels(icon24Pixels)})) && ok;
    return ok ? 0 : 1;
}
