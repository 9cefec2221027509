// SPDX-License-Identifier: GPL-3.0-or-later
// Debian's Chromium, headless, driven by Playwright: never a browser of
// Playwright's own. The flags keep it off the network, which this machine
// and CI do not reach, and each launch has a fresh profile.
import { chromium } from 'playwright-core';

export const chromiumPath = process.env.VARNOCK_CHROMIUM ?? '/usr/bin/chromium';

const quietFlags = [
    '--no-sandbox',
    '--disable-gpu',
    '--disable-quic',
    '--no-first-run',
    '--disable-background-networking',
    '--disable-component-update',
    '--disable-sync',
];

export function launchBrowser() {
    return chromium.launch({ executablePath: chromiumPath, headless: true, args: quietFlags });
}

// A browser on a profile kept in folder, as a user's is (Chromium offers to
// install a web app only outside an incognito profile); resolves to its one
// context.
export function launchWithProfile(folder, view = desktopView) {
    return chromium.launchPersistentContext(folder, {
        executablePath: chromiumPath,
        headless: true,
        args: quietFlags,
        ...view,
    });
}

// A desktop-sized window, or a phone held upright that is used by touch.
export const desktopView = { viewport: { width: 1280, height: 800 } };
export const phoneView = {
    viewport: { width: 390, height: 844 },
    deviceScaleFactor: 3,
    hasTouch: true,
    isMobile: true,
};

// A context that may use the clipboard, as the calculator's copy and paste
// need.
export function openContext(browser, view = desktopView) {
    return browser.newContext({ ...view, permissions: ['clipboard-read', 'clipboard-write'] });
}

// Until the calculator on the page has started.
export function untilReady(page) {
    return page.waitForFunction(() => document.documentElement.dataset.state === 'ready');
}

// A new page in a context of its own, at url, once the calculator has started.
export async function openReadyPage(browser, url, view = desktopView) {
    const context = await openContext(browser, view);
    const page = await context.newPage();
    await page.goto(url);
    await untilReady(page);
    return { context, page };
}
