// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The window in Windows' own controls: made from the definition, its events forwarded
// to the window's logic, its colours and faces as defined, at the screen's density.

#include "form/form.h"
#include "win32/controls.h"
#include "win32/fields.h"
#include "win32/look.h"
#include "win32/picks.h"

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <string>

class Window
{
public:
    // Makes the window, hidden, and runs Load; show() shows it.
    Window(HINSTANCE instance, std::u16string_view separator);
    ~Window();
    Window(const Window &) = delete;
    Window &operator=(const Window &) = delete;

    // Shows the window, draws it, names its controls for screen readers and gives the
    // focus to the first list.
    void show(int how);
    void nameForScreenReaders();
    HWND hwnd() const { return window_; }
    HWND control(std::size_t row) const { return made_[row]; }
    HWND control(form::Field field) const { return made_[definition::rowOf(field)]; }
    Win32Fields &fields() { return fields_; }
    form::Форма1 &logic() { return *logic_; }
    int dpi() const { return look_->dpi(); }
    const look::Look &look() const { return *look_; }

    // The screen density a window is drawn at: its monitor's where Windows tells it
    // (10 and later), the system's otherwise.
    static int dpiOf(HWND window);

    // Where a window of `size` goes so that all of it is in `work`, the part of its
    // monitor that no task bar covers: moved as little as it can, its top left corner
    // kept in sight where it is larger.
    static POINT placed(const RECT &window, const RECT &work);

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT onMessage(HWND window, UINT message, WPARAM w, LPARAM l);
    void command(std::size_t row, int code);
    // The faces and colours anew, for `dpi`; at another density the controls are placed
    // anew and the icons made for it.
    void restyle(int dpi);
    void setIcons(int dpi);
    void placeInWorkArea();
    void end();

    HINSTANCE instance_;
    HWND window_ = nullptr;
    controls::Windows made_{};
    Win32Fields fields_;
    // Made once the controls are there: the logic fills the lists as the window is made.
    std::optional<form::Форма1> logic_;
    std::optional<Picks> picks_;
    std::unique_ptr<look::Look> look_;
    std::array<HBITMAP, 6> pictures_{};
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    HWND focus_ = nullptr;
};
