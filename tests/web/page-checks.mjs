#!/usr/bin/env node
// SPDX-License-Identifier: GPL-3.0-or-later
// What only the web page has, checked in headless Chromium: the layout on a
// phone held upright and on a wide screen, the start from a server that
// sends the core with another MIME type, a reload with the network off, the
// install manifest as Chromium judges it, the live region that announces
// new values, the keyboard alone reaching and running every control, the
// role and name a screen reader reads for each control, and the contrast of
// text and control edges in light and dark.
//
//   node tests/web/page-checks.mjs
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { launchBrowser, launchWithProfile, openContext, openReadyPage, untilReady, desktopView, phoneView } from './lib/browser.mjs';
import { controlTableModule, siteFolder } from './lib/places.mjs';
import { serveSite } from './lib/site-server.mjs';

// A phone's readable text and a finger's target, in CSS pixels.
const smallestText = 14;
const smallestTarget = 44;
// Rounding of layout boxes.
const slack = 0.5;

const display = 1007;
const equalsKey = 1152;
const helpKey = 1176;  // a "?" key: it opens a message box
const sevenKey = 1082;
const degrees = 1024;
const radians = 1025;
const scratchPad = 1221;
const tabKinds = ['button', 'radio', 'check', 'pad'];

// The role a screen reader gives each kind of control that takes clicks.
const roleOfKind = { button: 'button', radio: 'radio', check: 'checkbox', edit: 'textbox', pad: 'textbox' };

// The least contrast that WCAG 2.1 AA allows: text, large text (24 px, or
// 18.66 px bold) and the edges of controls.
const contrastFloor = { text: 4.5, largeText: 3, edge: 3 };

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

// Every shown text and control edge whose contrast with what lies under it
// is below the floor, read from the page's computed colours.
function contrastFaults(floor) {
    const colour = (text) => {
        const [r, g, b, a = 1] = text.match(/[\d.]+/g).map(Number);
        return { r, g, b, a };
    };
    const over = (top, under) => {
        const mix = (c) => top[c] * top.a + under[c] * (1 - top.a);
        return { r: mix('r'), g: mix('g'), b: mix('b'), a: 1 };
    };
    const luminance = ({ r, g, b }) => {
        const linear = (c) => (c / 255 <= 0.03928 ? c / 255 / 12.92 : ((c / 255 + 0.055) / 1.055) ** 2.4);
        return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b);
    };
    const contrast = (x, y) => {
        const [light, dark] = [luminance(x), luminance(y)].sort((p, q) => q - p);
        return (light + 0.05) / (dark + 0.05);
    };
    // The backgrounds of the element and its ancestors, down to the first
    // opaque one, laid over each other.
    const backgroundOf = (element) => {
        const layers = [];
        for (let at = element; at; at = at.parentElement) {
            const layer = colour(getComputedStyle(at).backgroundColor);
            if (layer.a > 0) layers.unshift(layer);
            if (layer.a === 1) break;
        }
        return layers.reduce((under, layer) => over(layer, under), { r: 255, g: 255, b: 255, a: 1 });
    };
    const shown = (element) => element.getClientRects().length > 0 && getComputedStyle(element).visibility !== 'hidden';
    const named = (element) => `${element.localName}${element.dataset.id ? ` ${element.dataset.id}` : ''} "${(element.matches('input, textarea') ? element.value : element.textContent).trim().slice(0, 24)}"`;
    const faults = [];
    for (const element of document.querySelectorAll('body *')) {
        if (!shown(element)) continue;
        const style = getComputedStyle(element);
        const isTextBox = element.localName === 'textarea' || (element.localName === 'input' && element.type === 'text');
        const hasText = isTextBox ||
            [...element.childNodes].some((node) => node.nodeType === Node.TEXT_NODE && node.textContent.trim() !== '');
        const text = colour(style.color);
        if (hasText && text.a > 0) {
            const size = parseFloat(style.fontSize);
            const large = size >= 24 || (size >= 18.66 && Number(style.fontWeight) >= 700);
            const background = backgroundOf(element);
            const ratio = contrast(over(text, background), background);
            if (ratio < (large ? floor.largeText : floor.text)) faults.push(`text of ${named(element)}: ${ratio.toFixed(2)}:1`);
        }
        const edged = element.matches('button.control, .box > input, textarea.control, .push-like, .panel, .frame, dialog .ok');
        if (edged && parseFloat(style.borderTopWidth) > 0) {
            const background = backgroundOf(element.parentElement);
            const ratio = contrast(over(colour(style.borderTopColor), background), background);
            if (ratio < floor.edge) faults.push(`edge of ${named(element)}: ${ratio.toFixed(2)}:1`);
        }
    }
    return faults;
}

