// The electrode catalogue: areas, brand lists and brand properties.

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
    QTest::addColumn<int>("length"); // -1: no description
    QTest::addColumn<QString>("start");

    QTest::newRow("auxiliary") << "вспомогательные конструкции" << 57 << "Сварка вспомогательных";
    QTest::newRow("load-bearing") << "несущие конструкции" << 64 << "Сварка несущих";
    QTest::newRow("simple corrosion") << "антикоррозионные простые" << 162 << "Для сварки";
    QTest::newRow("critical corrosion") << "антикоррозионные ответственные" << 159 << "Для сварки";
    QTest::newRow("empty") << "" << -1 << "";
    QTest::newRow("capital letter") << "Несущие конструкции" << -1 << "";
    QTest::newRow("trailing blank") << "несущие конструкции " << -1 << "";
}

void TstCatalogue::areaDescription()
{
    QFETCH(QString, area);
    QFETCH(int, length);
    QFETCH(QString, start);
    const auto description = catalogue::areaDescription(area);
    QCOMPARE(description.has_value(), length >= 0);
    if (description) {
        QCOMPARE(description->size(), length);
        QVERIFY(description->startsWith(start));
    }
}

void TstCatalogue::brandList_data()
{
    QTest::addColumn<QString>("area");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("defaultBrand");

    QTest::newRow("auxiliary") << "вспомогательные конструкции" << 6 << "АНО-1" << "ВСЦ-2" << "АНО-3";
    QTest::newRow("load-bearing") << "несущие конструкции" << 17 << "АНО-3" << "УП-2/55" << "МР-3";
    QTest::newRow("simple corrosion") << "антикоррозионные простые" << 1 << "ОЗЛ-8" << "ОЗЛ-8" << "ОЗЛ-8";
    QTest::newRow("critical corrosion")
        << "антикоррозионные ответственные" << 4 << "ЗИО-3" << "ЦТ-15" << "ОЗЛ-7";
    QTest::newRow("empty takes the last list") << "" << 4 << "ЗИО-3" << "ЦТ-15" << "ОЗЛ-7";
    QTest::newRow("other text takes the last list") << "простые" << 4 << "ЗИО-3" << "ЦТ-15" << "ОЗЛ-7";
}

void TstCatalogue::brandList()
{
    QFETCH(QString, area);
    QFETCH(int, count);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, defaultBrand);
    const catalogue::BrandList list = catalogue::brandListFor(area);
    QCOMPARE(int(list.brands.size()), count);
    QCOMPARE(list.brands.front(), first);
    QCOMPARE(list.brands.back(), last);
    QCOMPARE(list.defaultBrand, defaultBrand);
    QVERIFY(std::find(list.brands.begin(), list.brands.end(), list.defaultBrand) !=
            list.brands.end());
    // The list shows in the order appended, which is alphabetical.
    QVERIFY(std::is_sorted(list.brands.begin(), list.brands.end(),
                           [](QStringView a, QStringView b) { return a.compare(b) < 0; }));
}

void TstCatalogue::brand_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("type");       // empty: no such brand
    QTest::addColumn<QString>("coefficient");

    QTest::newRow("АНО-1") << "АНО-1" << "Э42" << "1,5";
    QTest::newRow("АНО-3") << "АНО-3" << "Э46" << "1,6";
    QTest::newRow("АНО-6") << "АНО-6" << "Э42" << "1,7";
    QTest::newRow("ВСЦ-3") << "ВСЦ-3" << "Э50" << "1,5";
    QTest::newRow("ДСК-50") << "ДСК-50" << "Э50А" << "1,6";
    QTest::newRow("ЗИО-3") << "ЗИО-3" << "Э-08Х19Н10Г2Б" << "1,6";
    QTest::newRow("МР-3") << "МР-3" << "Э46" << "1,7";
    QTest::newRow("ОЗЛ-7") << "ОЗЛ-7" << "Э-08Х20Н9Г2Б" << "1,6";
    QTest::newRow("ОЗЛ-8") << "ОЗЛ-8" << "Э-07Х20Н9" << "1,6";
    QTest::newRow("ОЗС-6") << "ОЗС-6" << "Э46" << "1,5";
    QTest::newRow("СМ-11") << "СМ-11" << "Э42А" << "1,7";
    QTest::newRow("УОНИ-13/45") << "УОНИ-13/45" << "Э42А" << "1,4";
    QTest::newRow("УОНИ-13/55") << "УОНИ-13/55" << "Э50А" << "1,4";
    QTest::newRow("УОНИ-13/65") << "УОНИ-13/65" << "Э60" << "1,6";
    QTest::newRow("УП-2/55") << "УП-2/55" << "Э50А" << "1,7";
    QTest::newRow("ЦЛ-11") << "ЦЛ-11" << "Э-08Х20Н9Г2Б" << "1,8";
    QTest::newRow("ЦТ-15") << "ЦТ-15" << "Э-08Х19Н10Г2Б" << "1,7";
    QTest::newRow("empty") << "" << "" << "";
    QTest::newRow("lower case") << "ано-3" << "" << "";
    QTest::newRow("trailing blank") << "АНО-3 " << "" << "";
    QTest::newRow("Latin look-alikes") << "AHO-3" << "" << "";
    QTest::newRow("number the series lacks") << "АНО-2" << "" << "";
}

void TstCatalogue::brand()
{
    QFETCH(QString, name);
    QFETCH(QString, type);
    QFETCH(QString, coefficient);
    const catalogue::Brand *brand = catalogue::findBrand(name);
    QCOMPARE(brand != nullptr, !type.isEmpty());
    if (brand) {
        QCOMPARE(brand->type, type);
        QCOMPARE(brand->coefficient, coefficient);
    }
}

// 26 brands, each offered by some area, and every offered brand known.
void TstCatalogue::everyListedBrandHasARow()
{
    QSet<QString> listed;
    for (const catalogue::Area &area : catalogue::areas)
        for (QStringView brand : catalogue::brandListFor(area.name).brands) {
            QVERIFY2(catalogue::findBrand(brand), qPrintable(brand.toString()));
            listed.insert(brand.toString());
        }
    QCOMPARE(listed.size(), 26);
    QCOMPARE(int(catalogue::brands.size()), 26);
    for (const catalogue::Brand &brand : catalogue::brands)
        QVERIFY2(listed.contains(brand.name.toString()), qPrintable(brand.name.toString()));
}

// A Latin look-alike letter would make a name that no list item equals.
void TstCatalogue::onlyCyrillicLetters()
{
    QStringList texts;
    for (const catalogue::Area &area : catalogue::areas)
        texts << area.name.toString() << area.description.toString();
    for (const catalogue::Brand &brand : catalogue::brands)
        texts << brand.name.toString() << brand.type.toString() << brand.coefficient.toString();
    for (const QString &text : std::as_const(texts))
        for (const QChar c : text)
            QVERIFY2(!c.isLetter() || c.script() == QChar::Script_Cyrillic, qPrintable(text));
}

QTEST_GUILESS_MAIN(TstCatalogue)
#include "tst_catalogue.moc"
