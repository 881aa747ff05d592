// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "win32/window.h"

#include "win32/accessibility.h"
#include "win32/input.h"
#include "win32/picture.h"
#include "win32/resources.h"
#include "win32/text.h"

#include <algorithm>

using definition::Kind;
using definition::Role;
using form::Field;

namespace {

constexpr const wchar_t *windowClass = L"ElectrodeCalcWindow";
// Fixed in size: no sizing border and no maximize box.
constexpr DWORD windowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
#ifndef WM_DPICHANGED
constexpr UINT WM_DPICHANGED = 0x02E0;
#endif

constexpr std::size_t exitRow = definition::at(Role::Exit);
using definition::frameRow;
constexpr std::size_t pictureRow = definition::at(Role::Picture);
constexpr std::size_t titleRow = definition::at(Role::Title);

// Functions of newer Windows, looked up where they are, so that one program runs on
// Windows 7 and on 11.
template <typename Function> Function newer(const char *name)
{
    return reinterpret_cast<Function>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

SIZE windowSizeFor(int dpi)
{
    RECT r{0, 0, controls::scaled(definition::formWidth, dpi),
           controls::scaled(definition::formHeight, dpi)};
    using Adjust = BOOL(WINAPI *)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = newer<Adjust>("AdjustWindowRectExForDpi");
    if (adjustForDpi)
        adjustForDpi(&r, windowStyle, FALSE, 0, UINT(dpi));
    else
        AdjustWindowRectEx(&r, windowStyle, FALSE, 0);
    return {r.right - r.left, r.bottom - r.top};
}

// A system metric at `dpi`: Windows 10 tells it for any density; before, the metrics
// are those of the system's density, the only one there is.
int metricFor(int index, int dpi)
{
    using ForDpi = int(WINAPI *)(int, UINT);
    static const auto forDpi = newer<ForDpi>("GetSystemMetricsForDpi");
    return forDpi ? forDpi(index, UINT(dpi)) : GetSystemMetrics(index);
}

HICON iconOf(HINSTANCE instance, int size)
{
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(resources::icon), IMAGE_ICON,
                                         size, size, LR_DEFAULTCOLOR));
}

} // namespace

