// SPDX-License-Identifier: GPL-3.0-or-later
// Loads varnock-commands, the console's own reader, parser, refusal rules
// and output lines compiled for Node. The WebAssembly is read here and
// handed over, so that the loader never tries a fetch of a file path.
import fs from 'node:fs';
import { pathToFileURL } from 'node:url';
import { consoleRulesModule } from './places.mjs';

let loaded = null;

export function loadConsoleRules(modulePath = consoleRulesModule) {
    loaded ??= (async () => {
        const { default: load } = await import(pathToFileURL(modulePath).href);
        const wasmBinary = fs.readFileSync(modulePath.replace(/\.mjs$/, '.wasm'));
        return load({ wasmBinary });
    })();
    return loaded;
}
