#!/usr/bin/env node
// SPDX-License-Identifier: GPL-3.0-or-later
// The web page's figures, run by hand (docs/performance.md holds them): the
// site's size compressed, the time to the first painted frame and to the
// first usable key in headless Chromium, each against a page with one line
// of text and one whose keys go through WebAssembly, served the same way,
// and the memory of the tab. Two more pages, made from the calculator's,
// show what a page that shows this window pays before any of its code runs.
//
//   node tests/web/bench.mjs [RUNS]     (11 by default; medians)
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import { launchBrowser, openContext, openReadyPage, desktopView } from './lib/browser.mjs';
import { siteFolder } from './lib/places.mjs';
import { serveSite } from './lib/site-server.mjs';

const runs = Number(process.argv[2] ?? 11);
const display = 1007;
const firstKey = '7';

// The page it is measured against: one line of text, which shows the key
// pressed, and says it is ready once its key handler is in place: as soon
// as it is parsed.
const oneLinePage = `<!DOCTYPE html>
<html lang="en" data-state="loading"><meta charset="utf-8"><title>One line</title>
<p id="line">One line of text.</p>
<script>
addEventListener('keydown', (event) => { line.textContent = event.key; });
document.documentElement.dataset.state = 'ready';
</script>
</html>
`;

// A second reference: the same line, whose keys go through a WebAssembly
// module of one function (it returns its argument), fetched and compiled as
// the calculator's core is. It is ready once the module is: the least any
// page whose keys go through WebAssembly can take.
const wasmLinePage = `<!DOCTYPE html>
<html lang="en" data-state="loading"><meta charset="utf-8"><title>One line and a module</title>
<p id="line">One line of text.</p>
<script type="module">
const { instance } = await WebAssembly.instantiateStreaming(fetch('echo.wasm'));
addEventListener('keydown', (event) => {
  line.textContent = String.fromCharCode(instance.exports.echo(event.key.charCodeAt(0)));
});
document.documentElement.dataset.state = 'ready';
</script>
</html>
`;
// (module (func (export "echo") (param i32) (result i32) local.get 0))
const echoModule = Buffer.from('0061736d0100000001060160017f017f03020100070801046563686f00000a0601040020000b', 'hex');

// Two pages made from the calculator's page once it is ready, each with a
// key handler of one line that shows the key in the display:
// - the window alone: the page's own markup and stylesheet, every box's
//   text in it, without the script and the core;
// - the controls alone: every frame, caption and control as a plain element
//   of the browser's own look, at its place in pixels and in the page's
//   font, under a stylesheet of three lines.
// The first is what a page that draws this window as real elements pays
// before any of the calculator's code runs; the second, what any page that
// shows these controls at all pays.
// Each is ready once that handler is in place, at the end of its markup.
const keyToDisplay = `<script>addEventListener('keydown', (event) => {
  document.querySelector('[data-id="${display}"]').value = event.key;
});
document.documentElement.dataset.state = 'ready';</script>`;

function windowAlone() {
    for (const box of document.querySelectorAll('input')) box.setAttribute('value', box.value);
    for (const box of document.querySelectorAll('textarea')) box.textContent = box.value;
    for (const loading of document.querySelectorAll('script, link[rel=preload], link[rel=manifest]')) loading.remove();
    document.documentElement.dataset.state = 'loading';
    return `<!DOCTYPE html>\n${document.documentElement.outerHTML}`;
}

function controlsAlone(display) {
    const escaped = (text) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/"/g, '&quot;');
    const plain = (element) => {
        const box = element.getBoundingClientRect();
        if (box.width === 0) return '';
        const at = `style="left:${box.left}px;top:${box.top}px;width:${box.width}px;height:${box.height}px"`;
        const input = element.querySelector('input');
        if (element.matches('.panel, .frame')) return `<div class="frame" ${at}></div>`;
        if (element.matches('textarea')) return `<textarea ${at}></textarea>`;
        if (element.matches('.box')) {
            const id = input.dataset.id === String(display) ? ` data-id="${display}"` : '';
            return `<input ${at} value="${escaped(input.value)}"${id}>`;
        }
        if (element.matches('button')) return `<button ${at}>${escaped(element.textContent)}</button>`;
        if (input) return `<label ${at}><input type="${input.type}">${escaped(element.textContent)}</label>`;
        return `<div ${at}>${escaped(element.textContent)}</div>`;
    };
    const elements = [...document.querySelectorAll('.panel, .frame, .frame-caption, .control')];
    const font = getComputedStyle(document.getElementById('client')).font;
    return `<!DOCTYPE html>
<html lang="en" data-state="loading"><meta charset="utf-8"><title>The controls alone</title>
<style>body > * { position: absolute; box-sizing: border-box; margin: 0; font: ${font}; white-space: nowrap; }
.frame { border: 1px solid gray; } label { display: flex; align-items: center; }</style>
<body>
${elements.map(plain).join('\n')}
</body></html>`;
}

