// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// The window icon, the icon theme's files and the Windows program's icon: the art
// survives the build's conversion unchanged, and every size is one of the drawn sizes
// enlarged by a whole number, never blurred.
#include "app/window/icon.h"

#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <QTest>

class TstIcon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void artIsTheDrawnIcon();
    void themeSizes_data();
    void themeSizes();
    void windowsSizes_data();
    void windowsSizes();
    void windowIconSizes_data();
    void windowIconSizes();
};

namespace {

QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// True when every pixel of `big` is the art's pixel under it.
bool isBlockEnlargement(const QImage &big, const QImage &art)
{
    const int factor = big.width() / art.width();
    if (big.size() != art.size() * factor)
        return false;
    const QImage b = rgb(big), a = rgb(art);
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if (b.pixel(x, y) != a.pixel(x / factor, y / factor))
                return false;
    return true;
}

QImage drawn(const QString &file)
{
    return QImageReader(QStringLiteral(ASSETS_DIR "/") + file, "ICO").read();
}

} // namespace

void TstIcon::artIsTheDrawnIcon()
{
    QImageReader ico(QStringLiteral(ASSETS_DIR "/icon.ico"), "ICO");
    const QImage drawn = ico.read();
    QCOMPARE(drawn.size(), QSize(32, 32));
    QCOMPARE(rgb(icon::art()), rgb(drawn));
}

// Each size is made of the largest drawing that divides it: 48 of the 24, whose
// pixels are finer than the 16's enlarged three times.
void TstIcon::themeSizes_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("drawing");
    QTest::newRow("16x16") << 16 << QStringLiteral("icon-16.ico");
    QTest::newRow("24x24") << 24 << QStringLiteral("icon-24.ico");
    QTest::newRow("32x32") << 32 << QStringLiteral("icon.ico");
    QTest::newRow("48x48") << 48 << QStringLiteral("icon-24.ico");
    QTest::newRow("64x64") << 64 << QStringLiteral("icon.ico");
    QTest::newRow("96x96") << 96 << QStringLiteral("icon.ico");
    QTest::newRow("128x128") << 128 << QStringLiteral("icon.ico");
    QTest::newRow("256x256") << 256 << QStringLiteral("icon.ico");
}

void TstIcon::themeSizes()
{
    QFETCH(int, size);
    QFETCH(QString, drawing);
    const QString file = QStringLiteral(ICON_DIR "/hicolor/%1x%1/apps/" APP_ID ".png").arg(size);
    QImageReader reader(file, "PNG");
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(file + QStringLiteral(": ") + reader.errorString()));
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(isBlockEnlargement(image, drawn(drawing)));
}

// The program's icon on Windows holds every size Explorer, the task bar and the window
// switcher ask for, from 16 pixels at 100 % to 256: the same images as the icon theme,
// bitmaps of the 16 colours drawn, and the largest a PNG.
void TstIcon::windowsSizes_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("size");
    QList<int> sizes{16, 24, 32, 48, 64, 96, 256};
    for (int i = 0; i < sizes.size(); ++i)
        QTest::addRow("%dx%d", sizes[i], sizes[i]) << i << sizes[i];
}

void TstIcon::windowsSizes()
{
    QFETCH(int, index);
    QFETCH(int, size);
    const QString path = QStringLiteral(ICON_DIR "/" APP_ID ".ico");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray ico = file.readAll();
    QVERIFY(ico.size() > 6 + 16 * 7);
    const auto byte = [](const QByteArray &bytes, int at) { return quint32(quint8(bytes.at(at))); };
    const auto le16 = [&](int at) { return quint16(byte(ico, at) | byte(ico, at + 1) << 8); };
    const auto le32 = [&](int at) { return quint32(le16(at) | quint32(le16(at + 2)) << 16); };
    QCOMPARE(le16(4), quint16(7)); // images
    const int entry = 6 + 16 * index;
    QCOMPARE(quint8(ico[entry]), quint8(size % 256));
    const QByteArray data = ico.mid(int(le32(entry + 12)), int(le32(entry + 8)));
    if (size == 256) {
        QVERIFY(data.startsWith("\x89PNG\r\n\x1a\n"));
        QCOMPARE(le16(entry + 6), quint16(32)); // bits per pixel
    } else {
        QVERIFY(data.size() > 8);
        QCOMPARE(byte(data, 4) | byte(data, 5) << 8, quint32(size)); // bitmap width
        QCOMPARE(le16(entry + 6), quint16(4));
    }

    QImageReader reader(path, "ICO");
    QVERIFY(reader.jumpToImage(index));
    const QImage image = reader.read();
    QCOMPARE(image.size(), QSize(size, size));
    const QImage theme(QStringLiteral(ICON_DIR "/hicolor/%1x%1/apps/" APP_ID ".png").arg(size));
    QCOMPARE(rgb(image), rgb(theme));
}

// The window offers the small drawings for title bars and task bars (16 at 100 %, 24
// at 150 %, 48 for the window switcher at 150 %) and the art's enlargements up to the
// screen's ratio: each the icon theme's image of that size.
void TstIcon::windowIconSizes_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QList<int>>("sizes");
    QTest::newRow("ordinary screen") << 1.0 << QList<int>{16, 24, 32, 48, 64};
    QTest::newRow("one and a half") << 1.5 << QList<int>{16, 24, 32, 48, 64};
    QTest::newRow("double") << 2.0 << QList<int>{16, 24, 32, 48, 64};
    QTest::newRow("just over double") << 2.25 << QList<int>{16, 24, 32, 48, 64, 96};
    QTest::newRow("triple") << 3.0 << QList<int>{16, 24, 32, 48, 64, 96};
}

void TstIcon::windowIconSizes()
{
    QFETCH(qreal, ratio);
    QFETCH(QList<int>, sizes);
    const QIcon icon = icon::windowIcon(ratio);
    QList<int> got;
    for (const QSize &s : icon.availableSizes())
        got.append(s.width());
    std::sort(got.begin(), got.end());
    QCOMPARE(got, sizes);
    for (int n : sizes) {
        const QImage theme(QStringLiteral(ICON_DIR "/hicolor/%1x%1/apps/" APP_ID ".png").arg(n));
        QVERIFY2(rgb(icon.pixmap(n, n).toImage()) == rgb(theme), qPrintable(QString::number(n)));
    }
}

QTEST_MAIN(TstIcon)
#include "tst_icon.moc"
