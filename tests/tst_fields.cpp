// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// The fields' contract over the toolkit's widgets: the table that the logic's store of
// texts meets too. The toolkit tells of a write from code as of any change of a text
// box; the window forwards the user's own edits only.

#include "core/contract.h"
#include "formdriver.h"

class TstFields : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void contract_data();
    void contract();
};

void TstFields::contract_data()
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < contract::rows.size(); ++i)
        QTest::newRow(contract::rows[i].name) << int(i);
}

void TstFields::contract()
{
    QFETCH(int, row);
    FormDriver d(QLocale(QLocale::Russian, QLocale::Russia));
    const contract::Row &r = contract::rows[std::size_t(row)];
    const int before = d.form.calculations();
    contract::write(d.form.fields(), r);
    QCOMPARE(d.form.calculations() - before, 0);
}

QTEST_MAIN(TstFields)
#include "tst_fields.moc"
