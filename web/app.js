// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// The page's start and its events: the window's logic (electrode.wasm) over the page's
// controls (fields.js). The user's own picks, edits and keys go to the logic, which
// decides; a text arrives in a field only as the field's rules take it, however it
// comes: typed, pasted, dropped, composed, corrected or dictated.

import { controls, listOf, pageImports, writeText } from './fields.js';

// The decimal separator of the browser's first language: a comma in Russian, a point in
// English.
export function separator(languages = navigator.languages) {
    const language = (languages && languages[0]) || navigator.language || 'ru';
    try {
        const parts = new Intl.NumberFormat(language).formatToParts(1.5);
        return parts.find((part) => part.type === 'decimal')?.value ?? ',';
    } catch {
        return ',';
    }
}

async function instantiate(imports) {
    const response = fetch('electrode.wasm');
    try {
        return await WebAssembly.instantiateStreaming(response, imports);
    } catch {
        // A server that does not say it is WebAssembly.
        const bytes = await (await fetch('electrode.wasm')).arrayBuffer();
        return WebAssembly.instantiate(bytes, imports);
    }
}

// The logic's calls, with the texts they take written into its input buffer.
function logicOf(exports) {
    const send = (text) =>
        writeText(exports.memory, exports.input(), exports.inputSize(), text);
    return {
        start: (decimal) => exports.start(send(decimal)),
        picked: (field, item) => exports.picked(field, send(item)),
        edited: (field) => exports.edited(field),
        keyPress: (field, character) => exports.keyPress(field, character.charCodeAt(0)) !== 0,
        takesWhole: (field, text) => exports.takesWhole(field, send(text)) !== 0,
        takesPastes: (field) => exports.takesPastes(field) !== 0,
        calculations: () => exports.calculations(),
    };
}

// Every way text can arrive in `element`, as the field's rules take it.
function guard(logic, field, element) {
    // As in the window, Ctrl+V and Ctrl+X are the control characters of a paste and a
    // cut, which no field's rule takes; Shift+Insert, Shift+Delete and the menu's Paste
    // and Cut still paste and cut.
    element.addEventListener('keydown', (event) => {
        const key = event.key.toLowerCase();
        if (event.ctrlKey && !event.altKey && !event.metaKey &&
            (key === 'v' || key === 'x' || event.code === 'KeyV' || event.code === 'KeyX'))
            event.preventDefault();
    });
    element.addEventListener('beforeinput', (event) => {
        const type = event.inputType;
        // Deleting is always taken.
        if (type.startsWith('delete'))
            return;
        // As in the window, nothing is undone or redone.
        if (type === 'historyUndo' || type === 'historyRedo') {
            event.preventDefault();
            return;
        }
        // A paste or a drop is taken as it is, where the field takes them at all.
        if (type.startsWith('insertFrom')) {
            if (!logic.takesPastes(field))
                event.preventDefault();
            return;
        }
        // A composition is taken or refused whole when it ends: its steps cannot be.
        if (type === 'insertCompositionText')
            return;
        const text = event.data ?? event.dataTransfer?.getData('text/plain') ?? '\r';
        const taken =
            text.length === 1 ? logic.keyPress(field, text) : logic.takesWhole(field, text);
        if (!taken)
            event.preventDefault();
    });
    let before = null;
    element.addEventListener('compositionstart', () => {
        before = {
            value: element.value,
            start: element.selectionStart,
            end: element.selectionEnd,
        };
    });
    element.addEventListener('compositionend', (event) => {
        const was = before;
        before = null;
        if (was && !logic.takesWhole(field, event.data ?? '')) {
            element.value = was.value;
            element.setSelectionRange(was.start, was.end);
        }
        logic.edited(field);
    });
    element.addEventListener('input', (event) => {
        if (!event.isComposing && before === null)
            logic.edited(field);
    });
}

// A list: its drop-down picks, the arrow keys pick the next or the previous item, and
// Alt+Down or F4 open the drop-down.
function wireList(logic, field, element) {
    const list = listOf(element);
    list.addEventListener('change', () => {
        const item = list.value;
        list.selectedIndex = -1;
        if (item !== '')
            logic.picked(field, item);
    });
    element.addEventListener('keydown', (event) => {
        const items = [...list.options].map((option) => option.value);
        if ((event.altKey && event.key === 'ArrowDown') || event.key === 'F4') {
            event.preventDefault();
            try {
                list.showPicker();
            } catch {
                list.focus();
            }
            return;
        }
        if ((event.key !== 'ArrowDown' && event.key !== 'ArrowUp') || event.altKey || !items.length)
            return;
        event.preventDefault();
        const at = items.indexOf(element.value);
        const next =
            at < 0 ? 0 : Math.max(0, Math.min(items.length - 1, at + (event.key === 'ArrowDown' ? 1 : -1)));
        if (next !== at)
            logic.picked(field, items[next]);
    });
}

// The program ends at once: an installed app's window closes; where the browser keeps
// the page, nothing of the calculator stays on it.
function end(doc) {
    window.close();
    const main = doc.querySelector('main');
    const ended = doc.createElement('p');
    ended.id = 'ended';
    ended.textContent = 'Работа программы завершена. ';
    const again = doc.createElement('a');
    again.href = './';
    again.textContent = 'Начать заново';
    ended.append(again);
    main.replaceWith(ended);
}

async function start(doc) {
    let memory;
    const loading = instantiate({ page: pageImports(doc, () => memory) });
    // The browser's number formats are read while the module loads: the first read is slow.
    const decimal = separator();
    const { instance } = await loading;
    memory = instance.exports.memory;
    instance.exports._initialize();
    const logic = logicOf(instance.exports);
    const { fields } = controls(doc);
    fields.forEach((element, field) => {
        if (element.tagName !== 'INPUT')
            return;
        guard(logic, field, element);
        if (listOf(element))
            wireList(logic, field, element);
    });
    doc.getElementById('Комманда1').addEventListener('click', () => end(doc));
    logic.start(decimal);
    doc.body.classList.add('ready');
    fields[0].focus({ preventScroll: true });
    return { exports: instance.exports, logic };
}

// The running window, for whoever waits for it.
export const running = start(document).catch((error) => {
    document.getElementById('failure').hidden = false;
    throw error;
});

// Offline after the first visit: the files are kept by the service worker.
if ('serviceWorker' in navigator)
    window.addEventListener('load', () => navigator.serviceWorker.register('sw.js'));
