// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "calc/mass.h"

#include "calc/lookup.h"
#include "calc/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace calc {

std::optional<Joint> jointFromText(std::u16string_view text)
{
    if (const JointRow *row = findRow(joints, text, &JointRow::name))
        return row->joint;
    return std::nullopt;
}

MassResult computeMass(const MassInputs &in, std::u16string_view separator)
{
    MassResult result;

    const bool continuous = in.seam == continuousSeam;
    const double seamDivisor = continuous ? 1 : 2;
    const bool seamKnown = continuous || in.seam == intermittentSeam;

    const JointRow *joint = findRow(joints, in.joint, &JointRow::name);
    // The picture belongs to the joint text alone, whatever the other fields hold.
    if (joint)
        result.picture = joint->joint;
    const PositionFactor *position =
        findRow(positionFactors, in.position, &PositionFactor::position);

    const std::optional<double> leg = numbers::toDouble(in.leg, separator);
    if (!leg) {
        result.status = Status::LegNotNumber;
        return result;
    }
    // The row's value in the joint's column; nothing without a row or a joint.
    std::optional<double> base;
    const BaseMassRow *row = findRow(baseMassTable, *leg, &BaseMassRow::leg);
    if (row && joint)
        base = joint->column == Column::Group1   ? row->group1
               : joint->column == Column::Group2 ? row->group2
                                                 : row->u5;

    const std::optional<double> coefficient =
        numbers::coefficientToDouble(in.coefficient, separator);
    if (!coefficient) {
        result.status = Status::CoefficientNotNumber;
        return result;
    }
    const std::optional<double> length = numbers::toDouble(in.length, separator);
    if (!length) {
        result.status = Status::LengthNotNumber;
        return result;
    }
    if (*length < 0) {
        result.status = Status::NegativeLength;
        return result;
    }

    // The order of the operations is part of the result: keep it.
    double t = base.value_or(0) * (position ? position->factor : 0.0);
    t = t * *coefficient;
    t = t / referenceCoefficient;
    t = t * *length;
    t = t / millimetresPerMetre;
    t = t / seamDivisor;
    if (!std::isfinite(t)) {
        result.status = Status::Overflow;
        return result;
    }
    result.mass = t;

    // A text that names no table entry gives no mass at all, not a zero.
    if (!result.picture)
        result.status = Status::UnknownJoint;
    else if (!row)
        result.status = Status::UnknownLeg;
    else if (!position)
        result.status = Status::UnknownPosition;
    else if (!seamKnown)
        result.status = Status::UnknownSeam;
    return result;
}

namespace {

// The value of a text the calculation wrote (at most 15 significant digits) rounded
// half-up to three decimals, on its decimal digits: a double read back from "0,5005"
// lies just below the half, and rounding it in binary would show 0,5.
double halfUpThousandths(double shown)
{
    // d.dddddddddddddde±xx: the text's digits, exactly, since a double keeps 15 of them.
    char e[32];
    const auto written = std::to_chars(e, e + sizeof e, shown, std::chars_format::scientific, 14);
    const std::string_view text(e, std::size_t(written.ptr - e));
    std::int64_t digits = 0;
    std::from_chars(text.data() + 2, text.data() + 16, digits);
    digits += std::int64_t(text[0] - '0') * 100'000'000'000'000;
    // The exponent, with its sign: from_chars takes no plus.
    std::string_view power = text.substr(17);
    if (!power.empty() && power.front() == '+')
        power.remove_prefix(1);
    int exponent = 0;
    std::from_chars(power.data(), power.data() + power.size(), exponent);
    // shown × 1000 = digits × 10^(exponent - 11); no digit below the thousandths when
    // that power is not negative.
    const int dropped = 11 - exponent;
    if (dropped <= 0)
        return shown;
    if (dropped > 15)
        return 0;
    std::int64_t scale = 1;
    for (int i = 1; i < dropped; ++i)
        scale *= 10;
    // The first dropped digit decides.
    const std::int64_t thousandths = digits / (scale * 10) + ((digits / scale) % 10 >= 5 ? 1 : 0);
    return double(thousandths) / 1000;
}

} // namespace

std::optional<MassTexts> massTexts(double mass, std::u16string_view separator)
{
    MassTexts texts;
    texts.full = numbers::fromDouble(mass, separator);
    const std::optional<double> shown = numbers::toDouble(texts.full, separator);
    // The three-decimal step works on thousandths: a mass too large for them has no
    // three-decimal text.
    if (!shown || *shown < 0 || !std::isfinite(*shown * 1000 + 0.5))
        return std::nullopt;
    texts.rounded = numbers::fromDouble(halfUpThousandths(*shown), separator);
    return texts;
}

} // namespace calc
