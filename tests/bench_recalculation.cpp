// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// How long one recalculation takes: the mass with its writes to the result field.

#include "app/window/formwindow.h"

#include <QComboBox>
#include <QTest>

class BenchRecalculation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void recalculation();
    void recalculationWithPictureChange();
};

void BenchRecalculation::recalculation()
{
    FormWindow form(QLocale(QLocale::Russian, QLocale::Russia));
    form.Load();
    QBENCHMARK {
        form.AA();
    }
}

void BenchRecalculation::recalculationWithPictureChange()
{
    FormWindow form(QLocale(QLocale::Russian, QLocale::Russia));
    form.Load();
    auto *joint = form.findChild<QComboBox *>(QStringLiteral("Комбо2"));
    int i = 0;
    QBENCHMARK {
        joint->setEditText(joint->itemText(++i % joint->count()));
        form.AA();
    }
}

QTEST_MAIN(BenchRecalculation)
#include "bench_recalculation.moc"
