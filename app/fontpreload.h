// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// Reads the system's font configuration on another core while the toolkit connects to
// the display. The first text the window lays out would otherwise wait for it.

#include <thread>

class FontPreload
{
public:
    FontPreload();
    ~FontPreload();
    FontPreload(const FontPreload &) = delete;
    FontPreload &operator=(const FontPreload &) = delete;

    // Waits until the configuration is read; call before the first widget is made.
    void wait();

private:
    std::thread thread_;
};
