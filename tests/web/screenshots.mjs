#!/usr/bin/env node
// SPDX-License-Identifier: GPL-3.0-or-later
// The README's pictures of the web page: docs/web.png on a 1280x800 screen
// and docs/web-phone.png on a phone held upright (390x844), each after a
// short calculation typed on the page, so that the boxes hold numbers.
//
//   node tests/web/screenshots.mjs
import path from 'node:path';
import { launchBrowser, openReadyPage, desktopView, phoneView } from './lib/browser.mjs';
import { docsFolder, siteFolder } from './lib/places.mjs';
import { serveSite } from './lib/site-server.mjs';

// 146.52 MHz, the display's wavelength keys then act on it.
const typedKeys = ['1', '4', '6', '.', '5', '2'];

const shots = [
    { file: 'web.png', view: desktopView },
    { file: 'web-phone.png', view: { ...phoneView, deviceScaleFactor: 1 } },
];

const site = await serveSite(siteFolder);
const browser = await launchBrowser();
try {
    for (const { file, view } of shots) {
        const { context, page } = await openReadyPage(browser, site.url, view);
        for (const key of typedKeys) await page.keyboard.press(key);
        await page.evaluate(() => document.getElementById('window').focus());
        await page.screenshot({ path: path.join(docsFolder, file) });
        await context.close();
        console.log(`docs/${file}`);
    }
} finally {
    await browser.close();
    await site.close();
}
