// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "win32/window.h"

#include "win32/accessibility.h"
#include "win32/input.h"
#include "win32/picture.h"
#include "win32/resources.h"
#include "win32/text.h"

using definition::Kind;
using form::Field;

namespace {

constexpr const wchar_t *windowClass = L"ElectrodeCalcWindow";
// Fixed in size: no sizing border and no maximize box.
constexpr DWORD windowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr UINT syncList = WM_APP + 1;
#ifndef WM_DPICHANGED
constexpr UINT WM_DPICHANGED = 0x02E0;
#endif

constexpr std::size_t exitRow = definition::at(u"Комманда1", Kind::Button);
constexpr std::size_t frameRow = definition::at(u"Рамка1", Kind::Frame);
constexpr std::size_t pictureRow = definition::at(u"Рисунок1", Kind::Picture);
constexpr std::size_t titleRow = definition::at(u"Метка6", Kind::Label);
constexpr std::size_t typeRow = definition::at(u"Метка13", Kind::Label);

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

Window::Window(HINSTANCE instance, std::u16string_view separator)
    : instance_(instance), fields_(made_), logic_(fields_, separator)
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
    made_ = controls::create(window_, instance, dpi);
    // The frame is drawn beneath the controls it holds.
    SetWindowLongPtrW(made_[frameRow], GWL_STYLE,
                      GetWindowLongPtrW(made_[frameRow], GWL_STYLE) | WS_CLIPSIBLINGS);
    SetWindowPos(made_[frameRow], HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (std::size_t i = 0; i < definition::jointImages.size(); ++i) {
        pictures_[i] =
            static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(resources::firstJoint + i),
                                            IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        SendMessageW(made_[controls::rowOf(definition::jointImages[i])], STM_SETIMAGE, IMAGE_BITMAP,
                     LPARAM(pictures_[i]));
    }
    for (const definition::FieldRule &rule : definition::fieldRules)
        input::guard(made_[controls::rowOf(rule.name)], rule);
    winaccessibility::nameFields(made_);
    setDpi(dpi, false);

    logic_.Load();
    rememberLists();
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
}

void Window::show(int how)
{
    ShowWindow(window_, how);
    UpdateWindow(window_);
    focus_ = made_[controls::rowOf(Field::Комбо1)];
    SetFocus(focus_);
}

void Window::setDpi(int dpi, bool placed)
{
    auto look = std::make_unique<look::Look>(dpi);
    for (std::size_t row = 0; row < controls::count; ++row)
        SendMessageW(made_[row], WM_SETFONT, WPARAM(row == titleRow ? look->title() : look->text()),
                     FALSE);
    look_ = std::move(look);
    if (placed)
        controls::layout(made_, dpi);
    else
        controls::fitLists(made_, dpi);
    picture::setFactor(made_[pictureRow], picture::factorFor(dpi));
    const SIZE size = windowSizeFor(dpi);
    SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(window_, WM_SETICON, ICON_BIG,
                 LPARAM(iconOf(instance_, MulDiv(GetSystemMetrics(SM_CXICON), dpi, 96))));
    SendMessageW(window_, WM_SETICON, ICON_SMALL,
                 LPARAM(iconOf(instance_, MulDiv(GetSystemMetrics(SM_CXSMICON), dpi, 96))));
    if (placed)
        RedrawWindow(window_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Window::rememberLists()
{
    for (std::size_t i = 0; i < seen_.size(); ++i)
        seen_[i] = wintext::textOf(fields_.control(Field(i)));
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
    if (!self || !self->look_)
        return DefWindowProcW(window, message, w, l);
    return self->handle(window, message, w, l);
}

LRESULT Window::handle(HWND window, UINT message, WPARAM w, LPARAM l)
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
    case syncList: {
        const Field list = Field(w);
        picked_[w] = -1;
        if (wintext::textOf(fields_.control(list)) != seen_[w]) {
            logic_.edited(list);
            rememberLists();
        }
        return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
        if (const LRESULT brush = colour(HDC(w), HWND(l)))
            return brush;
        break;
    case WM_ERASEBKGND:
        paintBackground(HDC(w));
        return 1;
    case WM_DRAWITEM:
        drawButton(*reinterpret_cast<const DRAWITEMSTRUCT *>(l));
        return TRUE;
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
        setDpi(LOWORD(w), true);
        const auto *suggested = reinterpret_cast<const RECT *>(l);
        SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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
    Field field;
    if (!controls::fieldAt(row, field)) {
        if (row == exitRow && code == BN_CLICKED)
            end();
        return;
    }
    if (definition::controls[row].kind == Kind::Combo) {
        listCommand(field, made_[row], code);
        return;
    }
    if (code == EN_CHANGE && !fields_.writing())
        logic_.edited(field);
}

// A pick is confirmed with CBN_SELENDOK, or is a change of the item while the list is
// closed (the arrow keys); Windows' order of the notifications around it differs
// between versions, so a pick is taken once, in any order, and after its last
// notification the list's text is compared with what the logic saw.
void Window::listCommand(Field list, HWND combo, int code)
{
    const std::size_t li = std::size_t(list);
    switch (code) {
    case CBN_SELENDOK:
    case CBN_SELCHANGE: {
        const int index = int(SendMessageW(combo, CB_GETCURSEL, 0, 0));
        if (index < 0 || picked_[li] == index)
            break;
        if (code == CBN_SELCHANGE && SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0))
            break;
        picked_[li] = index;
        logic_.picked(list, Win32Fields::itemOf(combo, index));
        rememberLists();
        PostMessageW(window_, syncList, WPARAM(li), 0);
        break;
    }
    case CBN_SELENDCANCEL:
    case CBN_CLOSEUP:
        PostMessageW(window_, syncList, WPARAM(li), 0);
        break;
    case CBN_EDITCHANGE:
        if (!fields_.writing()) {
            logic_.edited(list);
            rememberLists();
        }
        break;
    default:
        break;
    }
}

LRESULT Window::colour(HDC dc, HWND control)
{
    const int row = GetDlgCtrlID(control) - controls::firstId;
    if (row < 0 || row >= int(controls::count) || made_[std::size_t(row)] != control)
        return 0;
    const definition::Control &c = definition::controls[std::size_t(row)];
    COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    for (const definition::ControlColour &cc : definition::controlColours)
        if (cc.name == c.name && cc.part == definition::Part::Text)
            text = look::colourOf(cc.colour);
    SetTextColor(dc, text);
    // The boxes, and the type's label, are white as a box is.
    if (c.kind == Kind::Text || std::size_t(row) == typeRow) {
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return LRESULT(GetSysColorBrush(COLOR_WINDOW));
    }
    const definition::Colour background =
        c.container == definition::Container::Frame || c.kind == Kind::Frame
            ? definition::frameBackground
            : fields_.background();
    SetBkColor(dc, look::colourOf(background));
    return LRESULT(look_->brush(background));
}

void Window::paintBackground(HDC dc)
{
    RECT client;
    GetClientRect(window_, &client);
    FillRect(dc, &client, look_->brush(fields_.background()));
    const RECT frame = controls::placeOf(frameRow, look_->dpi());
    FillRect(dc, &frame, look_->brush(definition::frameBackground));
}

void Window::drawButton(const DRAWITEMSTRUCT &item)
{
    RECT r = item.rcItem;
    HDC dc = item.hDC;
    const bool pressed = item.itemState & ODS_SELECTED;
    FillRect(dc, &r, look_->brush(definition::exitButton));
    DrawEdge(dc, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    RECT caption = r;
    if (pressed)
        OffsetRect(&caption, 1, 1);
    const std::u16string text = wintext::textOf(item.hwndItem);
    HGDIOBJ old = SelectObject(dc, look_->text());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(dc, reinterpret_cast<const wchar_t *>(text.c_str()), int(text.size()), &caption,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    if (item.itemState & ODS_FOCUS) {
        const int inset = MulDiv(4, look_->dpi(), 96);
        InflateRect(&r, -inset, -inset);
        DrawFocusRect(dc, &r);
    }
}
