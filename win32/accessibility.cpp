// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "win32/accessibility.h"

#include "form/accessibility.h"
#include "win32/text.h"

#include <initguid.h>

#include <oleacc.h>

namespace winaccessibility {

namespace {

IAccPropServices *services()
{
    static IAccPropServices *made = [] {
        IAccPropServices *s = nullptr;
        if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IAccPropServices, reinterpret_cast<void **>(&s))))
            s = nullptr;
        return s;
    }();
    return made;
}

void set(HWND control, const MSAAPROPID &property, std::u16string_view text)
{
    IAccPropServices *s = services();
    if (!s || !control)
        return;
    const std::wstring wide = wintext::wide(text);
    s->SetHwndPropStr(control, DWORD(OBJID_CLIENT), CHILDID_SELF, property, wide.c_str());
}

void name(HWND control, std::u16string_view text)
{
    set(control, PROPID_ACC_NAME, text);
}

} // namespace

void nameFields(const controls::Windows &made)
{
    for (const definition::Caption &pair : definition::captions) {
        const std::size_t caption = controls::rowOf(pair.caption);
        HWND field = made[controls::rowOf(pair.field)];
        const std::u16string text =
            accessibility::nameFromCaption(definition::controls[caption].text);
        name(field, text);
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        if (GetComboBoxInfo(field, &info) && info.hwndItem)
            name(info.hwndItem, text);
    }
    name(made[controls::rowOf(u"Рисунок1")], accessibility::pictureName);
}

void describe(HWND control, std::u16string_view description)
{
    set(control, PROPID_ACC_DESCRIPTION, description);
}

void release()
{
    if (IAccPropServices *s = services())
        s->Release();
}

} // namespace winaccessibility
