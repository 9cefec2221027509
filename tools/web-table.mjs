// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the core's control table, out of the WebAssembly build itself, as
// the module STAGE/table.js that the page's script bundles: the table is
// fixed when the core is built, so the page need not ask the core for it at
// start.
// Usage: node tools/web-table.mjs STAGE MODULE.wasm
// STAGE holds the page's modules and the core's loader varnock.mjs.
import { readFileSync, writeFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const [stage, wasm] = process.argv.slice(2).map((path) => resolve(path));
const { default: createVarnock } = await import(pathToFileURL(join(stage, 'varnock.mjs')).href);
const core = await createVarnock({ wasmBinary: readFileSync(wasm) });
// Written compactly (the core spaces its JSON out), as a JSON text that the
// script parses: quicker to load than the same data as a JavaScript literal.
const table = JSON.stringify(JSON.parse(core.UTF8ToString(core._varnock_control_table())));
writeFileSync(join(stage, 'table.js'), `export default JSON.parse(${JSON.stringify(table)});\n`);
