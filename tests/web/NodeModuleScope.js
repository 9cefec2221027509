// SPDX-License-Identifier: GPL-3.0-or-later
// Put before the console rules module: this Emscripten's loader for Node
// expects CommonJS's require and __dirname, which an ES module lacks.
import { createRequire } from 'node:module';
import { dirname } from 'node:path';
import { fileURLToPath } from 'node:url';

const require = createRequire(import.meta.url);
const __dirname = dirname(fileURLToPath(import.meta.url));
