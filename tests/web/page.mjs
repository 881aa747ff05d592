// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// The web app in Chromium, served from the built site by one server for the whole run:
// the fields' contract on the page's controls, the key rows typed with real key events,
// every other way text arrives, a walk against the logic alone, installability, the
// accessibility rules, the narrow layout, the decimal separator, and the page offline
// once the server has stopped.
//
//   node page.mjs SITE WASM_BIN SCREENSHOTS
//
// WALK_SEED repeats a walk; WALK_STEPS lengthens the walks.

import { mkdirSync, readFileSync } from 'node:fs';
import { randomInt } from 'node:crypto';
import { AxeBuilder } from '@axe-core/playwright';
import { launch, startServer } from './browser.mjs';
import { instantiate } from './wasi.mjs';

const [site, bin, screenshots] = process.argv.slice(2);
const began = Date.now();
const log = console.log;
console.log = (...a) => log(`[${((Date.now() - began) / 1000).toFixed(1)}]`, ...a);

// Checks as the core's tests make them: a failure names its row and both values.
let passes = 0;
let failures = 0;
function equal(row, what, actual, expected) {
    if (JSON.stringify(actual) === JSON.stringify(expected)) {
        ++passes;
        return true;
    }
    ++failures;
    console.log(`FAIL: ${row}: ${what} is ${JSON.stringify(actual)}, expected ${JSON.stringify(expected)}`);
    return false;
}

// The shared tables and the walk (page_walk.cpp), in this process.
const tables = instantiate(new WebAssembly.Module(readFileSync(`${bin}/page_walk.wasm`)), {}).exports;
tables._initialize();
const textOf = (length) =>
    String.fromCharCode(...new Uint16Array(tables.memory.buffer, tables.buffer(), length));
const cString = (memory, at) => {
    const bytes = new Uint8Array(memory.buffer, at);
    return new TextDecoder().decode(bytes.subarray(0, bytes.indexOf(0)));
};
const fieldCount = 11;
const names = Array.from({ length: fieldCount }, (_, f) => textOf(tables.fieldName(f)));
const F = Object.fromEntries(names.map((name, f) => [name, f]));
const keyRows = Array.from({ length: tables.keyRowCount() }, (_, i) => ({
    name: cString(tables.memory, tables.keyRowName(i)),
    field: tables.keyRowField(i),
    typed: textOf(tables.keyRowTyped(i)),
    passes: tables.keyRowPasses(i) !== 0,
}));

// The fields the page shows and their key rows: a hidden field takes no key.
let shownFields;
let shownRows;

// The window's fields as the page shows them, by form::Field.
const shown = (page) => page.evaluate((count) => Array.from({ length: count }, (_, f) => {
    const element = document.querySelector(`[data-field="${f}"]`);
    return element.tagName === 'INPUT' ? element.value : element.textContent;
}), fieldCount);

// The page with its start values, and the focus, which Tab can take out of it: loaded
// anew unless it still has them all.
let start;
async function open(page) {
    if (start && page.url() === server.url && await page.evaluate(() => document.hasFocus()) &&
        JSON.stringify(await shown(page)) === start)
        return;
    await page.goto(server.url);
    await page.waitForSelector('body.ready', { state: 'attached' });
    start ??= JSON.stringify(await shown(page));
}

// The field with the caret at the end of its text, as the keys are typed in.
const atEnd = (page, id) => page.evaluate((name) => {
    const element = document.getElementById(name);
    element.focus();
    element.setSelectionRange(element.value.length, element.value.length);
}, id);

// A character typed with the key that makes it: control characters with their keys,
// others as a keyboard whose layout has them sends them.
const keyOf = { '\b': 'Backspace', '\r': 'Enter', '\x1b': 'Escape', '\t': 'Tab', '\x03': 'Control+C',
    '\x16': 'Control+V', '\x18': 'Control+X', '\x1a': 'Control+Z' };
async function typeKey(page, cdp, c) {
    if (keyOf[c])
        return page.keyboard.press(keyOf[c]);
    if (c >= ' ' && c <= '~')
        return page.keyboard.press(c);
    await cdp.send('Input.dispatchKeyEvent', { type: 'keyDown', key: c, text: c, unmodifiedText: c });
    await cdp.send('Input.dispatchKeyEvent', { type: 'keyUp', key: c });
}

const paste = (page, id, text) => page.evaluate(async ([name, pasted]) => {
    await navigator.clipboard.writeText(pasted);
    const element = document.getElementById(name);
    element.focus();
    element.select();
}, [id, text]).then(() => page.keyboard.press('Shift+Insert'));

