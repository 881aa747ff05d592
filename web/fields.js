// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// The page's controls as the window's logic reads and writes them: what the module
// imports as "page". Nothing here decides anything; no write raises an event.

// The text of `length` UTF-16 code units at `pointer` in the module's memory, exactly:
// no code unit is replaced, a lone surrogate included.
export function textAt(memory, pointer, length) {
    const units = new Uint16Array(memory.buffer, pointer, length);
    let text = '';
    for (let at = 0; at < units.length; at += 4096)
        text += String.fromCharCode.apply(null, units.subarray(at, at + 4096));
    return text;
}

// Writes `text` at `pointer`, at most `capacity` code units; the number written.
export function writeText(memory, pointer, capacity, text) {
    const length = Math.min(text.length, capacity);
    const units = new Uint16Array(memory.buffer, pointer, length);
    for (let i = 0; i < length; ++i)
        units[i] = text.charCodeAt(i);
    return length;
}

// The controls by what the page marks them with: a field's number, a row of the
// definition, a joint's number.
export function controls(doc) {
    const byData = (name) => {
        const found = [];
        for (const element of doc.querySelectorAll(`[data-${name}]`))
            found[Number(element.dataset[name])] = element;
        return found;
    };
    return { fields: byData('field'), rows: byData('row'), joints: byData('joint') };
}

// A list's drop-down: the select beside its edit field.
export function listOf(field) {
    const select = field.nextElementSibling;
    return select && select.tagName === 'SELECT' ? select : null;
}

// The imports over `doc`'s controls; `memory()` is the module's memory once it exists.
export function pageImports(doc, memory) {
    const { fields, rows, joints } = controls(doc);
    const text = (pointer, length) => textAt(memory(), pointer, length);
    const isBox = (element) => element.tagName === 'INPUT';
    return {
        text(field, pointer, capacity) {
            const element = fields[field];
            const value = isBox(element) ? element.value : element.textContent;
            return writeText(memory(), pointer, capacity, value);
        },
        setText(field, pointer, length) {
            const element = fields[field];
            element.value = text(pointer, length);
            // A long mass shows its first digits, so that its size is never misread.
            if (element === doc.activeElement)
                element.setSelectionRange(0, 0);
            element.scrollLeft = 0;
        },
        setListText(field, pointer, length) {
            fields[field].value = text(pointer, length);
        },
        clearList(field) {
            listOf(fields[field]).replaceChildren();
        },
        addItem(field, pointer, length) {
            const list = listOf(fields[field]);
            const item = text(pointer, length);
            list.append(new Option(item, item));
            // No item stays chosen in the drop-down: every pick, of the same item too,
            // is the user's new pick.
            list.selectedIndex = -1;
        },
        setCaption(field, pointer, length) {
            fields[field].textContent = text(pointer, length);
        },
        setName(row, pointer, length) {
            rows[row].setAttribute('aria-label', text(pointer, length));
        },
        showJoint(joint, pointer, length) {
            const picture = doc.querySelector('figure img');
            picture.src = joints[joint].getAttribute('src');
            picture.alt = text(pointer, length);
        },
        setBackground(loaded) {
            doc.querySelector('main').classList.toggle('loaded', loaded !== 0);
        },
    };
}
