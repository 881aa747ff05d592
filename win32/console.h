// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// Output of a program without a console of its own, and its failures.

#include <string_view>

namespace console {

// Writes `text` where the program's output goes: a redirected output as UTF-8, the
// console it was started from as UTF-16, so that Cyrillic shows in any code page.
void print(std::u16string_view text);

// Tells the user of a failure: in a message box, which a program started from the
// desktop shows, and where the program's output goes, for a console or a script.
void report(std::u16string_view text);

} // namespace console
