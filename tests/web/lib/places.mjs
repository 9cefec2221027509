// SPDX-License-Identifier: GPL-3.0-or-later
// Where the web tests find what they test: the built site, the console rules
// module built beside it, the control table the page is built from, the native console, and the console's scripts.
// Each may be moved by an environment variable.
import path from 'node:path';
import { fileURLToPath } from 'node:url';

export const repository = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../../..');

export const siteFolder = process.env.VARNOCK_SITE ?? path.join(repository, 'build-web/site');
export const consoleRulesModule =
    process.env.VARNOCK_CONSOLE_RULES ??
    path.join(repository, 'build-web/tests/web/varnock-commands.mjs');
// The control table as the page's script bundles it.
export const controlTableModule =
    process.env.VARNOCK_CONTROL_TABLE ?? path.join(repository, 'build-web/page/table.js');
export const consoleProgram =
    process.env.VARNOCK_CONSOLE ?? path.join(repository, 'build/src/console/varnock-console');
export const consoleScripts = path.join(repository, 'tests/console/scripts');
export const docsFolder = path.join(repository, 'docs');
