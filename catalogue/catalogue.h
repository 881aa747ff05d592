// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// Look-ups in the catalogue. Every comparison is exact: whole text, character codes,
// case-sensitive, no trimming.

#include "catalogue/tables.h"

#include <optional>

namespace catalogue {

// The description of the area, or nothing for a text that names no area.
std::optional<std::u16string_view> areaDescription(std::u16string_view area);

// The brands the area offers and its default brand. A text that is none of the first
// three areas gets the list of the critical anti-corrosion area.
BrandList brandListFor(std::u16string_view area);

// The brand's row, or nothing for a text that names no brand.
const Brand *findBrand(std::u16string_view name);

} // namespace catalogue
