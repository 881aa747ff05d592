// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The program's resources by number: the icon, and the joints' drawings in the order
// of calc::Joint. Read by the resource script too.

#define ELECTRODE_ICON 1
#define ELECTRODE_FIRST_JOINT 201

#ifdef __cplusplus
namespace resources {
inline constexpr int icon = ELECTRODE_ICON;
inline constexpr int firstJoint = ELECTRODE_FIRST_JOINT;
} // namespace resources
#endif
