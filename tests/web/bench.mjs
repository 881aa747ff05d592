// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// The web app's size and start, for scripts/bench --web: the module's size, all that a
// first visit loads, and the time from navigation until the window is drawn with its
// result, against a floor: the same page with its start values written in and no
// script. Both are first visits (a new browser context each) to one server, taking
// turns; the medians of RUNS. The service worker is kept out: it registers only once
// the page has loaded, and then fetches the site again for offline use.
//
// The window's drawing is its first contentful paint: the page keeps its window hidden
// until the logic has written every start value, so its first paint with any text in
// it is the one that shows 0,226. The floor's is its first contentful paint too.
//
//   node bench.mjs SITE RUNS

import { cpSync, mkdtempSync, readdirSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { launchBrowser, startServer } from './browser.mjs';

const [site, runsText] = process.argv.slice(2);
const runs = Number(runsText ?? 15);
const goals = { module: 250_000, loaded: 400_000, ratio: 1.5 };

// The site and its floor, served together.
const served = mkdtempSync(join(tmpdir(), 'electrode-calc-bench-'));
process.once('exit', () => rmSync(served, { recursive: true, force: true }));
cpSync(site, served, { recursive: true });
const server = await startServer(served);
const browser = await launchBrowser();

// When the logic has shown the start values, and the first contentful paint.
function marks() {
    window.benchReady = null;
    new MutationObserver(() => {
        if (window.benchReady === null && document.body?.classList.contains('ready'))
            window.benchReady = performance.now();
    }).observe(document, { attributes: true, subtree: true, attributeFilter: ['class'] });
}

// A first visit; what it measured.
async function visit(path, { sizes = false } = {}) {
    const context = await browser.newContext({ locale: 'ru-RU', viewport: { width: 1280, height: 800 },
        serviceWorkers: 'block' });
    const page = await context.newPage();
    await page.addInitScript(marks);
    await page.goto(server.url + path);
    await page.waitForFunction(() => performance.getEntriesByName('first-contentful-paint').length > 0);
    if (sizes)
        await page.waitForLoadState('networkidle');
    const measured = await page.evaluate(() => {
        const loaded = [...performance.getEntriesByType('navigation'), ...performance.getEntriesByType('resource')];
        return {
            drawn: performance.getEntriesByName('first-contentful-paint')[0].startTime,
            ready: window.benchReady,
            result: document.getElementById('Текст3').value,
            files: loaded.length,
            decoded: loaded.reduce((sum, entry) => sum + entry.decodedBodySize, 0),
            transferred: loaded.reduce((sum, entry) => sum + entry.transferSize, 0),
        };
    });
    await context.close();
    return measured;
}

// The floor: the page as the logic leaves it at the start, without its script.
const context = await browser.newContext({ locale: 'ru-RU' });
const page = await context.newPage();
await page.goto(server.url);
await page.waitForSelector('body.ready', { state: 'attached' });
const floor = await page.evaluate(() => {
    for (const input of document.querySelectorAll('input'))
        input.setAttribute('value', input.value);
    for (const element of document.querySelectorAll('script, link[rel=modulepreload], link[rel=preload]'))
        element.remove();
    return { html: `<!DOCTYPE html>\n${document.documentElement.outerHTML}\n`,
        controls: document.querySelectorAll('main [data-row]').length };
});
await context.close();
writeFileSync(join(served, 'floor.html'), floor.html);

const first = await visit('', { sizes: true });
await visit('floor.html');
const times = { page: [], floor: [], ready: [] };
for (let run = 0; run < runs; ++run) {
    for (const which of run % 2 ? ['floor', 'page'] : ['page', 'floor']) {
        const m = await visit(which === 'page' ? '' : 'floor.html');
        if (which === 'page') {
            // The window was drawn with its result, not before.
            if (m.result !== '0,226' || m.ready === null || m.drawn < m.ready)
                throw new Error(`the window was drawn at ${m.drawn} ms, its result "${m.result}" at ${m.ready} ms`);
            times.ready.push(m.ready);
        }
        times[which].push(m.drawn);
    }
}
const version = browser.version();
await browser.close();
await server.stop();

const median = (values) => {
    const v = [...values].sort((a, b) => a - b);
    return v.length % 2 ? v[(v.length - 1) / 2] : (v[v.length / 2 - 1] + v[v.length / 2]) / 2;
};
const module = statSync(join(site, 'electrode.wasm')).size;
const ratio = median(times.page) / median(times.floor);
const met = (ok) => (ok ? 'met' : 'missed');
const kb = (bytes) => `${(bytes / 1000).toFixed(1)} kB`;
console.log(`Medians of ${runs} interleaved first visits each, headless Chromium ${version}, ` +
    `served by Python's http.server on 127.0.0.1, ru-RU, 1280x800; the floor has the same ${floor.controls} ` +
    'controls\n');
console.log(`${''.padEnd(28)}${'logic ready, ms'.padStart(16)}${'drawn, ms'.padStart(12)}`);
console.log(`${'electrode-calc (page)'.padEnd(28)}${median(times.ready).toFixed(1).padStart(16)}` +
    `${median(times.page).toFixed(1).padStart(12)}`);
console.log(`${'floor (static, no script)'.padEnd(28)}${'-'.padStart(16)}${median(times.floor).toFixed(1).padStart(12)}`);
console.log(`${'page / floor'.padEnd(28)}${''.padStart(16)}${`${ratio.toFixed(2)}x`.padStart(12)}\n`);
console.log(`The module: ${module} bytes, ${kb(module)}; goal at most ${kb(goals.module)}: ${met(module <= goals.module)}`);
console.log(`The first visit loads ${first.files} files, ${first.decoded} bytes (${kb(first.decoded)}) before ` +
    `compression, ${first.transferred} bytes transferred; goal at most ${kb(goals.loaded)}: ` +
    `${met(first.decoded <= goals.loaded)}`);
// The service worker then keeps every file of the site, fetching what the page did not.
const whole = readdirSync(site).reduce((sum, name) => sum + statSync(join(site, name)).size, 0);
console.log(`With the service worker's copy for offline use, at most the whole site: ${whole} bytes (${kb(whole)})`);
console.log(`Drawn with its result at most ${goals.ratio.toFixed(2)}x the floor: ${met(ratio <= goals.ratio)}`);
