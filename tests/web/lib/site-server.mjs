// SPDX-License-Identifier: GPL-3.0-or-later
// Serves the built site's static files on 127.0.0.1, on a free port, with
// the MIME types a browser insists on (application/wasm above all).
import fs from 'node:fs/promises';
import http from 'node:http';
import path from 'node:path';

const mimeTypes = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.mjs': 'text/javascript; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.json': 'application/json',
    '.webmanifest': 'application/manifest+json',
    '.wasm': 'application/wasm',
    '.svg': 'image/svg+xml',
    '.png': 'image/png',
    '.ico': 'image/x-icon',
    '.txt': 'text/plain; charset=utf-8',
};

// The file a request path names inside folder, or null when it leads out.
function fileFor(folder, requestPath) {
    const relative = decodeURIComponent(requestPath.split('?')[0]).replace(/^\/+/, '');
    const file = path.resolve(folder, relative === '' ? 'index.html' : relative);
    return file.startsWith(path.resolve(folder) + path.sep) ? file : null;
}

async function answer(folder, request, response) {
    const file = fileFor(folder, request.url);
    try {
        if (file === null) throw new Error('outside the site');
        const body = await fs.readFile(file);
        response.writeHead(200, {
            'Content-Type': mimeTypes[path.extname(file)] ?? 'application/octet-stream',
            'Cache-Control': 'no-cache',
        });
        response.end(request.method === 'HEAD' ? undefined : body);
    } catch {
        response.writeHead(404, { 'Content-Type': 'text/plain' });
        response.end('not found');
    }
}

// Starts serving folder; resolves to {url, close()}.
export async function serveSite(folder, port = 0) {
    const server = http.createServer((request, response) => answer(folder, request, response));
    await new Promise((resolve, reject) => {
        server.once('error', reject);
        server.listen(port, '127.0.0.1', resolve);
    });
    return {
        url: `http://127.0.0.1:${server.address().port}/`,
        close: () => new Promise((resolve) => server.close(resolve)),
    };
}
