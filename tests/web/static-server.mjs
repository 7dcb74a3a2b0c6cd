// A plain static file server on a free loopback port, as any web host would serve the site: no special
// headers, the usual content types; gzipped when asked, as static hosts serve it.
import http from 'node:http';
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';

const TYPES = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript',
    '.css': 'text/css',
    '.wasm': 'application/wasm',
    '.data': 'application/octet-stream',
    '.png': 'image/png',
    '.webmanifest': 'application/manifest+json',
};

// Serves root on the given port (any free one by default); the server, and the site's address. With
// gzip, a browser that accepts it is sent each file gzipped (level 6, a host's usual).
export function serve(root, port = 0, {gzip = false} = {}) {
    const server = http.createServer((request, response) => {
        const url = new URL(request.url, 'http://localhost');
        const relative = decodeURIComponent(url.pathname === '/' ? '/index.html' : url.pathname);
        const file = path.join(root, path.normalize(relative));
        if (!file.startsWith(root)) {
            response.writeHead(403).end();
            return;
        }
        fs.readFile(file, (error, bytes) => {
            if (error) {
                response.writeHead(404).end('not found');
                return;
            }
            const headers = {'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream'};
            if (gzip && /\bgzip\b/.test(request.headers['accept-encoding'] || '')) {
                headers['Content-Encoding'] = 'gzip';
                response.writeHead(200, headers);
                response.end(zlib.gzipSync(bytes, {level: 6}));
                return;
            }
            response.writeHead(200, headers);
            response.end(bytes);
        });
    });
    return new Promise((resolve) => {
        server.listen(port, '127.0.0.1', () => resolve({server, url: `http://127.0.0.1:${server.address().port}/`}));
    });
}
