// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "calc/mass.h"

#include "calc/lookup.h"
#include "calc/numbers.h"

#include <cmath>

namespace calc {

std::optional<Joint> jointFromText(QStringView text)
{
    if (const JointRow *row = findRow(joints, text, &JointRow::name))
        return row->joint;
    return std::nullopt;
}

MassResult computeMass(const MassInputs &in, const QLocale &locale)
{
    MassResult result;

    const bool continuous = in.seam == continuousSeam;
    const double seamDivisor = continuous ? 1 : 2;
    const bool seamKnown = continuous || in.seam == intermittentSeam;

    const JointRow *joint = findRow(joints, in.joint, &JointRow::name);
    const PositionFactor *position =
        findRow(positionFactors, in.position, &PositionFactor::position);

    const std::optional<double> leg = numbers::toDouble(in.leg, locale);
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

    if (joint)
        result.picture = joint->joint;

    const std::optional<double> coefficient = numbers::coefficientToDouble(in.coefficient, locale);
    if (!coefficient) {
        result.status = Status::CoefficientNotNumber;
        return result;
    }
    const std::optional<double> length = numbers::toDouble(in.length, locale);
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

std::optional<MassTexts> massTexts(double mass, const QLocale &locale)
{
    MassTexts texts;
    texts.full = numbers::fromDouble(mass, locale);
    const std::optional<double> shown = numbers::toDouble(texts.full, locale);
    if (!shown)
        return std::nullopt;
    const double scaled = *shown * 1000 + 0.5;
    if (!std::isfinite(scaled))
        return std::nullopt;
    const double rounded = std::trunc(scaled) / 1000;
    if (!std::isfinite(rounded))
        return std::nullopt;
    texts.rounded = numbers::fromDouble(rounded, locale);
    return texts;
}

} // namespace calc
