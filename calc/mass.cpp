// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "calc/mass.h"

#include "calc/numbers.h"

#include <cmath>

namespace calc {

namespace {

std::optional<int> jointGroupOf(QStringView joint)
{
    std::optional<int> group;
    for (const auto &row : jointGroups)
        if (joint == row.joint)
            group = row.group;
    return group;
}

std::optional<double> positionFactorOf(QStringView position)
{
    std::optional<double> factor;
    for (const auto &row : positionFactors)
        if (position == row.position)
            factor = row.factor;
    return factor;
}

// The row's value for the joint, or nothing when the leg size has no row.
std::optional<double> baseMassOf(double leg, std::optional<int> group, bool ownColumn)
{
    for (const auto &row : baseMassTable) {
        if (leg != row.leg)
            continue;
        if (group == 1)
            return row.group1;
        if (group == 2)
            return row.group2;
        if (ownColumn)
            return row.u5;
        return std::nullopt;
    }
    return std::nullopt;
}

bool legHasRow(double leg)
{
    for (const auto &row : baseMassTable)
        if (leg == row.leg)
            return true;
    return false;
}

} // namespace

std::optional<Joint> jointFromText(QStringView text)
{
    for (const auto &row : jointNames)
        if (text == row.name)
            return row.joint;
    return std::nullopt;
}

MassResult computeMass(const MassInputs &in, const QLocale &locale)
{
    MassResult result;

    const bool continuous = in.seam == continuousSeam;
    const double seamDivisor = continuous ? 1 : 2;
    const bool seamKnown = continuous || in.seam == intermittentSeam;

    const std::optional<int> group = jointGroupOf(in.joint);
    const std::optional<double> positionFactor = positionFactorOf(in.position);

    const std::optional<double> leg = numbers::toDouble(in.leg, locale);
    if (!leg) {
        result.status = Status::LegNotNumber;
        return result;
    }
    const std::optional<double> base = baseMassOf(*leg, group, in.joint == ownColumnJoint);

    result.picture = jointFromText(in.joint);

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
    double t = base.value_or(0) * positionFactor.value_or(0);
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
    else if (!legHasRow(*leg))
        result.status = Status::UnknownLeg;
    else if (!positionFactor)
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
