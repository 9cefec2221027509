#!/usr/bin/env node
// SPDX-License-Identifier: GPL-3.0-or-later
// web-replay: the console's commands played on the web page in headless
// Chromium. Reads the commands from standard input or from the files named,
// plays each as real input on the page served from the built site and
// prints what the console would print; errors go to standard error with
// the console's words and line numbers, and the exit status is the
// console's. --phone plays on a phone held upright, by touch.
//
//   node tests/web/web-replay.mjs [--phone] [FILE...]
import { launchBrowser, openContext, desktopView, phoneView } from './lib/browser.mjs';
import { inputsOf, runInputs } from './lib/command-loop.mjs';
import { loadConsoleRules } from './lib/console-rules.mjs';
import { PagePlayer, ReplayFault } from './lib/page-player.mjs';
import { siteFolder } from './lib/places.mjs';
import { serveSite } from './lib/site-server.mjs';

// The replay's own failure, apart from the console's statuses.
const faultStatus = 1;

const args = process.argv.slice(2);
const phone = args[0] === '--phone';
const files = phone ? args.slice(1) : args;

const rules = await loadConsoleRules();
const site = await serveSite(siteFolder);
const browser = await launchBrowser();
let status = faultStatus;
try {
    const context = await openContext(browser, phone ? phoneView : desktopView);
    await PagePlayer.prepare(context);
    const player = new PagePlayer(await context.newPage(), rules, {
        out: (text) => process.stdout.write(text),
        touch: phone,
    });
    await player.open(site.url);
    status = await runInputs(rules, player, inputsOf(files), (text) => process.stderr.write(text));
} catch (error) {
    if (!(error instanceof ReplayFault)) throw error;
    process.stderr.write(`web-replay: ${error.message}\n`);
} finally {
    await browser.close();
    await site.close();
}
process.exitCode = status;
