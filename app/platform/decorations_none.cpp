// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/platform/decorations.h"

namespace decorations {

bool systemDrawsTitleBar()
{
    return true;
}

bool sizeIsAdvice()
{
    return false;
}

} // namespace decorations