// The fields' contract: each row's write, made by a module of the shared table over the
// page's own imports, raises nothing in the running app.
async function contract(page) {
    await open(page);
    const bytes = readFileSync(`${bin}/page_contract.wasm`).toString('base64');
    const results = await page.evaluate(async (encoded) => {
        const { pageImports } = await import('./fields.js');
        const { exports: app } = await (await import('./app.js')).running;
        let memory;
        const trap = new Proxy({}, { get: (_, name) => () => { throw new Error(`WASI ${name}`); } });
        const module = await WebAssembly.compile(Uint8Array.from(atob(encoded), (c) => c.charCodeAt(0)));
        const { exports } = await WebAssembly.instantiate(module,
            { page: pageImports(document, () => memory), wasi_snapshot_preview1: trap });
        memory = exports.memory;
        exports._initialize();
        const rows = [];
        for (let row = 0; row < exports.rowCount(); ++row) {
            const before = app.calculations();
            let raised = '';
            try {
                exports.write(row);
            } catch (error) {
                raised = String(error);
            }
            // Whatever an event would run has run by the next frame.
            await new Promise(requestAnimationFrame);
            const bytes = new Uint8Array(memory.buffer, exports.rowName(row));
            rows.push({ name: new TextDecoder().decode(bytes.subarray(0, bytes.indexOf(0))), raised,
                calculations: app.calculations() - before, shows: exports.shows(row) !== 0 });
        }
        return rows;
    }, bytes);
    for (const row of results) {
        equal(row.name, 'raised', row.raised, '');
        equal(row.name, 'Changes raised', row.calculations, 0);
        equal(row.name, 'the page shows the write', row.shows, true);
    }
    console.log(`the page: the fields' contract, ${results.length} rows`);
}

// Each character of the key rows typed into its field: the text changes exactly where
// the row passes; a deletion in the result empties it whole. The clipboard holds a
// digit, which Ctrl+V must not paste.
async function keys(page, cdp) {
    let typed = 0;
    for (const row of shownRows) {
        await open(page);
        await page.evaluate(() => navigator.clipboard.writeText('7'));
        const id = names[row.field];
        for (const c of row.typed) {
            await atEnd(page, id);
            const before = await page.inputValue(`#${id}`);
            await typeKey(page, cdp, c);
            const after = await page.inputValue(`#${id}`);
            equal(row.name, `key ${c.charCodeAt(0)} changes the text`, after !== before, row.passes);
            if (row.field === F.Текст3 && row.passes)
                equal(row.name, 'the result after a deletion', after, '');
            ++typed;
        }
    }
    console.log(`the page: ${shownRows.length} key rows, ${typed} keys typed; ` +
        `${keyRows.length - shownRows.length} rows of a hidden field, which takes no key here`);
}

// Makes `act`, then waits until the field has had `event` and the page and the browser
// have answered it; whether the field's text changed with an input event.
async function after(page, id, event, act) {
    await page.evaluate(([name, type]) => {
        const element = document.getElementById(name);
        window.arrival = { changed: false, answered: false };
        element.addEventListener('input', () => { window.arrival.changed = true; }, { once: true });
        element.addEventListener(type, () => setTimeout(() => { window.arrival.answered = true; }),
            { once: true });
    }, [id, event]);
    await act();
    await page.waitForFunction(() => window.arrival.answered);
    return page.evaluate(() => window.arrival.changed);
}

// Every other way text arrives. Text that arrives whole, without a key for each of its
// characters, is taken whole where each would pass and none is a backspace: the key
// rows' texts. Pasted and dropped text is taken as it is where the field takes pastes:
// pasted over the whole text, dropped at its end; in the result, which takes none, a
// paste of what remains after deleting from it would have emptied it.
const pasted = '26';
const ways = [
    { way: 'composition', whole: true, event: 'compositionend', put: async (page, cdp, id, text) => {
        await cdp.send('Input.imeSetComposition', { text, selectionStart: text.length, selectionEnd: text.length });
        await cdp.send('Input.insertText', { text });
    } },
    // Dictation, or a tool that types for the user.
    { way: 'insertText', whole: true, event: 'beforeinput',
        put: (page, cdp, id, text) => cdp.send('Input.insertText', { text }) },
    { way: 'paste', event: 'paste', taken: () => pasted, put: (page, cdp, id) => paste(page, id, pasted) },
    { way: 'drop', event: 'drop', taken: (before) => before + pasted, put: async (page, cdp, id) => {
        const box = await page.locator(`#${id}`).boundingBox();
        for (const type of ['dragEnter', 'dragOver', 'drop'])
            await cdp.send('Input.dispatchDragEvent', { type, x: box.x + box.width - 3, y: box.y + box.height / 2,
                data: { items: [{ mimeType: 'text/plain', data: pasted }], dragOperationsMask: 1 } });
    } },
];