int Window::dpiOf(HWND window)
{
    using ForWindow = UINT(WINAPI *)(HWND);
    static const auto forWindow = newer<ForWindow>("GetDpiForWindow");
    if (forWindow && window)
        return int(forWindow(window));
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

POINT Window::placed(const RECT &window, const RECT &work)
{
    const LONG width = window.right - window.left, height = window.bottom - window.top;
    POINT at{window.left, window.top};
    at.x = std::max(work.left, std::min(at.x, work.right - width));
    at.y = std::max(work.top, std::min(at.y, work.bottom - height));
    return at;
}

Window::Window(HINSTANCE instance, std::u16string_view separator)
    : instance_(instance), fields_(made_)
{
    static const bool registered = [instance] {
        picture::registerClass(instance);
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = procedure;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.lpszClassName = windowClass;
        return RegisterClassExW(&wc) != 0;
    }();
    (void)registered;

    const std::wstring title = wintext::wide(definition::formTitle);
    window_ = CreateWindowExW(0, windowClass, title.c_str(), windowStyle, CW_USEDEFAULT,
                              CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, this);
    if (!window_)
        return;
    const int dpi = dpiOf(window_);
    look_ = std::make_unique<look::Look>(dpi, look::highContrast());
    made_ = controls::create(window_, instance, dpi, look_->text(), look_->title());
    // The frame is drawn beneath the controls it holds.
    SetWindowLongPtrW(made_[frameRow], GWL_STYLE,
                      GetWindowLongPtrW(made_[frameRow], GWL_STYLE) | WS_CLIPSIBLINGS);
    SetWindowPos(made_[frameRow], HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (std::size_t i = 0; i < definition::jointImages.size(); ++i) {
        pictures_[i] =
            static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(resources::firstJoint + i),
                                            IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        SendMessageW(made_[definition::jointImages[i]], STM_SETIMAGE, IMAGE_BITMAP,
                     LPARAM(pictures_[i]));
    }
    for (const definition::FieldRule &rule : definition::fieldRules)
        input::guard(control(rule.field), rule);
    picture::setFactor(made_[pictureRow], picture::factorFor(dpi));
    setIcons(dpi);
    const SIZE size = windowSizeFor(dpi);
    SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    placeInWorkArea();

    logic_.emplace(fields_, separator);
    picks_.emplace(window_, *logic_, fields_);
    logic_->Load();
}

Window::~Window()
{
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    for (HBITMAP b : pictures_)
        if (b)
            DeleteObject(b);
    for (HICON icon : {bigIcon_, smallIcon_})
        if (icon)
            DestroyIcon(icon);
}

void Window::show(int how)
{
    ShowWindow(window_, how);
    UpdateWindow(window_);
    // Named once drawn, before the focus comes, which a screen reader reads.
    nameForScreenReaders();
    focus_ = control(Field::Комбо1);
    SetFocus(focus_);
}

void Window::nameForScreenReaders()
{
    winaccessibility::start();
    winaccessibility::nameControls(made_);
    fields_.nameValues();
}

void Window::restyle(int dpi)
{
    auto look = std::make_unique<look::Look>(dpi, look::highContrast());
    for (std::size_t row = 0; row < controls::count; ++row)
        SendMessageW(made_[row], WM_SETFONT, WPARAM(row == titleRow ? look->title() : look->text()),
                     FALSE);
    const bool newDensity = look_->dpi() != dpi;
    look_ = std::move(look);
    if (newDensity) {
        controls::layout(made_, dpi);
        picture::setFactor(made_[pictureRow], picture::factorFor(dpi));
        setIcons(dpi);
    }
    RedrawWindow(window_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Window::setIcons(int dpi)
{
    // The metrics are already at `dpi`; the icons they were made for go with the ones
    // that replace them.
    const struct {
        WPARAM which;
        int metric;
        HICON &held;
    } icons[]{{ICON_BIG, SM_CXICON, bigIcon_}, {ICON_SMALL, SM_CXSMICON, smallIcon_}};
    for (const auto &icon : icons) {
        HICON made = iconOf(instance_, metricFor(icon.metric, dpi));
        SendMessageW(window_, WM_SETICON, icon.which, LPARAM(made));
        if (icon.held)
            DestroyIcon(icon.held);
        icon.held = made;
    }
}

void Window::placeInWorkArea()
{
    RECT r;
    GetWindowRect(window_, &r);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &monitor))
        return;
    const POINT at = placed(r, monitor.rcWork);
    if (at.x != r.left || at.y != r.top)
        SetWindowPos(window_, nullptr, at.x, at.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::end()
{
    DestroyWindow(window_);
}

LRESULT CALLBACK Window::procedure(HWND window, UINT message, WPARAM w, LPARAM l)
{
    if (message == WM_NCCREATE) {
        auto *self = static_cast<Window *>(reinterpret_cast<CREATESTRUCTW *>(l)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<Window *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || !self->look_ || !self->logic_)
        return DefWindowProcW(window, message, w, l);
    return self->onMessage(window, message, w, l);
}

LRESULT Window::onMessage(HWND window, UINT message, WPARAM w, LPARAM l)
{
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(w);
        // Enter and Escape, as a dialog sends them: Enter presses the exit button where
        // it has the focus, as Space does; nothing else.
        if (id == IDOK) {
            if (GetFocus() == made_[exitRow] && GetKeyState(VK_CONTROL) >= 0)
                end();
            return 0;
        }
        const int row = id - controls::firstId;
        if (row >= 0 && row < int(controls::count) && HWND(l) == made_[std::size_t(row)])
            command(std::size_t(row), HIWORD(w));
        return 0;
    }
    case Picks::afterPick:
        picks_->afterPicking(w);
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN: {
        const int row = GetDlgCtrlID(HWND(l)) - controls::firstId;
        if (row >= 0 && row < int(controls::count) && made_[std::size_t(row)] == HWND(l))
            return LRESULT(look_->colour(HDC(w), std::size_t(row), fields_.background()));
        break;
    }
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(window_, &client);
        look_->paintBackground(HDC(w), client, controls::placeOf(frameRow, look_->dpi()),
                               fields_.background());
        return 1;
    }
    case WM_DRAWITEM: {
        const auto &item = *reinterpret_cast<const DRAWITEMSTRUCT *>(l);
        look_->drawButton(item, wintext::textOf(item.hwndItem));
        return TRUE;
    }
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
        // High contrast on or off, or other system colours: drawn anew.
        restyle(look_->dpi());
        break;
    case WM_ACTIVATE:
        // The focus returns where it was when the window is active again.
        if (LOWORD(w) == WA_INACTIVE) {
            if (HWND f = GetFocus(); f && IsChild(window_, f))
                focus_ = f;
        } else if (focus_) {
            SetFocus(focus_);
            return 0;
        }
        break;
    case WM_SYSCOMMAND:
        if ((w & 0xFFF0) == SC_MAXIMIZE || (w & 0xFFF0) == SC_SIZE)
            return 0;
        break;
    case WM_DPICHANGED: {
        // Another monitor's density: everything at its size, and the window where and
        // as large as Windows suggests, in one move.
        restyle(LOWORD(w));
        const auto *suggested = reinterpret_cast<const RECT *>(l);
        SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_CLOSE:
        end();
        return 0;
    case WM_DESTROY:
        window_ = nullptr;
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, w, l);
}

void Window::command(std::size_t row, int code)
{
    const std::optional<Field> field = definition::fieldAt(row);
    if (!field) {
        if (row == exitRow && code == BN_CLICKED)
            end();
        return;
    }
    if (definition::controls[row].kind == Kind::Combo)
        picks_->notified(*field, made_[row], code);
    else if (code == EN_CHANGE && !fields_.writing())
        logic_->edited(*field);
}
