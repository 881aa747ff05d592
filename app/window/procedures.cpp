// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// The bodies of the window's procedures: each reads the fields, asks the catalogue or
// the calculation, and writes the fields.

#include "app/window/form.h"

#include "app/window/accessibility.h"
#include "app/input/keyrule.h"
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
    const auto description = catalogue::areaDescription(ui.Комбо5->currentText());
    ui.Метка10->setText(description ? description->toString() : QString());
}

void Форма1::Марка()
{
    ui.Комбо6->clear();
    const catalogue::BrandList list = catalogue::brandListFor(ui.Комбо5->currentText());
    for (QStringView brand : list.brands)
        ui.Комбо6->addItem(brand.toString());
    setListText(ui.Комбо6, list.defaultBrand.toString());
}

void Форма1::Тип()
{
    // The type label first, then the coefficient, whose write recomputes the mass. A
    // text that names no brand has neither, and so no mass.
    const catalogue::Brand *brand = catalogue::findBrand(ui.Комбо6->currentText());
    const QString type = brand ? brand->type.toString() : QString();
    ui.Метка13->setText(type);
    ui.Метка13->setAccessibleDescription(type);
    writeCoefficient(brand ? brand->coefficient.toString() : QString());
}

QLabel *Форма1::imageOf(calc::Joint joint) const
{
    return ui.images[std::size_t(joint)];
}

void Форма1::AA()
{
    ++calculations_;
    const QString leg = ui.Комбо1->currentText();
    const QString joint = ui.Комбо2->currentText();
    const QString position = ui.Комбо3->currentText();
    const QString seam = ui.Комбо4->currentText();
    const QString coefficient = ui.Текст1->text();
    const QString length = ui.Текст2->text();

    const calc::MassResult result =
        calc::computeMass({leg, joint, position, seam, coefficient, length}, locale_);

    if (result.picture) {
        const QPixmap picture = imageOf(*result.picture)->pixmap();
        if (ui.Рисунок1->pixmap().cacheKey() != picture.cacheKey()) {
            ui.Рисунок1->setPixmap(picture);
            ui.Рисунок1->setAccessibleDescription(accessibility::jointDescription(joint));
        }
    }

    // No mass, no number: a failed calculation never leaves an older result on show.
    std::optional<calc::MassTexts> texts;
    if (result.status == calc::Status::Ok)
        texts = calc::massTexts(result.mass, locale_);
    if (!texts) {
        computed_.clear();
        ui.Текст3->clear();
        return;
    }
    ui.Текст3->setText(texts->full);
    computed_ = texts->rounded;
    showResult(computed_);
}
