// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "form/form.h"

#include "calc/mass.h"
#include "calc/numbers.h"
#include "catalogue/catalogue.h"
#include "form/definition.h"
#include "form/handlers.h"
#include "form/keyrule.h"
#include "form/lists.h"

#include <utility>
#include <vector>

namespace form {

Форма1::Форма1(Fields &fields, std::u16string_view separator)
    : fields_(fields), separator_(separator)
{
    for (std::size_t i = 0; i < fieldCount; ++i) {
        const Field field = Field(i);
        known_[i] = fields_.text(field);
        if (!isList(field))
            continue;
        const std::vector<std::u16string> items = itemsOf(field);
        if (items.empty())
            continue;
        const std::vector<std::u16string_view> views(items.begin(), items.end());
        fields_.fillList(field, views);
        fields_.setListText(field, known_[i]);
    }
}

void Форма1::Load()
{
    fields_.setBackground(Background::Loaded);
    setListText(Field::Комбо1, numbers::fromInt(5));
    setListText(Field::Комбо2, u"Н1");
    setListText(Field::Комбо3, u"Нижнее");
    setListText(Field::Комбо4, u"сплошной");
    setListText(Field::Комбо5, u"вспомогательные конструкции");
    setText(Field::Текст1, numbers::fromDouble(1.7, separator_));
    setText(Field::Текст2, numbers::fromInt(1000));
    Область();
    Марка();
    Тип();
    AA();
}

char16_t Форма1::OnlyMySymbols(const char16_t &keyCode, std::u16string_view allowed)
{
    return keyrule::onlyMySymbols(keyCode, allowed);
}

char16_t Форма1::KeyPress(Field field, char16_t keyCode)
{
    const definition::FieldRule *rule = definition::ruleOf(field);
    return rule ? OnlyMySymbols(keyCode, rule->allowed) : 0;
}

bool Форма1::takesWhole(Field field, std::u16string_view text)
{
    for (const char16_t c : text)
        if (c == keyrule::backspace || KeyPress(field, c) == 0)
            return false;
    return true;
}

bool Форма1::takesPastes(Field field)
{
    const definition::FieldRule *rule = definition::ruleOf(field);
    return rule && rule->pastes == definition::Pastes::Taken;
}

void Форма1::Область()
{
    // A text that names no area has no description.
    const auto description = catalogue::areaDescription(fields_.text(Field::Комбо5));
    fields_.setCaption(Field::Метка10, description.value_or(u""));
}

void Форма1::Марка()
{
    const catalogue::BrandList list = catalogue::brandListFor(fields_.text(Field::Комбо5));
    fields_.fillList(Field::Комбо6, list.brands);
    setListText(Field::Комбо6, list.defaultBrand);
}

void Форма1::Тип()
{
    // The type label first, then the coefficient, whose write recomputes the mass. A
    // text that names no brand has neither, and so no mass.
    const catalogue::Brand *brand = catalogue::findBrand(fields_.text(Field::Комбо6));
    fields_.setCaption(Field::Метка13, brand ? brand->type : u"");
    setText(Field::Текст1, brand ? brand->coefficient : u"");
}

void Форма1::AA()
{
    ++calculations_;
    const std::u16string leg = fields_.text(Field::Комбо1);
    const std::u16string joint = fields_.text(Field::Комбо2);
    const std::u16string position = fields_.text(Field::Комбо3);
    const std::u16string seam = fields_.text(Field::Комбо4);
    const std::u16string coefficient = fields_.text(Field::Текст1);
    const std::u16string length = fields_.text(Field::Текст2);

    const calc::MassResult result =
        calc::computeMass({leg, joint, position, seam, coefficient, length}, separator_);
    if (result.picture)
        fields_.showJoint(*result.picture);

    // No mass, no number: a failed calculation never leaves an older result on show.
    std::optional<calc::MassTexts> texts;
    if (result.status == calc::Status::Ok)
        texts = calc::massTexts(result.mass, separator_);
    if (!texts) {
        computed_.clear();
        setText(Field::Текст3, u"");
        return;
    }
    setText(Field::Текст3, texts->full);
    computed_ = texts->rounded;
    setText(Field::Текст3, computed_);
}

void Форма1::run(Field field, Event event)
{
    for (const Procedure p : handlerOf(field, event)) {
        switch (p) {
        case Procedure::Область:
            Область();
            break;
        case Procedure::Марка:
            Марка();
            break;
        case Procedure::Тип:
            Тип();
            break;
        case Procedure::AA:
            AA();
            break;
        }
    }
}

void Форма1::setText(Field textBox, std::u16string_view text)
{
    fields_.setText(textBox, text);
    known_[std::size_t(textBox)] = text;
    run(textBox, Event::Change);
}

void Форма1::setListText(Field list, std::u16string_view text)
{
    fields_.setListText(list, text);
    known_[std::size_t(list)] = text;
}

void Форма1::picked(Field list, std::u16string_view item)
{
    setListText(list, item);
    run(list, Event::Click);
}

void Форма1::edited(Field field)
{
    std::u16string now = fields_.text(field);
    std::u16string &known = known_[std::size_t(field)];
    if (now == known)
        return;
    if (field == Field::Текст3) {
        setText(field,
                keyrule::remainsAfterDeleting(now, computed_) ? std::u16string_view() : computed_);
        return;
    }
    known = std::move(now);
    run(field, isList(field) ? Event::Click : Event::Change);
}

} // namespace form
