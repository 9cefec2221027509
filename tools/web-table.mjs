// SPDX-License-Identifier: GPL-3.0-or-later
// Writes out of the WebAssembly core what the page carries from the start,
// since it is fixed when the core is built: the control table, as the module
// STAGE/table.js that the page's script bundles, and the window's size on
// the page's client area in STAGE/index.html, so that the window shows at
// its size while the calculator loads.
// Usage: node tools/web-table.mjs STAGE MODULE.wasm
// STAGE holds the page's modules, index.html and the core's loader
// varnock.mjs.
import { readFileSync, writeFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const [stage, wasm] = process.argv.slice(2).map((path) => resolve(path));
const { default: createVarnock } = await import(pathToFileURL(join(stage, 'varnock.mjs')).href);
const core = await createVarnock({ wasmBinary: readFileSync(wasm) });
// Written compactly: the core spaces its JSON out.
const tableText = JSON.stringify(JSON.parse(core.UTF8ToString(core._varnock_control_table())));
const { frame } = JSON.parse(tableText);

// A JSON text that the script parses loads quicker than the same data as a
// JavaScript literal.
writeFileSync(join(stage, 'table.js'), `export default JSON.parse(${JSON.stringify(tableText)});\n`);

const pageFile = join(stage, 'index.html');
const client = '<div id="client">';
const page = readFileSync(pageFile, 'utf8');
if (!page.includes(client)) throw new Error(`index.html has no ${client}`);
writeFileSync(pageFile, page.replace(client, `<div id="client" style="--dw: ${frame.width}; --dh: ${frame.height}">`));
