// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/platform/decorations.h"

#include <QGuiApplication>

#include <wayland-client.h>

#include <cstdint>
#include <cstring>

namespace decorations {

namespace {

void announced(void *data, wl_registry *, std::uint32_t, const char *interface, std::uint32_t)
{
    if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0)
        *static_cast<bool *>(data) = true;
}

void withdrawn(void *, wl_registry *, std::uint32_t) {}

constexpr wl_registry_listener listener{announced, withdrawn};

// Asks the compositor, on a connection of its own, whether it offers to decorate
// windows: the toolkit asks for server-side decorations wherever it does. Where it
// cannot be asked, the window draws its own title bar, which asks the compositor for
// no decoration: so there are never two title bars, nor a maximize button.
bool offersDecorations()
{
    wl_display *display = wl_display_connect(nullptr);
    if (!display)
        return false;
    bool offered = false;
    wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &offered);
    wl_display_roundtrip(display);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return offered;
}

} // namespace

bool systemDrawsTitleBar()
{
    static const bool draws =
        !QGuiApplication::platformName().startsWith(u"wayland") || offersDecorations();
    return draws;
}

bool sizeIsAdvice()
{
    return QGuiApplication::platformName().startsWith(u"wayland");
}

} // namespace decorations
