#!/usr/bin/env node
// SPDX-License-Identifier: GPL-3.0-or-later
// What only the web page has, checked in headless Chromium: the layout on a
// phone held upright and on a wide screen, the start from a server that
// sends the core with another MIME type, a reload with the network off, the
// install manifest as Chromium judges it, and the live region that announces
// new values.
//
//   node tests/web/page-checks.mjs
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { launchBrowser, launchWithProfile, openContext, desktopView, phoneView } from './lib/browser.mjs';
import { siteFolder } from './lib/places.mjs';
import { serveSite } from './lib/site-server.mjs';

// A phone's readable text and a finger's target, in CSS pixels.
const smallestText = 14;
const smallestTarget = 44;
// Rounding of layout boxes.
const slack = 0.5;

const display = 1007;
const equalsKey = 1152;

async function openPage(browser, url, view) {
    const context = await openContext(browser, view);
    const page = await context.newPage();
    await page.goto(url);
    await page.waitForFunction(() => document.documentElement.dataset.state === 'ready');
    return { context, page };
}

function expect(condition, message) {
    if (!condition) throw new Error(message);
}

// Everything the phone layout promises, read from the page.
function phoneLayout({ display, equalsKey, smallestText, smallestTarget, slack }) {
    const shown = (element) => element.getClientRects().length > 0 &&
        getComputedStyle(element).visibility !== 'hidden';
    const faults = [];
    const root = document.documentElement;
    if (root.scrollWidth > root.clientWidth) faults.push(`the page scrolls sideways (${root.scrollWidth} px wide)`);

    const panels = [...document.getElementById('client').children].filter(shown);
    const boxes = panels.map((panel) => panel.getBoundingClientRect());
    for (let i = 1; i < boxes.length; ++i) {
        if (boxes[i].top < boxes[i - 1].bottom - 1) faults.push(`panel ${i + 1} stands beside panel ${i}`);
    }
    for (const [i, box] of boxes.entries()) {
        if (box.left < 0 || box.right > innerWidth + slack) faults.push(`panel ${i + 1} leaves the screen`);
    }

    for (const element of document.querySelectorAll('#window [data-id]')) {
        if (!shown(element)) continue;
        const id = element.dataset.id;
        const toggle = element.localName === 'input' && ['radio', 'checkbox'].includes(element.type);
        // A toggle's caption is its label's text; a box's text is its value.
        const face = toggle ? element.closest('label') ?? element : element;
        const size = parseFloat(getComputedStyle(face).fontSize);
        if (face.textContent.trim() !== '' || face.value !== undefined) {
            if (size < smallestText) faults.push(`control ${id}: text of ${size} px`);
        }
        if (!toggle && element.localName !== 'button') continue;
        const target = face.getBoundingClientRect();
        if (target.width < smallestTarget - slack || target.height < smallestTarget - slack) {
            faults.push(`control ${id}: a target of ${target.width.toFixed(0)}x${target.height.toFixed(0)} px`);
        }
    }

    // The panels scroll; the display and the keypad stay in reach.
    scrollTo(0, root.scrollHeight);
    for (const id of [display, equalsKey]) {
        const box = document.querySelector(`[data-id="${id}"]`).getBoundingClientRect();
        if (box.top < 0 || box.bottom > innerHeight) faults.push(`control ${id} is out of reach after scrolling down`);
    }
    scrollTo(0, 0);
    return faults;
}

