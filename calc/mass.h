// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The electrode mass for the texts of the window's fields.

#include "calc/tables.h"

#include <optional>
#include <string>
#include <string_view>

namespace calc {

enum class Status {
    Ok,
    LegNotNumber,         // the leg text does not convert
    CoefficientNotNumber, // empty, not a number, or out of range
    LengthNotNumber,      // empty, not a number, or out of range
    NegativeLength,       // a length below zero: no seam is shorter than none
    Overflow,             // the arithmetic left the range of a double
    UnknownLeg,           // a number, but no row of the base mass table
    UnknownJoint,
    UnknownPosition,
    UnknownSeam,
};

struct MassInputs {
    std::u16string_view leg;
    std::u16string_view joint;
    std::u16string_view position;
    std::u16string_view seam;
    std::u16string_view coefficient;
    std::u16string_view length;
};

struct MassResult {
    Status status = Status::Ok;
    // The joint whose picture the window shows, whatever the other texts hold; empty
    // when the joint text names none.
    std::optional<Joint> picture;
    double mass = 0; // kg; meaningful only when status is Ok
};

std::optional<Joint> jointFromText(std::u16string_view text);

// `separator`: the user's decimal separator.
MassResult computeMass(const MassInputs &in, std::u16string_view separator);

// The two texts the result field shows one after the other: the mass at full precision,
// then that text's decimal value rounded half-up to three decimals. Empty when either
// step leaves the range of a double.
struct MassTexts {
    std::u16string full;
    std::u16string rounded;
};
std::optional<MassTexts> massTexts(double mass, std::u16string_view separator);

} // namespace calc
