// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// The window icon and the icon theme's files: the art survives the build's conversion
// unchanged, and every larger size is the art enlarged by whole numbers, never blurred.
#include "app/window/icon.h"

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

} // namespace

void TstIcon::artIsTheDrawnIcon()
{
    QImageReader ico(QStringLiteral(ASSETS_DIR "/icon.ico"), "ICO");
    const QImage drawn = ico.read();
    QCOMPARE(drawn.size(), QSize(32, 32));
    QCOMPARE(rgb(icon::art()), rgb(drawn));
}

void TstIcon::themeSizes_data()
{
    QTest::addColumn<int>("size");
    for (int n : {32, 64, 128, 256})
        QTest::addRow("%dx%d", n, n) << n;
}

void TstIcon::themeSizes()
{
    QFETCH(int, size);
    const QString file = QStringLiteral(ICON_DIR "/hicolor/%1x%1/apps/" APP_ID ".png").arg(size);
    QImageReader reader(file, "PNG");
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(file + QStringLiteral(": ") + reader.errorString()));
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(isBlockEnlargement(image, icon::art()));
}

void TstIcon::windowIconSizes_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QList<int>>("sizes");
    QTest::newRow("ordinary screen") << 1.0 << QList<int>{32, 64};
    QTest::newRow("one and a half") << 1.5 << QList<int>{32, 64};
    QTest::newRow("double") << 2.0 << QList<int>{32, 64};
    QTest::newRow("just over double") << 2.25 << QList<int>{32, 64, 96};
    QTest::newRow("triple") << 3.0 << QList<int>{32, 64, 96};
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
    for (int n : sizes)
        QVERIFY2(isBlockEnlargement(icon.pixmap(n, n).toImage(), icon::art()),
                 qPrintable(QString::number(n)));
}

QTEST_MAIN(TstIcon)
#include "tst_icon.moc"
