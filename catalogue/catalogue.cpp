// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "catalogue/catalogue.h"

#include "calc/lookup.h"

namespace catalogue {

std::optional<std::u16string_view> areaDescription(std::u16string_view area)
{
    if (const Area *row = calc::findRow(areas, area, &Area::name))
        return row->description;
    return std::nullopt;
}

BrandList brandListFor(std::u16string_view area)
{
    if (area == areas[0].name)
        return {auxiliaryBrands, u"АНО-3"};
    if (area == areas[1].name)
        return {loadBearingBrands, u"МР-3"};
    if (area == areas[2].name)
        return {simpleCorrosionBrands, u"ОЗЛ-8"};
    return {criticalCorrosionBrands, u"ОЗЛ-7"};
}

const Brand *findBrand(std::u16string_view name)
{
    return calc::findRow(brands, name, &Brand::name);
}

} // namespace catalogue
