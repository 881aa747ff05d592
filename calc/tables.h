// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The fixed tables of the electrode mass calculation.

#include <array>
#include <string_view>

namespace calc {

// Kilograms of electrodes per metre of seam at the reference coefficient, in the flat
// position, for a continuous seam.
struct BaseMassRow {
    double leg;    // weld leg size, mm
    double group1; // joints "У4", "Т1", "Н1"
    double group2; // joints "Т3", "Н2": twice group 1
    double u5;     // joint "У5"
};

inline constexpr std::array<BaseMassRow, 12> baseMassTable{{
    {2, 0.055, 0.11, 0.1},
    {3, 0.11, 0.22, 0.133},
    {4, 0.17, 0.34, 0.211},
    {5, 0.24, 0.48, 0.305},
    {6, 0.33, 0.66, 0.427},
    {8, 0.55, 1.1, 0.702},
    {10, 0.89, 1.78, 1.115},
    {12, 1.23, 2.46, 1.538},
    {14, 1.61, 3.22, 2.027},
    {16, 2.1, 4.2, 2.7},
    {18, 2.6, 5.2, 3.333},
    {20, 3.16, 6.32, 4.107},
}};

// The coefficient the base masses are given for.
inline constexpr double referenceCoefficient = 1.7;
inline constexpr double millimetresPerMetre = 1000;

struct PositionFactor {
    std::u16string_view position;
    double factor;
};

inline constexpr std::array<PositionFactor, 5> positionFactors{{
    {u"Нижнее", 1.0},
    {u"Наклонное", 1.05},
    {u"Вертикальное", 1.1},
    {u"Горизонтальное", 1.1},
    {u"Потолочное", 1.2},
}};

inline constexpr std::u16string_view continuousSeam = u"сплошной";
inline constexpr std::u16string_view intermittentSeam = u"прерывистый";

inline constexpr std::array<std::u16string_view, 2> seamKinds{continuousSeam, intermittentSeam};

// The joints, in the order of the joint list: the picture each shows, and the column of
// the base mass table it reads. "Т3" and "Н2" are group 2, "У5" has a column of its own.
enum class Joint { N1, N2, T1, T3, U4, U5 };
enum class Column { Group1, Group2, U5 };

struct JointRow {
    std::u16string_view name;
    Joint joint;
    Column column;
};

inline constexpr std::array<JointRow, 6> joints{{
    {u"Н1", Joint::N1, Column::Group1},
    {u"Н2", Joint::N2, Column::Group2},
    {u"Т1", Joint::T1, Column::Group1},
    {u"Т3", Joint::T3, Column::Group2},
    {u"У4", Joint::U4, Column::Group1},
    {u"У5", Joint::U5, Column::U5},
}};

// The leg list shows the table's leg sizes as whole numbers.
constexpr bool legsAreWhole()
{
    for (const BaseMassRow &row : baseMassTable)
        if (row.leg != double(int(row.leg)))
            return false;
    return true;
}
static_assert(legsAreWhole());

} // namespace calc