async function arrivals(page, cdp) {
    const cases = [];
    for (const way of ways.filter((w) => w.whole))
        for (const row of shownRows.filter((r) => !r.typed.includes('\b')))
            cases.push({ way, row: row.name, field: row.field, text: row.typed,
                taken: (before) => (row.passes ? before + row.typed : before) });
    for (const way of ways.filter((w) => !w.whole))
        for (const field of shownFields)
            cases.push({ way, row: names[field], field, takes: tables.takesPastes(field) !== 0,
                taken: tables.takesPastes(field) ? way.taken : (before) => before });
    for (const { way, row, field, text, takes, taken } of cases) {
        const id = names[field];
        await open(page);
        await atEnd(page, id);
        const before = await page.inputValue(`#${id}`);
        const changed = await after(page, id, way.event, () => way.put(page, cdp, id, text));
        equal(row, `the text after a ${way.way}`, await page.inputValue(`#${id}`), taken(before));
        // A paste or a drop is refused before it reaches the field.
        if (takes !== undefined)
            equal(row, `a ${way.way} taken`, changed, takes);
    }
    // A correction the browser offers (a spelling suggestion): the page's answer to it.
    const corrections = shownRows.filter((r) => !r.typed.includes('\b'));
    for (const row of corrections) {
        const refused = await page.evaluate(([name, text]) => {
            const data = new DataTransfer();
            data.setData('text/plain', text);
            const event = new InputEvent('beforeinput', { inputType: 'insertReplacementText', dataTransfer: data,
                cancelable: true, bubbles: true });
            document.getElementById(name).dispatchEvent(event);
            return event.defaultPrevented;
        }, [names[row.field], row.typed]);
        equal(row.name, 'a correction refused', refused, !row.passes);
    }
    console.log(`the page: ${cases.length + corrections.length} texts composed, inserted, pasted, dropped ` +
        'and corrected');
}

// How the page makes each kind of step of the walk (walk::Kind), if it is one.
const walkStep = [
    null,
    (page, cdp, id) => page.selectOption(`#${id}-список`, { index: tables.stepIndex() }),
    (page, cdp, id) => atEnd(page, id).then(() => typeKey(page, cdp, String.fromCharCode(tables.stepKey()))),
    (page, cdp, id) => atEnd(page, id).then(() => page.keyboard.press('Backspace')),
    (page, cdp, id) => paste(page, id, textOf(tables.stepText())),
];

// The walk of tests/core/walk.h on the page: after each step every field is what the
// logic alone shows.
async function walk(page, cdp, seed, steps) {
    await open(page);
    tables.walkStart(seed);
    for (let step = 1; step <= steps; ++step) {
        const kind = tables.walkNext();
        const id = names[tables.stepField()];
        try {
            await walkStep[kind]?.(page, cdp, id);
        } catch (error) {
            equal(`walk seed ${seed}, step ${step}`, 'the step made', String(error), '');
            return;
        }
        tables.walkApply();
        (await shown(page)).forEach((text, f) => {
            new Uint16Array(tables.memory.buffer, tables.buffer(), text.length)
                .set(Array.from(text, (c) => c.charCodeAt(0)));
            tables.walkShown(f, text.length);
        });
        if (!tables.walkCompare(seed, step)) {
            equal(`walk seed ${seed}`, 'the step that failed', step, 0);
            return;
        }
        ++passes;
    }
    console.log(`the page: the walk with seed ${seed}, ${steps} steps`);
}

// Installable: no error in Chromium's own check, and the manifest's members.
async function installable(page, cdp) {
    const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
    equal('installability', 'errors', installabilityErrors, []);
    const manifest = await (await fetch(new URL('manifest.webmanifest', server.url))).json();
    for (const [member, value] of [['display', 'standalone'], ['lang', 'ru'], ['start_url', './']])
        equal('manifest', member, manifest[member], value);
    for (const member of ['name', 'short_name'])
        equal('manifest', `${member} given`, Boolean(manifest[member]), true);
    // Each icon is a PNG of its size.
    for (const icon of manifest.icons) {
        const png = Buffer.from(await (await fetch(new URL(icon.src, server.url))).arrayBuffer());
        equal(`icon ${icon.src}`, 'size', `${png.readUInt32BE(16)}x${png.readUInt32BE(20)}`, icon.sizes);
    }
    const has = (test) => manifest.icons.some(test);
    equal('manifest', 'an icon of 192', has((i) => i.sizes === '192x192'), true);
    equal('manifest', 'an icon of 512', has((i) => i.sizes === '512x512'), true);
    equal('manifest', 'a maskable icon', has((i) => (i.purpose ?? '').split(' ').includes('maskable')), true);
}