async function pagesFromCalculator(browser, url) {
    const { context, page } = await openReadyPage(browser, url);
    const controls = await page.evaluate(controlsAlone, display);
    const window = await page.evaluate(windowAlone);
    await context.close();
    const withKey = (markup) => markup.replace('</body>', `${keyToDisplay}</body>`);
    return { window: withKey(window), controls: withKey(controls) };
}

function filesUnder(folder) {
    return fs.readdirSync(folder, { withFileTypes: true, recursive: true })
        .filter((entry) => entry.isFile())
        .map((entry) => path.join(entry.parentPath ?? entry.path, entry.name));
}

// Every file of the site, as the service worker fetches them all on the
// first visit: raw, gzip -9 and brotli at its best, summed file by file.
function siteSize(folder) {
    const total = { files: 0, raw: 0, gzip: 0, brotli: 0 };
    for (const file of filesUnder(folder)) {
        const body = fs.readFileSync(file);
        total.files += 1;
        total.raw += body.length;
        total.gzip += zlib.gzipSync(body, { level: 9 }).length;
        total.brotli += zlib.brotliCompressSync(body, {
            params: { [zlib.constants.BROTLI_PARAM_QUALITY]: zlib.constants.BROTLI_MAX_QUALITY },
        }).length;
    }
    return total;
}

// The resident memory of this browser's largest renderer, in bytes: the
// tab's, the browser having been started from this process.
function rendererResidentBytes() {
    const parents = new Map();
    const renderers = [];
    for (const pid of fs.readdirSync('/proc').filter((name) => /^\d+$/.test(name))) {
        try {
            const stat = fs.readFileSync(`/proc/${pid}/stat`, 'utf8');
            parents.set(pid, stat.slice(stat.lastIndexOf(')') + 2).split(' ')[1]);
            if (fs.readFileSync(`/proc/${pid}/cmdline`, 'utf8').includes('--type=renderer')) renderers.push(pid);
        } catch {
            // The process has ended meanwhile.
        }
    }
    const descends = (pid) => {
        for (let at = pid; at !== undefined && at !== '0'; at = parents.get(at)) {
            if (at === String(process.pid)) return true;
        }
        return false;
    };
    let largest = 0;
    for (const pid of renderers.filter(descends)) {
        const status = fs.readFileSync(`/proc/${pid}/status`, 'utf8');
        largest = Math.max(largest, Number(/VmRSS:\s+(\d+)/.exec(status)?.[1] ?? 0) * 1024);
    }
    return largest;
}

// The key is pressed as soon as the page says it is ready. The page itself
// notes that moment, so that nothing of the driver's runs in the page while
// it starts: Playwright's waiting functions would inject their own script.
function noteWhenReady() {
    window.varnockBenchReady = new Promise((resolve) => {
        const isReady = () => document.documentElement?.dataset.state === 'ready';
        const watch = new MutationObserver(() => {
            if (!isReady()) return;
            watch.disconnect();
            resolve();
        });
        watch.observe(document, { attributes: true, childList: true, subtree: true });
    });
}

// One first visit with a fresh profile: the first contentful paint, the
// moment the page shows the first key pressed as soon as it is ready
// (milliseconds from the navigation's start), and its memory.
async function visit(browser, url, shownKey) {
    const context = await openContext(browser, desktopView);
    const page = await context.newPage();
    await page.addInitScript(noteWhenReady);
    await page.goto(url, { waitUntil: 'commit' });
    await page.evaluate(() => window.varnockBenchReady);
    await page.keyboard.press(firstKey);
    const usable = await page.evaluate(shownKey, { key: firstKey, display });
    const paint = await page.evaluate(() => new Promise((done) => {
        const find = () => performance.getEntriesByName('first-contentful-paint')[0]?.startTime;
        if (find() !== undefined) return done(find());
        // The first paint may come before the first contentful one.
        const watch = new PerformanceObserver(() => {
            if (find() === undefined) return;
            watch.disconnect();
            done(find());
        });
        watch.observe({ type: 'paint', buffered: true });
    }));
    const session = await context.newCDPSession(page);
    await session.send('Performance.enable');
    const { metrics } = await session.send('Performance.getMetrics');
    const heap = metrics.find((metric) => metric.name === 'JSHeapUsedSize').value;
    const resident = rendererResidentBytes();
    await context.close();
    return { paint, usable, heap, resident };
}