const checks = {
    async 'phone: one column, readable, big enough to tap, display and keypad in reach'({ browser, url }) {
        const { context, page } = await openReadyPage(browser, url, phoneView);
        const faults = await page.evaluate(phoneLayout, { display, equalsKey, smallestText, smallestTarget, slack });
        await context.close();
        expect(faults.length === 0, faults.join('\n'));
    },

    async 'wide: the window fits the screen at its proportions, without scrolling'({ browser, url }) {
        for (const viewport of [{ width: 1280, height: 800 }, { width: 1920, height: 1080 }, { width: 800, height: 1000 }]) {
            const { context, page } = await openReadyPage(browser, url, { viewport });
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
        await untilReady(page);
        for (const key of ['7', '*', '6', '=']) await page.keyboard.press(key);
        const shown = await page.inputValue(`[data-id="${display}"]`);
        await context.close();
        expect(shown === '42', `7 * 6 shows ${JSON.stringify(shown)}`);
    },

    async 'offline: a reload with the network off loads and computes'({ browser, url }) {
        const { context, page } = await openReadyPage(browser, url, desktopView);
        await page.evaluate(async () => {
            await navigator.serviceWorker.ready;
        });
        // The first visit's page is not yet under the worker's control.
        await page.reload();
        await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
        await context.setOffline(true);
        await page.reload();
        await untilReady(page);
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
            await untilReady(page);
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
        const { context, page } = await openReadyPage(browser, url, desktopView);
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

    async 'keyboard alone: Tab reaches every button, radio button, the check box and the pad, Space runs them, Shift+F10 opens About'({ browser, url }) {
        const { default: table } = await import(pathToFileURL(controlTableModule).href);
        const { context, page } = await openReadyPage(browser, url, desktopView);
        const focused = () => page.evaluate(() => Number(document.activeElement?.dataset.id ?? 0));
        // Tab once round the window: the focus leaves the page once on the way.
        const reached = new Set();
        for (let press = 0; press < 2 * table.controls.length; ++press) {
            await page.keyboard.press('Tab');
            const id = await focused();
            if (reached.has(id)) break;
            if (id !== 0) reached.add(id);
        }
        const tabStops = table.controls.filter((control) => tabKinds.includes(control.kind) && !control.flags.hidden);
        const missed = tabStops.filter((control) => !reached.delete(control.id)).map((control) => control.id);
        const tabTo = async (id) => {
            for (let press = 0; press < 2 * table.controls.length && (await focused()) !== id; ++press) await page.keyboard.press('Tab');
        };
        await tabTo(sevenKey);
        await page.keyboard.press('Space');
        await tabTo(radians);
        await page.keyboard.press('Space');
        await tabTo(scratchPad);
        await page.keyboard.type('ab');
        // The window's menu and its About box, by the keyboard too.
        await page.keyboard.press('Shift+F10');
        const chosen = () => page.evaluate(() => document.activeElement?.dataset.command);
        for (let press = 0; press < 8 && (await chosen()) !== 'about'; ++press) await page.keyboard.press('ArrowDown');
        await page.keyboard.press('Enter');
        const aboutOpened = await page.evaluate(() => document.querySelector('dialog[open]')?.classList.contains('about') ?? false);
        await page.keyboard.press('Enter');
        const aboutClosed = await page.evaluate(() => document.querySelector('dialog[open]') === null);
        const shown = await page.evaluate((ids) => ids.map((id) => {
            const element = document.querySelector(`[data-id="${id}"]`);
            return element.type === 'radio' ? element.checked : element.value;
        }), [display, degrees, radians, scratchPad]);
        await context.close();
        expect(missed.length === 0 && reached.size === 0,
            `not reached by Tab: ${missed.join(' ') || 'none'}; reached besides: ${[...reached].join(' ') || 'none'}`);
        expect(aboutOpened && aboutClosed, `Shift+F10, About, Return: the About box ${aboutOpened ? 'did not close' : 'did not open'}`);
        const wanted = ['7', false, true, 'ab'];
        expect(JSON.stringify(shown) === JSON.stringify(wanted),
            `after 7, Radians and "ab" by the keyboard: display, Degrees, Radians, pad ${JSON.stringify(shown)}, not ${JSON.stringify(wanted)}`);
    },

    async 'names: each control is read with the role of its kind and the name the table gives it'({ browser, url }) {
        const { default: table } = await import(pathToFileURL(controlTableModule).href);
        const { context, page } = await openReadyPage(browser, url, desktopView);
        const browserSide = await context.newCDPSession(page);
        const { root } = await browserSide.send('DOM.getDocument', { depth: 0 });
        const faults = [];
        let read = 0;
        for (const control of table.controls.filter((entry) => roleOfKind[entry.kind] && !entry.flags.hidden)) {
            const { nodeId } = await browserSide.send('DOM.querySelector', { nodeId: root.nodeId, selector: `#window [data-id="${control.id}"]` });
            if (nodeId === 0) {
                faults.push(`control ${control.id} is not on the page`);
                continue;
            }
            const { nodes: [node] } = await browserSide.send('Accessibility.getPartialAXTree', { nodeId, fetchRelatives: false });
            const name = control.name.trim().replace(/\s+/g, ' ');
            if (node.role?.value !== roleOfKind[control.kind] || node.name?.value !== name) {
                faults.push(`control ${control.id}: ${node.role?.value} ${JSON.stringify(node.name?.value)}, not ${roleOfKind[control.kind]} ${JSON.stringify(name)}`);
            }
            ++read;
        }
        await context.close();
        expect(read > 100 && faults.length === 0, `${read} controls read, ${faults.length} faults:\n${faults.slice(0, 12).join('\n')}`);
    },

    async 'contrast: text and control edges meet AA in light and dark, message and About boxes too'({ browser, url }) {
        const faults = [];
        for (const colorScheme of ['light', 'dark']) {
            const { context, page } = await openReadyPage(browser, url, { ...desktopView, colorScheme });
            const look = async (what) => {
                for (const fault of await page.evaluate(contrastFaults, contrastFloor)) faults.push(`${colorScheme}, ${what}: ${fault}`);
            };
            await look('the window');
            await page.click(`[data-id="${helpKey}"]`);
            await page.waitForSelector('dialog[open]');
            await look('a message box');
            await page.keyboard.press('Enter');
            await page.click('#menu-button');
            await page.click('[role=menuitem][data-command="about"]');
            await page.waitForSelector('dialog[open]');
            await look('the About box');
            await context.close();
        }
        expect(faults.length === 0, `${faults.length} faults:\n${faults.slice(0, 12).join('\n')}`);
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
