// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The window in Windows' own controls: made from the definition, its events forwarded
// to the window's logic, its colours and faces as defined, at the screen's density.

#include "form/form.h"
#include "win32/controls.h"
#include "win32/fields.h"
#include "win32/look.h"

#include <windows.h>

#include <array>
#include <memory>
#include <string>

class Window
{
public:
    // Makes the window, hidden, and runs Load; show() shows it.
    Window(HINSTANCE instance, std::u16string_view separator);
    ~Window();
    Window(const Window &) = delete;
    Window &operator=(const Window &) = delete;

    void show(int how);
    HWND handle() const { return window_; }
    HWND control(std::size_t row) const { return made_[row]; }
    Win32Fields &fields() { return fields_; }
    form::Форма1 &logic() { return logic_; }
    int dpi() const { return look_->dpi(); }

    // The screen density a window is drawn at: its monitor's where Windows tells it
    // (10 and later), the system's otherwise.
    static int dpiOf(HWND window);

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT handle(HWND window, UINT message, WPARAM w, LPARAM l);
    void command(std::size_t row, int code);
    void listCommand(form::Field list, HWND combo, int code);
    // The faces, sizes and icons for `dpi`; `placed`: the controls are placed for
    // another density and are placed anew.
    void setDpi(int dpi, bool placed);
    LRESULT colour(HDC dc, HWND control);
    void paintBackground(HDC dc);
    void drawButton(const DRAWITEMSTRUCT &item);
    void rememberLists();
    void end();

    HINSTANCE instance_;
    HWND window_ = nullptr;
    controls::Windows made_{};
    Win32Fields fields_;
    form::Форма1 logic_;
    std::unique_ptr<look::Look> look_;
    std::array<HBITMAP, 6> pictures_{};
    // Per list: the item a confirmed pick chose, until the pick's last notification;
    // and the text the logic last saw.
    std::array<int, 6> picked_{-1, -1, -1, -1, -1, -1};
    std::array<std::u16string, 6> seen_;
    HWND focus_ = nullptr;
};
