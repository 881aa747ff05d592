// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// The bodies of the window's procedures: each reads the fields, asks the catalogue or
// the calculation, and writes the fields.

#include "app/form.h"

#include "app/accessibility.h"
#include "app/keyrule.h"
#include "calc/mass.h"
#include "catalogue/catalogue.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

char16_t Форма1::OnlyMySymbols(const char16_t &keyCode, QStringView allowed) const
{
    return keyrule::onlyMySymbols(keyCode, allowed);
}

void Форма1::Область()
{
    // A text that names no area has no description.
    const auto description = catalogue::areaDescription(Комбо5->currentText());
    Метка10->setText(description ? description->toString() : QString());
}

void Форма1::Марка()
{
    Комбо6->clear();
    const catalogue::BrandList list = catalogue::brandListFor(Комбо5->currentText());
    for (QStringView brand : list.brands)
        Комбо6->addItem(brand.toString());
    setListText(Комбо6, list.defaultBrand.toString());
}

void Форма1::Тип()
{
    // The type label first, then the coefficient, whose write recomputes the mass. A
    // text that names no brand has neither, and so no mass.
    const catalogue::Brand *brand = catalogue::findBrand(Комбо6->currentText());
    const QString type = brand ? brand->type.toString() : QString();
    Метка13->setText(type);
    Метка13->setAccessibleDescription(type);
    Текст1->setText(brand ? brand->coefficient.toString() : QString());
}

QLabel *Форма1::imageOf(QStringView joint) const
{
    return findChild<QLabel *>(QStringLiteral("И_") + joint.toString());
}

void Форма1::AA()
{
    ++calculations_;
    const QString leg = Комбо1->currentText();
    const QString joint = Комбо2->currentText();
    const QString position = Комбо3->currentText();
    const QString seam = Комбо4->currentText();
    const QString coefficient = Текст1->text();
    const QString length = Текст2->text();

    const calc::MassResult result =
        calc::computeMass({leg, joint, position, seam, coefficient, length}, locale_);

    if (result.picture) {
        const QPixmap picture = imageOf(joint)->pixmap();
        if (Рисунок1->pixmap().cacheKey() != picture.cacheKey()) {
            Рисунок1->setPixmap(picture);
            Рисунок1->setAccessibleDescription(accessibility::jointDescription(joint));
        }
    }

    // No mass, no number: a failed calculation never leaves an older result on show.
    std::optional<calc::MassTexts> texts;
    if (result.status == calc::Status::Ok)
        texts = calc::massTexts(result.mass, locale_);
    if (!texts) {
        computed_.clear();
        Текст3->clear();
        return;
    }
    Текст3->setText(texts->full);
    computed_ = texts->rounded;
    Текст3->setText(computed_);
}