const checks = {
    async 'phone: one column, readable, big enough to tap, display and keypad in reach'({ browser, url }) {
        const { context, page } = await openPage(browser, url, phoneView);
        const faults = await page.evaluate(phoneLayout, { display, equalsKey, smallestText, smallestTarget, slack });
        await context.close();
        expect(faults.length === 0, faults.join('\n'));
    },

    async 'wide: the window fits the screen at its proportions, without scrolling'({ browser, url }) {
        for (const viewport of [{ width: 1280, height: 800 }, { width: 1920, height: 1080 }, { width: 800, height: 1000 }]) {
            const { context, page } = await openPage(browser, url, { viewport });
            const fit = await page.evaluate(() => {
                const root = document.documentElement;
                const client = document.getElementById('client');
                const style = getComputedStyle(client);
                const { width, height } = client.getBoundingClientRect();
                const frame = [style.getPropertyValue('--dw'), style.getPropertyValue('--dh')].map(Number);
                return {
                    scrolls: root.scrollWidth > root.clientWidth || root.scrollHeight > root.clientHeight,
                    proportions: (width / height) / (frame[0] / (frame[1] * 13 / 12)),
                    fills: Math.max(width / root.clientWidth, height / root.clientHeight),
                };
            });
            await context.close();
            const size = `${viewport.width}x${viewport.height}`;
            expect(!fit.scrolls, `the page scrolls at ${size}`);
            expect(Math.abs(fit.proportions - 1) < 0.01, `the window is out of proportion at ${size} (${fit.proportions})`);
            expect(fit.fills > 0.9, `the window fills only ${Math.round(fit.fills * 100)} % of ${size}`);
        }
    },

    async 'a server that sends the core with another MIME type: the page still starts and computes'({ browser, url }) {
        const context = await openContext(browser, desktopView);
        const page = await context.newPage();
        await page.route('**/varnock.wasm', async (route) => {
            const response = await route.fetch();
            await route.fulfill({ response, headers: { ...response.headers(), 'content-type': 'application/octet-stream' } });
        });
        await page.goto(url);
        await page.waitForFunction(() => document.documentElement.dataset.state === 'ready');
        for (const key of ['7', '*', '6', '=']) await page.keyboard.press(key);
        const shown = await page.inputValue(`[data-id="${display}"]`);
        await context.close();
        expect(shown === '42', `7 * 6 shows ${JSON.stringify(shown)}`);
    },

    async 'offline: a reload with the network off loads and computes'({ browser, url }) {
        const { context, page } = await openPage(browser, url, desktopView);
        await page.evaluate(async () => {
            await navigator.serviceWorker.ready;
        });
        // The first visit's page is not yet under the worker's control.
        await page.reload();
        await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
        await context.setOffline(true);
        await page.reload();
        await page.waitForFunction(() => document.documentElement.dataset.state === 'ready');
        for (const key of ['1', '2', '*', '3', '=']) await page.keyboard.press(key);
        const shown = await page.inputValue(`[data-id="${display}"]`);
        await context.close();
        expect(shown === '36', `12 * 3 shows ${JSON.stringify(shown)} offline`);
    },

    async 'install: the manifest parses, its icons load, Chromium finds it installable'({ url }) {
        const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'varnock-profile-'));
        const context = await launchWithProfile(profile);
        try {
            const page = context.pages()[0] ?? (await context.newPage());
            await page.goto(url);
            await page.waitForFunction(() => document.documentElement.dataset.state === 'ready');
            await page.evaluate(() => navigator.serviceWorker.ready);
            const { body, icons } = await page.evaluate(async () => {
                const link = document.querySelector('link[rel=manifest]');
                const manifest = await (await fetch(link.href)).json();
                const loaded = await Promise.all(
                    manifest.icons.map(async (icon) => {
                        const response = await fetch(new URL(icon.src, link.href));
                        return { src: icon.src, ok: response.ok, type: response.headers.get('content-type') ?? '' };
                    }),
                );
                return { body: manifest, icons: loaded };
            });
            const session = await context.newCDPSession(page);
            const { installabilityErrors } = await session.send('Page.getInstallabilityErrors');
            expect(body.name && body.start_url && body.display, 'the manifest lacks a name, start_url or display');
            for (const icon of icons) expect(icon.ok && icon.type.startsWith('image/'), `icon ${icon.src} does not load`);
            expect(installabilityErrors.length === 0,
                `not installable: ${installabilityErrors.map((error) => error.errorId).join(', ')}`);
        } finally {
            await context.close();
            fs.rmSync(profile, { recursive: true, force: true });
        }
    },

    async 'live region: a new display value and a new result are announced'({ browser, url }) {
        const { context, page } = await openPage(browser, url, desktopView);
        const announced = () => page.evaluate(() =>
            [...document.querySelectorAll('[aria-live=polite], [aria-live=assertive]')]
                .map((region) => region.textContent).join('\n'));
        await page.keyboard.press('7');
        await page.waitForTimeout(50);
        const afterKey = await announced();
        for (const key of ['*', '6', '=']) await page.keyboard.press(key);
        await page.waitForTimeout(50);
        const afterResult = await announced();
        await context.close();
        expect(afterKey.includes('7'), `a typed 7 is not announced (${JSON.stringify(afterKey)})`);
        expect(afterResult.includes('42'), `the result 42 is not announced (${JSON.stringify(afterResult)})`);
    },
};

const site = await serveSite(siteFolder);
const browser = await launchBrowser();
let failed = 0;
try {
    for (const [name, check] of Object.entries(checks)) {
        try {
            await check({ browser, url: site.url });
            console.log(`ok ${name}`);
        } catch (error) {
            ++failed;
            console.log(`FAIL ${name}\n  ${error.message.replaceAll('\n', '\n  ')}`);
        }
    }
} finally {
    await browser.close();
    await site.close();
}
const total = Object.keys(checks).length;
console.log(`${total - failed} passed, ${failed} failed`);
process.exitCode = failed === 0 ? 0 : 1;
