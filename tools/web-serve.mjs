// SPDX-License-Identifier: GPL-3.0-or-later
// Serves a folder of static files on 127.0.0.1, with the MIME types a web
// app needs (WebAssembly, modules, the manifest).
// Usage: node tools/web-serve.mjs FOLDER [PORT]
import { createServer } from 'node:http';
import { readFile, stat } from 'node:fs/promises';
import { extname, join, normalize, resolve, sep } from 'node:path';
import { gzipSync } from 'node:zlib';

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json',
  '.json': 'application/json',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
};
// Sent compressed to a browser that takes gzip, as a web server would.
const COMPRESSED = new Set(['.html', '.js', '.mjs', '.css', '.wasm', '.webmanifest', '.json', '.svg']);
const DEFAULT_PORT = 8080;
const HOST = '127.0.0.1';

const root = resolve(process.argv[2] ?? '.');
const port = Number(process.argv[3] ?? DEFAULT_PORT);

// The file a request names, or null when it lies outside the folder.
function fileOf(url) {
  const path = decodeURIComponent(new URL(url, 'http://host').pathname);
  const file = normalize(join(root, path.endsWith('/') ? `${path}index.html` : path));
  return file === root || file.startsWith(root + sep) ? file : null;
}

// Each file is compressed once, until it changes.
const compressedFiles = new Map();
function compressed(file, body) {
  const known = compressedFiles.get(file);
  if (known && known.plain.equals(body)) return known.packed;
  const packed = gzipSync(body, { level: 9 });
  compressedFiles.set(file, { plain: body, packed });
  return packed;
}

const server = createServer(async (request, response) => {
  let file = null;
  try {
    file = fileOf(request.url);
  } catch {
    file = null;
  }
  try {
    if (!file || !(await stat(file)).isFile()) throw new Error('not found');
    let body = await readFile(file);
    const headers = {
      'Content-Type': TYPES[extname(file)] ?? 'application/octet-stream',
      'Cache-Control': 'no-cache',
    };
    if (COMPRESSED.has(extname(file)) && /\bgzip\b/.test(request.headers['accept-encoding'] ?? '')) {
      body = compressed(file, body);
      headers['Content-Encoding'] = 'gzip';
      headers.Vary = 'Accept-Encoding';
    }
    response.writeHead(200, headers);
    response.end(request.method === 'HEAD' ? undefined : body);
  } catch {
    response.writeHead(404, { 'Content-Type': 'text/plain; charset=utf-8' });
    response.end('Not found\n');
  }
});

server.listen(port, HOST, () => {
  console.log(`Serving ${root} on http://${HOST}:${server.address().port}/`);
});
