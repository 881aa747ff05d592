// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// Nothing: the target that compiles the tests' precompiled headers needs a source.
