// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// The electrode catalogue: areas, brand lists and brand properties. Every entry is
// written out here as the catalogue must hold it, so that no changed letter or digit
// goes unnoticed.

#include "app/window/qtext.h"
#include "catalogue/catalogue.h"

#include <QSet>
#include <QTest>

class TstCatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void areaDescription_data();
    void areaDescription();
    void brandList_data();
    void brandList();
    void brand_data();
    void brand();
    void everyListedBrandHasARow();
    void onlyCyrillicLetters();
};

void TstCatalogue::areaDescription_data()
{
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("description"); // empty: no description

    QTest::newRow("auxiliary") << "вспомогательные конструкции"
                               << "Сварка вспомогательных конструкций из углеродистых сталей";
    QTest::newRow("load-bearing")
        << "несущие конструкции"
        << "Сварка несущих конструкций из углеродистых горячекатанных сталей";
    QTest::newRow("simple corrosion")
        << "антикоррозионные простые"
        << "Для сварки конструкций из коррозионно-стойких хромоникелевых сталей, когда к металлу "
           "шва не предъявляют жесткие требования стойкости к межкристаллической коррозии";
    QTest::newRow("critical corrosion")
        << "антикоррозионные ответственные"
        << "Для сварки конструкций из коррозионно-стойких хромоникелевых сталей, когда к металлу "
           "шва предъявляют жесткие требования стойкости к межкристаллической коррозии";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("capital letter") << "Несущие конструкции"
                                    << "";
    QTest::newRow("trailing blank") << "несущие конструкции "
                                    << "";
    QTest::newRow("cut by a letter") << "несущие конструкци"
                                     << "";
}

void TstCatalogue::areaDescription()
{
    QFETCH(QString, area);
    QFETCH(QString, description);
    const auto found = catalogue::areaDescription(qtext::fromQt(area));
    QCOMPARE(found.has_value(), !description.isEmpty());
    if (found)
        QCOMPARE(qtext::toQt(*found), description);
}

void TstCatalogue::brandList_data()
{
    QTest::addColumn<QString>("area");
    QTest::addColumn<QStringList>("brands");
    QTest::addColumn<QString>("defaultBrand");

    const QStringList auxiliary{"АНО-1", "АНО-3", "АНО-4", "АНО-5", "АНО-6", "ВСЦ-2"};
    const QStringList loadBearing{"АНО-3",      "АНО-4",      "ВСЦ-3",      "ДСК-50",  "МР-3",
                                  "ОЗС-3",      "ОЗС-4",      "ОЗС-6",      "РБУ-5",   "СМ-11",
                                  "УОНИ-13/45", "УОНИ-13/55", "УОНИ-13/65", "УП-1/45", "УП-1/55",
                                  "УП-2/45",    "УП-2/55"};
    const QStringList critical{"ЗИО-3", "ОЗЛ-7", "ЦЛ-11", "ЦТ-15"};
    QTest::newRow("auxiliary") << "вспомогательные конструкции" << auxiliary << "АНО-3";
    QTest::newRow("load-bearing") << "несущие конструкции" << loadBearing << "МР-3";
    QTest::newRow("simple corrosion")
        << "антикоррозионные простые" << QStringList{"ОЗЛ-8"} << "ОЗЛ-8";
    QTest::newRow("critical corrosion") << "антикоррозионные ответственные" << critical << "ОЗЛ-7";
    QTest::newRow("empty takes the last list") << "" << critical << "ОЗЛ-7";
    QTest::newRow("other text takes the last list") << "простые" << critical << "ОЗЛ-7";
    QTest::newRow("cut area takes the last list")
        << "вспомогательные конструкци" << critical << "ОЗЛ-7";
}

void TstCatalogue::brandList()
{
    QFETCH(QString, area);
    QFETCH(QStringList, brands);
    QFETCH(QString, defaultBrand);
    const catalogue::BrandList list = catalogue::brandListFor(qtext::fromQt(area));
    QStringList shown;
    for (const std::u16string_view brand : list.brands)
        shown << qtext::toQt(brand);
    QCOMPARE(shown, brands);
    QCOMPARE(qtext::toQt(list.defaultBrand), defaultBrand);
}

