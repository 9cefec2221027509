// SPDX-License-Identifier: GPL-3.0-or-later
// Serves a folder with the project's own server (tools/web-serve.mjs, what
// `tools/web.sh serve` runs) on 127.0.0.1, on a free port.
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import path from 'node:path';
import { repository } from './places.mjs';

const serveTool = path.join(repository, 'tools/web-serve.mjs');
// Port 0: the system picks a free one, which the server prints.
const anyFreePort = '0';

// Starts serving folder; resolves to {url, close()}.
export async function serveSite(folder) {
    const server = spawn(process.execPath, [serveTool, folder, anyFreePort], {
        stdio: ['ignore', 'pipe', 'inherit'],
    });
    const url = await new Promise((resolve, reject) => {
        let said = '';
        server.stdout.on('data', (chunk) => {
            said += chunk;
            const address = /http:\/\/\S+/.exec(said);
            if (address !== null) resolve(address[0]);
        });
        server.once('exit', (code) => reject(new Error(`the site's server ended with status ${code}`)));
    });
    return {
        url,
        close: async () => {
            if (server.exitCode !== null) return;
            server.kill();
            await once(server, 'exit');
        },
    };
}
