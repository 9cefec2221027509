#!/usr/bin/env node
// SPDX-License-Identifier: GPL-3.0-or-later
// The web page must print what the console prints: every console script
// (its expected output, errors and exit status), played with the mouse and
// again by touch on a phone, and the same seeded random sessions that the
// window's replay plays, run through varnock-console and the page, compared
// line for line. A line that differs only in the last shown digit of a
// number is counted apart; every other difference fails.
//
//   node tests/web/agreement.mjs    (VARNOCK_WEB_WORKERS pages at a time, 2 by default)
import { execFile } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { launchBrowser, openContext, desktopView, phoneView } from './lib/browser.mjs';
import { runInputs } from './lib/command-loop.mjs';
import { compareOutputs } from './lib/compare.mjs';
import { loadConsoleRules } from './lib/console-rules.mjs';
import { PagePlayer } from './lib/page-player.mjs';
import { consoleProgram, consoleScripts, siteFolder } from './lib/places.mjs';
import { serveSite } from './lib/site-server.mjs';

// The sessions of the window's replay: plain ones, then ones that work the
// scratch pad hard, seeds counted on from the first.
const plainSessions = 250;
const padSessions = 50;
const firstSeed = 1;
const workers = Number(process.env.VARNOCK_WEB_WORKERS ?? 2);

const readIfThere = (file, otherwise) => (fs.existsSync(file) ? fs.readFileSync(file, 'utf8') : otherwise);

// Every scripts/NAME.out with what goes with it, as the console's tests run it.
function scriptCases(view) {
    return fs
        .readdirSync(consoleScripts)
        .filter((file) => file.endsWith('.out'))
        .sort()
        .map((file) => {
            const name = file.slice(0, -'.out'.length);
            const at = (extension) => path.join(consoleScripts, name + extension);
            const args = readIfThere(at('.args'), null);
            const inputs = args === null
                ? [{ path: at('.txt'), name: '' }]
                : args.split('\n').filter(Boolean).map((arg) => ({ path: path.join(consoleScripts, arg), name: arg }));
            const expected = {
                out: fs.readFileSync(at('.out'), 'utf8'),
                err: readIfThere(at('.err'), ''),
                status: Number(readIfThere(at('.status'), '0').trim()),
            };
            return { title: `${view.name} script ${name}`, view, inputs, expected: async () => expected };
        });
}

function runConsole(script) {
    return new Promise((resolve) => {
        execFile(consoleProgram, [script], { maxBuffer: 1 << 26 }, (error, out, err) =>
            resolve({ out, err, status: error ? error.code : 0 }),
        );
    });
}

function randomCases(rules, folder) {
    const cases = [];
    for (let i = 0; i < plainSessions + padSessions; ++i) {
        const seed = firstSeed + i;
        const padWork = i >= plainSessions;
        const script = path.join(folder, `seed-${seed}.txt`);
        fs.writeFileSync(script, rules.randomSession(seed, padWork));
        cases.push({
            title: `${padWork ? 'pad ' : ''}seed ${seed}`,
            view: views.desktop,
            inputs: [{ path: script, name: script }],
            expected: () => runConsole(script),
            script,
        });
    }
    return cases;
}

const views = {
    desktop: { name: 'desktop', options: desktopView, touch: false },
    phone: { name: 'phone', options: phoneView, touch: true },
};

// One browser (its own clipboard) and a page per view, taking cases from
// the shared queue until none is left.
async function work(queue, site, rules, results) {
    const browser = await launchBrowser();
    const players = {};
    const playerFor = async (view, buffer) => {
        let player = players[view.name];
        if (player === undefined) {
            const context = await openContext(browser, view.options);
            await PagePlayer.prepare(context);
            player = new PagePlayer(await context.newPage(), rules, { touch: view.touch });
            await player.open(site.url);
            players[view.name] = player;
        } else {
            await player.restart();
        }
        player.out = (text) => buffer.push(text);
        return player;
    };
    try {
        for (let next = queue.shift(); next !== undefined; next = queue.shift()) {
            const out = [];
            const err = [];
            let status;
            try {
                const player = await playerFor(next.view, out);
                status = await runInputs(rules, player, next.inputs, (text) => err.push(text));
            } catch (error) {
                // The page is in an unknown state: the next case opens a new one.
                err.push(`web-replay: ${error.message}\n`);
                await players[next.view.name]?.page.context().close().catch(() => {});
                delete players[next.view.name];
            }
            const result = { case: next, expected: await next.expected(), actual: { out: out.join(''), err: err.join(''), status } };
            results.push(result);
            tell(result);
        }
    } finally {
        await browser.close();
    }
}

function judge(result) {
    const { expected, actual } = result;
    const output = compareOutputs(expected.out, actual.out);
    const problems = [];
    if (output.other.length > 0) {
        const first = output.other[0];
        problems.push(`standard output differs at line ${first.line} (${output.other.length} lines):\n` +
            `  console: ${first.expected}\n  page:    ${first.actual}`);
    }
    if (actual.err !== expected.err) {
        problems.push(`standard error differs:\n  console: ${JSON.stringify(expected.err)}\n  page:    ${JSON.stringify(actual.err)}`);
    }
    if (actual.status !== expected.status) {
        problems.push(`exit status ${actual.status ?? 'none'}, the console's ${expected.status}`);
    }
    return { problems, lastDigit: output.lastDigit };
}

// Each run's verdict as it comes, and every 50 runs how far the test is.
let failed = 0;
const lastDigitLines = [];
function tell(result) {
    const { problems, lastDigit } = judge(result);
    for (const line of lastDigit) {
        lastDigitLines.push(`  ${result.case.title}, line ${line.line}:\n    console: ${line.expected}\n    page:    ${line.actual}`);
    }
    if (problems.length > 0) {
        ++failed;
        console.log(`FAIL ${result.case.title}\n${problems.join('\n')}`);
        if (result.case.script) console.log(`script:\n${fs.readFileSync(result.case.script, 'utf8')}`);
    }
    if (results.length % 50 === 0) {
        console.log(`${results.length} runs, ${failed} failed, ${((Date.now() - started) / 1000).toFixed(0)} s`);
    }
}

const started = Date.now();
const rules = await loadConsoleRules();
const site = await serveSite(siteFolder);
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'varnock-web-'));
const queue = [...scriptCases(views.desktop), ...scriptCases(views.phone), ...randomCases(rules, scratch)];
const results = [];
try {
    await Promise.all(Array.from({ length: workers }, () => work(queue, site, rules, results)));
} finally {
    await site.close();
}

fs.rmSync(scratch, { recursive: true, force: true });
console.log(`last-digit differences: ${lastDigitLines.length}`);
for (const line of lastDigitLines) console.log(line);
console.log(`web replay: ${results.length} runs in ${((Date.now() - started) / 1000).toFixed(0)} s`);
console.log(`${results.length - failed} passed, ${failed} failed`);
process.exitCode = failed === 0 && results.length > 0 ? 0 : 1;
