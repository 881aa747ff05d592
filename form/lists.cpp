// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "form/lists.h"

#include "calc/numbers.h"
#include "calc/tables.h"
#include "catalogue/catalogue.h"

namespace form {

std::vector<std::u16string> itemsOf(Field list)
{
    std::vector<std::u16string> items;
    switch (list) {
    case Field::Комбо1:
        for (const calc::BaseMassRow &row : calc::baseMassTable)
            items.push_back(numbers::fromInt(int(row.leg)));
        break;
    case Field::Комбо2:
        for (const calc::JointRow &row : calc::joints)
            items.emplace_back(row.name);
        break;
    case Field::Комбо3:
        for (const calc::PositionFactor &row : calc::positionFactors)
            items.emplace_back(row.position);
        break;
    case Field::Комбо4:
        for (const std::u16string_view seam : calc::seamKinds)
            items.emplace_back(seam);
        break;
    case Field::Комбо5:
        for (const catalogue::Area &area : catalogue::areas)
            items.emplace_back(area.name);
        break;
    default:
        break;
    }
    return items;
}

} // namespace form