void TstCatalogue::brand_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("type"); // empty: no such brand
    QTest::addColumn<QString>("coefficient");

    QTest::newRow("АНО-1") << "АНО-1"
                           << "Э42"
                           << "1,5";
    QTest::newRow("АНО-3") << "АНО-3"
                           << "Э46"
                           << "1,6";
    QTest::newRow("АНО-4") << "АНО-4"
                           << "Э46"
                           << "1,6";
    QTest::newRow("АНО-5") << "АНО-5"
                           << "Э42"
                           << "1,6";
    QTest::newRow("АНО-6") << "АНО-6"
                           << "Э42"
                           << "1,7";
    QTest::newRow("ВСЦ-2") << "ВСЦ-2"
                           << "Э42"
                           << "1,5";
    QTest::newRow("ВСЦ-3") << "ВСЦ-3"
                           << "Э50"
                           << "1,5";
    QTest::newRow("ДСК-50") << "ДСК-50"
                            << "Э50А"
                            << "1,6";
    QTest::newRow("ЗИО-3") << "ЗИО-3"
                           << "Э-08Х19Н10Г2Б"
                           << "1,6";
    QTest::newRow("МР-3") << "МР-3"
                          << "Э46"
                          << "1,7";
    QTest::newRow("ОЗЛ-7") << "ОЗЛ-7"
                           << "Э-08Х20Н9Г2Б"
                           << "1,6";
    QTest::newRow("ОЗЛ-8") << "ОЗЛ-8"
                           << "Э-07Х20Н9"
                           << "1,6";
    QTest::newRow("ОЗС-3") << "ОЗС-3"
                           << "Э46"
                           << "1,6";
    QTest::newRow("ОЗС-4") << "ОЗС-4"
                           << "Э46"
                           << "1,6";
    QTest::newRow("ОЗС-6") << "ОЗС-6"
                           << "Э46"
                           << "1,5";
    QTest::newRow("РБУ-5") << "РБУ-5"
                           << "Э46"
                           << "1,7";
    QTest::newRow("СМ-11") << "СМ-11"
                           << "Э42А"
                           << "1,7";
    QTest::newRow("УОНИ-13/45") << "УОНИ-13/45"
                                << "Э42А"
                                << "1,4";
    QTest::newRow("УОНИ-13/55") << "УОНИ-13/55"
                                << "Э50А"
                                << "1,4";
    QTest::newRow("УОНИ-13/65") << "УОНИ-13/65"
                                << "Э60"
                                << "1,6";
    QTest::newRow("УП-1/45") << "УП-1/45"
                             << "Э42А"
                             << "1,7";
    QTest::newRow("УП-1/55") << "УП-1/55"
                             << "Э50А"
                             << "1,7";
    QTest::newRow("УП-2/45") << "УП-2/45"
                             << "Э42А"
                             << "1,7";
    QTest::newRow("УП-2/55") << "УП-2/55"
                             << "Э50А"
                             << "1,7";
    QTest::newRow("ЦЛ-11") << "ЦЛ-11"
                           << "Э-08Х20Н9Г2Б"
                           << "1,8";
    QTest::newRow("ЦТ-15") << "ЦТ-15"
                           << "Э-08Х19Н10Г2Б"
                           << "1,7";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
    QTest::newRow("lower case") << "ано-3"
                                << ""
                                << "";
    QTest::newRow("trailing blank") << "АНО-3 "
                                    << ""
                                    << "";
    QTest::newRow("Latin look-alikes") << "AHO-3"
                                       << ""
                                       << "";
    QTest::newRow("number the series lacks") << "АНО-2"
                                             << ""
                                             << "";
}

void TstCatalogue::brand()
{
    QFETCH(QString, name);
    QFETCH(QString, type);
    QFETCH(QString, coefficient);
    const catalogue::Brand *brand = catalogue::findBrand(qtext::fromQt(name));
    QCOMPARE(brand != nullptr, !type.isEmpty());
    if (brand) {
        QCOMPARE(qtext::toQt(brand->type), type);
        QCOMPARE(qtext::toQt(brand->coefficient), coefficient);
    }
}

// 26 brands, each offered by some area, and every offered brand known.
void TstCatalogue::everyListedBrandHasARow()
{
    QSet<QString> listed;
    for (const catalogue::Area &area : catalogue::areas)
        for (const std::u16string_view brand : catalogue::brandListFor(area.name).brands) {
            QVERIFY2(catalogue::findBrand(brand), qPrintable(qtext::toQt(brand)));
            listed.insert(qtext::toQt(brand));
        }
    QCOMPARE(listed.size(), 26);
    QCOMPARE(int(catalogue::brands.size()), 26);
    for (const catalogue::Brand &brand : catalogue::brands)
        QVERIFY2(listed.contains(qtext::toQt(brand.name)), qPrintable(qtext::toQt(brand.name)));
}

// A Latin look-alike letter would make a name that no list item equals.
void TstCatalogue::onlyCyrillicLetters()
{
    QStringList texts;
    for (const catalogue::Area &area : catalogue::areas)
        texts << qtext::toQt(area.name) << qtext::toQt(area.description);
    for (const catalogue::Brand &brand : catalogue::brands)
        texts << qtext::toQt(brand.name) << qtext::toQt(brand.type)
              << qtext::toQt(brand.coefficient);
    for (const QString &text : std::as_const(texts))
        for (const QChar c : text)
            QVERIFY2(!c.isLetter() || c.script() == QChar::Script_Cyrillic, qPrintable(text));
}

QTEST_GUILESS_MAIN(TstCatalogue)
#include "tst_catalogue.moc"