async function accessible(page, where) {
    const { violations } = await new AxeBuilder({ page })
        .withTags(['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa']).analyze();
    for (const v of violations)
        console.log(`  ${v.id}: ${v.help}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
    equal(`axe at ${where}`, 'violations', violations.map((v) => v.id), []);
}

// Narrow: no scrolling sideways, every control a finger's height, one column in the
// document's order.
async function narrow(page) {
    const layout = await page.evaluate(() => {
        const box = (e) => e.getBoundingClientRect();
        const seen = (e) => e.getClientRects().length > 0 && getComputedStyle(e).visibility !== 'hidden';
        const controls = [...document.querySelectorAll('main :is(input, select, button, label, output)')]
            .filter(seen).map((e) => ({ id: e.id, height: box(e).height }));
        const column = [...document.querySelector('main').children].filter(seen).map((e) => {
            const b = box(e);
            return { id: e.id, top: b.top, bottom: b.bottom, left: b.left, right: b.right };
        });
        return { scrolls: document.documentElement.scrollWidth > innerWidth, width: innerWidth, controls, column };
    });
    equal('360x640', 'scrolls sideways', layout.scrolls, false);
    for (const c of layout.controls)
        equal('360x640', `${c.id} at least 44 px tall`, c.height >= 44, true);
    layout.column.forEach((c, i) => {
        const above = layout.column[i - 1];
        if (above)
            equal('360x640', `${c.id} below ${above.id}`, c.top >= above.bottom - 0.5, true);
        equal('360x640', `${c.id} inside the screen`, c.left >= 0 && c.right <= layout.width, true);
    });
    console.log(`the page at 360x640: ${layout.controls.length} controls, one column of ${layout.column.length}`);
}

const server = await startServer(site);
mkdirSync(screenshots, { recursive: true });
const browser = await launch({ locale: 'ru-RU', viewport: { width: 1280, height: 800 },
    permissions: ['clipboard-read', 'clipboard-write'] });

// Offline: the first visit, until the service worker controls the page; the rest of
// it when the server has stopped.
const away = await browser.newPage();
await open(away);
await away.waitForFunction(() => navigator.serviceWorker.controller !== null, null, { timeout: 60000 });

const wide = await browser.newPage();
const cdp = await browser.newCDPSession(wide);
await open(wide);
equal('ru-RU', 'the result', await wide.inputValue('#Текст3'), '0,226');
// Loaded, the window turns from the frame's pale green to its own pale yellow.
const background = (id) => wide.$eval(id, (element) => getComputedStyle(element).backgroundColor);
equal('ru-RU', 'the window loaded', await background('#Форма1'), 'rgb(255, 255, 215)');
equal('ru-RU', 'the frame', await background('#Рамка1'), 'rgb(192, 255, 192)');
shownFields = await wide.evaluate(() =>
    [...document.querySelectorAll('input[data-field]:not([hidden])')].map((e) => Number(e.dataset.field)));
shownRows = keyRows.filter((row) => shownFields.includes(row.field));
await wide.screenshot({ path: `${screenshots}/web-1280x800.png` });
await installable(wide, cdp);
await accessible(wide, '1280x800');
await contract(wide);
await keys(wide, cdp);
await arrivals(wide, cdp);
const seeds = [19616, Number(process.env.WALK_SEED ?? randomInt(1, 2 ** 31))];
const steps = Number(process.env.WALK_STEPS ?? 1000);
for (const seed of seeds) {
    console.log(`the walk: seed ${seed}`);
    await walk(wide, cdp, seed, steps);
}

const phone = await browser.newPage();
await phone.setViewportSize({ width: 360, height: 640 });
await open(phone);
await phone.screenshot({ path: `${screenshots}/web-360x640.png`, fullPage: true });
await accessible(phone, '360x640');
await narrow(phone);

const english = await launch({ locale: 'en-US' });
const inEnglish = await english.newPage();
await open(inEnglish);
equal('en-US', 'the result', await inEnglish.inputValue('#Текст3'), '0.226');
await english.close();
console.log('the page: the decimal separator in Russian and English, installability, axe at 1280x800 and 360x640');

await server.stop();
const reloaded = await away.reload().then(() => away.waitForSelector('body.ready', { state: 'attached' }))
    .then(() => '', String);
if (equal('offline', 'the reload', reloaded, '')) {
    equal('offline', 'the result', await away.inputValue('#Текст3'), '0,226');
    await away.fill('#Текст2', '2000');
    await away.waitForFunction(() => document.getElementById('Текст3').value === '0,452', null,
        { timeout: 10000 }).catch(() => {});
    equal('offline', 'the result of 2000 mm', await away.inputValue('#Текст3'), '0,452');
    console.log('the page offline: reloaded and calculated with the server stopped');
}

await browser.close();
console.log(`${passes} passed, ${failures} failed`);
process.exitCode = failures ? 1 : 0;
