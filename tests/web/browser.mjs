// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// What the page's tests and its benchmark share: a static server of the built site on
// this machine, and Debian's Chromium, headless.

import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium } from 'playwright-core';

// Python's static server of `site` on a free port of 127.0.0.1, as scripts/web serves
// it; resolves once it answers.
export async function startServer(site) {
    const server = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1',
        '--directory', site], { stdio: ['ignore', 'pipe', 'pipe'] });
    const stopped = new Promise((resolve) => server.once('exit', resolve));
    let output = '';
    const port = await new Promise((resolve, reject) => {
        server.stdout.on('data', (data) => {
            output += data;
            const found = /port (\d+)/.exec(output);
            if (found)
                resolve(Number(found[1]));
        });
        server.once('exit', (code) => reject(new Error(`the server ended (${code}): ${output}`)));
    });
    // Its log of requests is not read.
    server.stderr.resume();
    const url = `http://127.0.0.1:${port}/`;
    for (;;) {
        try {
            if ((await fetch(url)).ok)
                break;
        } catch {
            // Not listening yet.
        }
        await new Promise((resolve) => setImmediate(resolve));
    }
    process.once('exit', () => server.kill());
    return {
        url,
        async stop() {
            server.kill();
            await stopped;
        },
    };
}

const browserOptions = () => ({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
        '--disable-component-update', '--disable-sync', '--no-first-run'],
});

// A browser of its own with a fresh profile, as a user's first visit has it, and so a
// window whose pages can be installed: its only context, with `options`.
export async function launch(options = {}) {
    const profile = mkdtempSync(join(tmpdir(), 'electrode-calc-chromium-'));
    const context = await chromium.launchPersistentContext(profile, { ...browserOptions(), ...options });
    // Removed once the browser has ended with this process.
    process.once('exit', () => {
        try {
            rmSync(profile, { recursive: true, force: true });
        } catch {
            // A browser that is still writing it: the system's temporary files.
        }
    });
    return context;
}

// A browser for many first visits, each in a new context that shares nothing with the
// others (its profile is a new one that Playwright makes).
export function launchBrowser() {
    return chromium.launch(browserOptions());
}
