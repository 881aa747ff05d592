// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// The joint pictures and the icon's drawings: their formats, a few pixels of each drawing, and
// that the drawing program still makes exactly the files that are built in.

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

class TstAssets : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void picture_data();
    void picture();
    void icon_data();
    void icon();
    void regenerated_data();
    void regenerated();
};

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

quint32 le32(const QByteArray &b, int at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}
quint16 le16(const QByteArray &b, int at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

bool black(const QImage &image, QPoint p)
{
    return qGray(image.pixel(p)) < 128;
}

} // namespace

void TstAssets::picture_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QPoint>("blackCorner"); // a plate's outer corner
    QTest::addColumn<QPoint>("whiteInside"); // inside a plate, away from any bead
    QTest::addColumn<QPoint>("beadPoint");   // on a bead's outline
    QTest::newRow("Н1") << "n1.bmp" << QPoint(5, 25) << QPoint(20, 35) << QPoint(75, 25);
    QTest::newRow("Н2") << "n2.bmp" << QPoint(115, 66) << QPoint(100, 55) << QPoint(41, 66);
    QTest::newRow("Т1") << "t1.bmp" << QPoint(46, 3) << QPoint(56, 20) << QPoint(70, 76);
    QTest::newRow("Т3") << "t3.bmp" << QPoint(3, 90) << QPoint(90, 80) << QPoint(42, 76);
    QTest::newRow("У4") << "u4.bmp" << QPoint(18, 87) << QPoint(27, 70) << QPoint(37, 53);
    QTest::newRow("У5") << "u5.bmp" << QPoint(105, 19) << QPoint(80, 30) << QPoint(36, 15);
}

void TstAssets::picture()
{
    QFETCH(QString, file);
    QFETCH(QPoint, blackCorner);
    QFETCH(QPoint, whiteInside);
    QFETCH(QPoint, beadPoint);

    const QByteArray bmp = bytesOf(QStringLiteral(ASSETS_DIR "/") + file);
    QCOMPARE(bmp.size(), 1582);
    QCOMPARE(bmp.left(2), QByteArray("BM"));
    QCOMPARE(le32(bmp, 10), 62u);        // pixels after header and palette
    QCOMPARE(le32(bmp, 18), 120u);       // width
    QCOMPARE(le32(bmp, 22), 95u);        // height
    QCOMPARE(le16(bmp, 28), quint16(1)); // bits per pixel
    QCOMPARE(le32(bmp, 54), 0u);         // palette 0: black
    QCOMPARE(le32(bmp, 58), 0xffffffu);  // palette 1: white

    QImage image;
    QVERIFY(image.loadFromData(bmp, "BMP"));
    QCOMPARE(image.size(), QSize(120, 95));
    QVERIFY(black(image, blackCorner));
    QVERIFY(!black(image, whiteInside));
    // The bead's outline is 2 pixels wide around its point
    bool nearBead = false;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            nearBead = nearBead || black(image, beadPoint + QPoint(dx, dy));
    QVERIFY(nearBead);
    QVERIFY(!black(image, QPoint(0, 0)));
    QVERIFY(!black(image, QPoint(119, 94)));
}

// The window icon and its small drawings: 16 colours, all opaque, the same parts in
// the same colours at every size.
void TstAssets::icon_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("bytes");
    QTest::addColumn<QPoint>("mark");
    QTest::addColumn<QPoint>("diamond");
    QTest::addColumn<QPoint>("outline");
    QTest::addColumn<QPoint>("burst");
    QTest::newRow("32") << "icon.ico" << 32 << 766 << QPoint(16, 12) << QPoint(16, 25)
                        << QPoint(16, 27) << QPoint(16, 29);
    QTest::newRow("16") << "icon-16.ico" << 16 << 318 << QPoint(7, 5) << QPoint(4, 7)
                        << QPoint(2, 7) << QPoint(1, 7);
    QTest::newRow("24") << "icon-24.ico" << 24 << 510 << QPoint(11, 9) << QPoint(6, 11)
                        << QPoint(4, 11) << QPoint(2, 11);
}

void TstAssets::icon()
{
    QFETCH(QString, file);
    QFETCH(int, size);
    QFETCH(int, bytes);
    QFETCH(QPoint, mark);
    QFETCH(QPoint, diamond);
    QFETCH(QPoint, outline);
    QFETCH(QPoint, burst);
    const QByteArray ico = bytesOf(QStringLiteral(ASSETS_DIR "/") + file);
    QCOMPARE(ico.size(), bytes);
    QCOMPARE(le16(ico, 2), quint16(1)); // an icon
    QCOMPARE(le16(ico, 4), quint16(1)); // one image
    QCOMPARE(int(quint8(ico[6])), size);
    QCOMPARE(le16(ico, 12), quint16(4)); // 16 colours
    QImage image;
    QVERIFY(image.loadFromData(ico, "ICO"));
    QCOMPARE(image.size(), QSize(size, size));
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black)); // the ground
    QCOMPARE(image.pixelColor(mark), QColor(255, 255, 0));
    QCOMPARE(image.pixelColor(diamond), QColor(192, 192, 192));
    QCOMPARE(image.pixelColor(outline), QColor(255, 0, 0));
    QCOMPARE(image.pixelColor(burst), QColor(128, 0, 0));
    QVERIFY(!image.hasAlphaChannel() || image.pixelColor(0, 0).alpha() == 255);
}

void TstAssets::regenerated_data()
{
    QTest::addColumn<QString>("file");
    for (const char *f : {"n1.bmp", "n2.bmp", "t1.bmp", "t3.bmp", "u4.bmp", "u5.bmp", "icon.ico",
                          "icon-16.ico", "icon-24.ico"})
        QTest::newRow(f) << QString::fromLatin1(f);
}

void TstAssets::regenerated()
{
    QFETCH(QString, file);
    static QTemporaryDir dir;
    static bool drawn = false;
    if (!drawn) {
        QProcess draw;
        draw.start(QStringLiteral(DRAW_ASSETS), {dir.path()});
        QVERIFY(draw.waitForFinished(30000));
        QCOMPARE(draw.exitCode(), 0);
        drawn = true;
    }
    QCOMPARE(bytesOf(dir.filePath(file)), bytesOf(QStringLiteral(ASSETS_DIR "/") + file));
}

QTEST_GUILESS_MAIN(TstAssets)
#include "tst_assets.moc"
