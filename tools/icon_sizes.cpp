// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// Writes the window icon for the desktop's icon theme: its 32 x 32 art as drawn, and
// whole-number enlargements of it, each pixel a square block, so that no size is
// blurred. Usage: icon-sizes ICON.ico OUTDIR NAME SIZE...
// writes OUTDIR/hicolor/<n>x<n>/apps/NAME.png for each SIZE n, a multiple of 32, and the
// art as OUTDIR/window-icon.bmp, which the program reads with the toolkit's own
// BMP reader, as it reads the joint pictures.

#include "app/window/crisp.h"
#include "app/window/icon.h"

#include <QDir>
#include <QImageReader>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s ICON.ico OUTDIR NAME SIZE...\n", argv[0]);
        return 2;
    }
    QImageReader reader(QString::fromLocal8Bit(argv[1]), "ICO");
    const QImage art = reader.read();
    if (art.size() != QSize(icon::artSize, icon::artSize)) {
        std::fprintf(stderr, "%s: not a %d x %d icon: %s\n", argv[1], icon::artSize, icon::artSize,
                     qPrintable(reader.errorString()));
        return 1;
    }
    const QString out = QString::fromLocal8Bit(argv[2]);
    const QString name = QString::fromLocal8Bit(argv[3]);
    for (int i = 4; i < argc; ++i) {
        const int n = std::atoi(argv[i]);
        const int factor = n / icon::artSize;
        if (factor < 1 || n % icon::artSize != 0) {
            std::fprintf(stderr, "%s is not a whole multiple of %d\n", argv[i], icon::artSize);
            return 2;
        }
        const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(out).arg(n);
        const QString file = QStringLiteral("%1/%2.png").arg(dir, name);
        if (!QDir().mkpath(dir) || !crisp::enlarged(art, factor).save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    const QString bmp = out + QStringLiteral("/window-icon.bmp");
    if (!art.convertToFormat(QImage::Format_RGB32).save(bmp, "BMP")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(bmp));
        return 1;
    }
    return 0;
}
