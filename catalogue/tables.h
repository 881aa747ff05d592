// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The electrode catalogue: application areas, the brands each area offers, and the
// properties of every brand. All letters are Cyrillic, also where they look Latin.

#include <array>
#include <span>
#include <string_view>

namespace catalogue {

struct Area {
    std::u16string_view name;        // as the area list shows it
    std::u16string_view description; // shown under the area list
};

inline constexpr std::array<Area, 4> areas{{
    {u"вспомогательные конструкции", u"Сварка вспомогательных конструкций из углеродистых сталей"},
    {u"несущие конструкции", u"Сварка несущих конструкций из углеродистых горячекатанных сталей"},
    {u"антикоррозионные простые",
     u"Для сварки конструкций из коррозионно-стойких хромоникелевых сталей, когда к металлу "
     u"шва не предъявляют жесткие требования стойкости к межкристаллической коррозии"},
    {u"антикоррозионные ответственные",
     u"Для сварки конструкций из коррозионно-стойких хромоникелевых сталей, когда к металлу "
     u"шва предъявляют жесткие требования стойкости к межкристаллической коррозии"},
}};

inline constexpr std::array<std::u16string_view, 6> auxiliaryBrands{
    u"АНО-1", u"АНО-3", u"АНО-4", u"АНО-5", u"АНО-6", u"ВСЦ-2",
};
inline constexpr std::array<std::u16string_view, 17> loadBearingBrands{
    u"АНО-3",      u"АНО-4",   u"ВСЦ-3",   u"ДСК-50",  u"МР-3",       u"ОЗС-3",
    u"ОЗС-4",      u"ОЗС-6",   u"РБУ-5",   u"СМ-11",   u"УОНИ-13/45", u"УОНИ-13/55",
    u"УОНИ-13/65", u"УП-1/45", u"УП-1/55", u"УП-2/45", u"УП-2/55",
};
inline constexpr std::array<std::u16string_view, 1> simpleCorrosionBrands{u"ОЗЛ-8"};
inline constexpr std::array<std::u16string_view, 4> criticalCorrosionBrands{
    u"ЗИО-3",
    u"ОЗЛ-7",
    u"ЦЛ-11",
    u"ЦТ-15",
};

struct BrandList {
    std::span<const std::u16string_view> brands; // in the order the brand list shows them
    std::u16string_view defaultBrand;
};

struct Brand {
    std::u16string_view name;
    std::u16string_view type;        // electrode type
    std::u16string_view coefficient; // consumption coefficient, written with a comma
};

inline constexpr std::array<Brand, 26> brands{{
    {u"АНО-1", u"Э42", u"1,5"},           {u"АНО-3", u"Э46", u"1,6"},
    {u"АНО-4", u"Э46", u"1,6"},           {u"АНО-5", u"Э42", u"1,6"},
    {u"АНО-6", u"Э42", u"1,7"},           {u"ВСЦ-2", u"Э42", u"1,5"},
    {u"ВСЦ-3", u"Э50", u"1,5"},           {u"ДСК-50", u"Э50А", u"1,6"},
    {u"ЗИО-3", u"Э-08Х19Н10Г2Б", u"1,6"}, {u"МР-3", u"Э46", u"1,7"},
    {u"ОЗЛ-7", u"Э-08Х20Н9Г2Б", u"1,6"},  {u"ОЗЛ-8", u"Э-07Х20Н9", u"1,6"},
    {u"ОЗС-3", u"Э46", u"1,6"},           {u"ОЗС-4", u"Э46", u"1,6"},
    {u"ОЗС-6", u"Э46", u"1,5"},           {u"РБУ-5", u"Э46", u"1,7"},
    {u"СМ-11", u"Э42А", u"1,7"},          {u"УОНИ-13/45", u"Э42А", u"1,4"},
    {u"УОНИ-13/55", u"Э50А", u"1,4"},     {u"УОНИ-13/65", u"Э60", u"1,6"},
    {u"УП-1/45", u"Э42А", u"1,7"},        {u"УП-1/55", u"Э50А", u"1,7"},
    {u"УП-2/45", u"Э42А", u"1,7"},        {u"УП-2/55", u"Э50А", u"1,7"},
    {u"ЦЛ-11", u"Э-08Х20Н9Г2Б", u"1,8"},  {u"ЦТ-15", u"Э-08Х19Н10Г2Б", u"1,7"},
}};

} // namespace catalogue
