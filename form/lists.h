// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The items each list offers from the start: exactly what the calculation and the
// catalogue compare with, in their tables' order. The brand list starts empty; its
// items are the area's, filled by the procedures.

#include "form/fields.h"

#include <string>
#include <vector>

namespace form {

std::vector<std::u16string> itemsOf(Field list);

} // namespace form
