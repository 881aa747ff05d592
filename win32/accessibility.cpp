// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "win32/accessibility.h"

#include "form/accessibility.h"
#include "win32/text.h"

#include <initguid.h>

#include <oleacc.h>

namespace winaccessibility {

namespace {

// COM and its accessibility service, loaded when the first name is given, after the
// window is drawn: a program that starts without them shows its window sooner.
struct Services {
    HMODULE ole = nullptr;
    HRESULT(WINAPI *initialize)(void *, DWORD) = nullptr;
    void(WINAPI *uninitialize)() = nullptr;
    bool initialized = false;
    IAccPropServices *service = nullptr;

    Services()
    {
        ole = LoadLibraryW(L"ole32.dll");
        if (!ole)
            return;
        initialize = function<decltype(initialize)>("CoInitializeEx");
        uninitialize = function<decltype(uninitialize)>("CoUninitialize");
        using Create = HRESULT(WINAPI *)(REFCLSID, IUnknown *, DWORD, REFIID, void **);
        const auto create = function<Create>("CoCreateInstance");
        if (!initialize || !uninitialize || !create)
            return;
        initialized = SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
        if (FAILED(create(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                          IID_IAccPropServices, reinterpret_cast<void **>(&service))))
            service = nullptr;
    }

    template <typename Function> Function function(const char *name) const
    {
        return reinterpret_cast<Function>(reinterpret_cast<void *>(GetProcAddress(ole, name)));
    }
};

bool started = false;

Services &services()
{
    static Services made;
    return made;
}

IAccPropServices *service()
{
    return started ? services().service : nullptr;
}

void set(HWND control, const MSAAPROPID &property, std::u16string_view text)
{
    IAccPropServices *s = service();
    if (!s || !control)
        return;
    const std::wstring wide = wintext::wide(text);
    s->SetHwndPropStr(control, DWORD(OBJID_CLIENT), CHILDID_SELF, property, wide.c_str());
}

} // namespace

void name(HWND control, std::u16string_view text)
{
    set(control, PROPID_ACC_NAME, text);
    // A list is read by the name of its edit field, where the focus is.
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(control, &info) && info.hwndItem)
        set(info.hwndItem, PROPID_ACC_NAME, text);
}

void nameControls(const controls::Windows &made)
{
    for (std::size_t row = 0; row < controls::count; ++row) {
        const std::u16string text = accessibility::nameOf(row);
        if (!text.empty())
            name(made[row], text);
    }
    // The picture box is a picture, not a window of no kind.
    IAccPropServices *s = service();
    HWND box = made[definition::at(definition::Role::Picture)];
    if (s && box) {
        VARIANT role{};
        role.vt = VT_I4;
        role.lVal = ROLE_SYSTEM_GRAPHIC;
        s->SetHwndProp(box, DWORD(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_ROLE, role);
    }
}

void describe(HWND control, std::u16string_view description)
{
    set(control, PROPID_ACC_DESCRIPTION, description);
}

void start()
{
    started = true;
}

void release()
{
    if (!started)
        return;
    Services &s = services();
    if (s.service)
        s.service->Release();
    if (s.initialized)
        s.uninitialize();
}

} // namespace winaccessibility
