// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// Writes the window icon at every size the desktops ask for, from its drawn sizes
// (the 32 x 32 window icon and its small drawings): each size is the largest drawing
// that divides it, enlarged by that whole number, each pixel a square block, so that
// no size is blurred. Usage:
//   icon-sizes OUTDIR NAME DRAWN.ico... --theme SIZE... --windows SIZE... [--web SIZE...]
//              [--maskable SIZE...]
// writes OUTDIR/hicolor/<n>x<n>/apps/NAME.png for each theme size n, the program's
// icon for Windows with every Windows size as OUTDIR/NAME.ico, the web app's icons as
// OUTDIR/web/icon-<n>.png and, for launchers that cut icons to a shape of their own,
// OUTDIR/web/icon-maskable-<n>.png: the art at three quarters of the size, whole blocks,
// on its own black ground, so that any shape leaves it whole. For the window the
// 32-pixel art as OUTDIR/window-icon.bmp and each other drawing as
// OUTDIR/window-icon-<n>.bmp, which the program reads with the toolkit's own BMP
// reader, as it reads the joint pictures.

#include "app/window/crisp.h"
#include "app/window/icon.h"
#include "tools/ico.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QMap>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

// The drawing the size is made of, enlarged.
std::optional<QImage> atSize(const QMap<int, QImage> &drawn, int n)
{
    for (auto i = drawn.constEnd(); i != drawn.constBegin();) {
        --i;
        if (n % i.key() == 0)
            return crisp::enlarged(i.value(), n / i.key());
    }
    return std::nullopt;
}

bool save(const QString &file, const QByteArray &bytes)
{
    QFile f(file);
    if (f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size())
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: %s OUTDIR NAME DRAWN.ico... --theme SIZE... --windows SIZE...\n",
                     argv[0]);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    QMap<int, QImage> drawn;
    QList<int> theme, windows, web, maskable;
    QList<int> *sizes = nullptr;
    for (int i = 3; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--theme" || arg == "--windows" || arg == "--web" || arg == "--maskable") {
            sizes = arg == "--theme"     ? &theme
                    : arg == "--windows" ? &windows
                    : arg == "--web"     ? &web
                                         : &maskable;
        } else if (sizes) {
            sizes->append(std::atoi(argv[i]));
        } else {
            QImageReader reader(QString::fromLocal8Bit(argv[i]), "ICO");
            const QImage image = reader.read();
            if (image.isNull() || image.width() != image.height()) {
                std::fprintf(stderr, "%s: not a square icon: %s\n", argv[i],
                             qPrintable(reader.errorString()));
                return 1;
            }
            drawn.insert(image.width(), image);
        }
    }
    if (!drawn.contains(icon::artSize)) {
        std::fprintf(stderr, "no %d x %d icon among the drawn ones\n", icon::artSize,
                     icon::artSize);
        return 2;
    }

    const QString webDir = out + QStringLiteral("/web");
    if ((!web.isEmpty() || !maskable.isEmpty()) && !QDir().mkpath(webDir)) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(webDir));
        return 1;
    }
    for (int n : maskable) {
        const int factor = n * 3 / 4 / icon::artSize;
        QImage image(n, n, QImage::Format_RGB32);
        image.fill(Qt::black);
        const QImage art = crisp::enlarged(drawn.value(icon::artSize), factor);
        for (int y = 0; y < art.height(); ++y)
            for (int x = 0; x < art.width(); ++x)
                image.setPixel((n - art.width()) / 2 + x, (n - art.height()) / 2 + y,
                               art.pixel(x, y));
        const QString file = QStringLiteral("%1/icon-maskable-%2.png").arg(webDir).arg(n);
        if (factor < 1 || !image.save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }

    QList<QImage> forWindows;
    for (QList<int> *list : {&theme, &windows, &web})
        for (int n : *list) {
            const std::optional<QImage> image = atSize(drawn, n);
            if (!image) {
                std::fprintf(stderr, "%d is no whole multiple of a drawn size\n", n);
                return 2;
            }
            if (list == &windows) {
                forWindows.append(*image);
                continue;
            }
            if (list == &web) {
                const QString file = QStringLiteral("%1/icon-%2.png").arg(webDir).arg(n);
                if (!image->save(file, "PNG")) {
                    std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
                    return 1;
                }
                continue;
            }
            const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(out).arg(n);
            const QString file = QStringLiteral("%1/%2.png").arg(dir, name);
            if (!QDir().mkpath(dir) || !image->save(file, "PNG")) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
                return 1;
            }
        }
    if (!save(QStringLiteral("%1/%2.ico").arg(out, name), ico::file(forWindows)))
        return 1;
    for (auto i = drawn.constBegin(); i != drawn.constEnd(); ++i) {
        const QString bmp = i.key() == icon::artSize
                                ? out + QStringLiteral("/window-icon.bmp")
                                : QStringLiteral("%1/window-icon-%2.bmp").arg(out).arg(i.key());
        if (!i.value().convertToFormat(QImage::Format_RGB32).save(bmp, "BMP")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(bmp));
            return 1;
        }
    }
    return 0;
}
