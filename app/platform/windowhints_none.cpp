// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/platform/windowhints.h"

namespace windowhints {

void offerNoResize(QWidget *) {}

} // namespace windowhints
