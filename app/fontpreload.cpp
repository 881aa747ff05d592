// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/fontpreload.h"

#ifdef ELECTRODE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

FontPreload::FontPreload()
{
#ifdef ELECTRODE_FONTCONFIG
    // Fontconfig keeps one configuration for the process, made by whoever asks first;
    // the toolkit finds it ready.
    thread_ = std::thread([] { FcInit(); });
#endif
}

FontPreload::~FontPreload()
{
    wait();
}

void FontPreload::wait()
{
    if (thread_.joinable())
        thread_.join();
}