const calculatorKeyShown = ({ key, display }) => new Promise((done) => {
    const check = () => {
        if (document.querySelector(`[data-id="${display}"]`).value === key) done(performance.now());
        else requestAnimationFrame(check);
    };
    check();
});
const lineKeyShown = ({ key }) => new Promise((done) => {
    const check = () => {
        if (document.getElementById('line').textContent === key) done(performance.now());
        else requestAnimationFrame(check);
    };
    check();
});

const median = (values) => {
    const sorted = [...values].sort((a, b) => a - b);
    return sorted[Math.floor(sorted.length / 2)];
};

// The pages are visited in turn, so that what else the machine does
// meanwhile weighs on all of them alike.
async function measureInTurn(browser, pages) {
    const results = pages.map(() => []);
    for (let i = 0; i < runs; ++i) {
        for (const [at, { url, shownKey }] of pages.entries()) results[at].push(await visit(browser, url, shownKey));
    }
    return results.map((visits) => {
        const of = (name) => median(visits.map((result) => result[name]));
        return { paint: of('paint'), usable: of('usable'), heap: of('heap'), resident: of('resident') };
    });
}

const baselineFolder = fs.mkdtempSync(path.join(os.tmpdir(), 'varnock-one-line-'));
fs.writeFileSync(path.join(baselineFolder, 'index.html'), oneLinePage);
fs.writeFileSync(path.join(baselineFolder, 'wasm.html'), wasmLinePage);
fs.writeFileSync(path.join(baselineFolder, 'echo.wasm'), echoModule);
const calculatorSite = await serveSite(siteFolder);
const baselineSite = await serveSite(baselineFolder);
const browser = await launchBrowser();
try {
    const size = siteSize(siteFolder);
    const alone = await pagesFromCalculator(browser, calculatorSite.url);
    fs.writeFileSync(path.join(baselineFolder, 'window.html'), alone.window);
    fs.writeFileSync(path.join(baselineFolder, 'controls.html'), alone.controls);
    fs.cpSync(path.join(siteFolder, 'icons'), path.join(baselineFolder, 'icons'), { recursive: true });
    const [calculator, baseline, wasmLine, windowOnly, controlsOnly] = await measureInTurn(browser, [
        { url: calculatorSite.url, shownKey: calculatorKeyShown },
        { url: baselineSite.url, shownKey: lineKeyShown },
        { url: `${baselineSite.url}wasm.html`, shownKey: lineKeyShown },
        { url: `${baselineSite.url}window.html`, shownKey: calculatorKeyShown },
        { url: `${baselineSite.url}controls.html`, shownKey: calculatorKeyShown },
    ]);
    const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;
    const ms = (value) => `${value.toFixed(0)} ms`;
    const mb = (bytes) => `${(bytes / 1048576).toFixed(1)} MB`;
    const ratio = (a, b) => `${(a / b).toFixed(2)}x`;
    console.log(`site: ${size.files} files, ${kb(size.raw)} raw, ${kb(size.gzip)} gzip -9, ${kb(size.brotli)} brotli`);
    console.log(`medians of ${runs} first visits, fresh profile each (${chromiumVersion(browser)}):`);
    // Each page's figure, and its ratio to the one line of text's.
    const pages = [
        ['calculator', calculator],
        ['one line of text', baseline],
        ['one line through WebAssembly', wasmLine],
        ['the window alone', windowOnly],
        ['the controls alone', controlsOnly],
    ];
    console.log(`| | ${pages.map(([name]) => name).join(' | ')} |`);
    console.log(`|---|${pages.map(() => '---').join('|')}|`);
    const row = (name, of, format, compared = true) => {
        const cell = (page) => (compared && page !== baseline ? `${format(of(page))} (${ratio(of(page), of(baseline))})` : format(of(page)));
        console.log(`| ${name} | ${pages.map(([, page]) => cell(page)).join(' | ')} |`);
    };
    row('first contentful paint', (page) => page.paint, ms);
    row('first usable key', (page) => page.usable, ms);
    row('JavaScript heap used', (page) => page.heap, mb, false);
    row('renderer resident memory', (page) => page.resident, mb, false);
    console.log(`the calculator against the window alone: first paint ${ratio(calculator.paint, windowOnly.paint)}, first key ${ratio(calculator.usable, windowOnly.usable)}`);
} finally {
    await browser.close();
    await calculatorSite.close();
    await baselineSite.close();
    fs.rmSync(baselineFolder, { recursive: true, force: true });
}

function chromiumVersion(browser) {
    return `Chromium ${browser.version()}`;
}
