// Keeps the site in the browser so that a visit with no network starts as the last one did.
//
// Each build of the site is one set of files, kept whole in a cache named after the build: the set is
// fetched at install with every file's hash checked, so a set a server was halfway through replacing is
// never kept. The page asks for its files with its build in the query (page.js?build=...), and is given
// them from that build's cache alone; a build the cache does not hold comes from the network. So a page
// never mixes one build's yorun.js with another's yorun.wasm or yorun.data, whichever worker answers it.
// The page itself comes from the network first, so a new build is seen at the first visit after it lands.
//
// The build and its files are written in by tools/web/seal-site.mjs.
'use strict';

const BUILD = '@BUILD@';
const FILES = '@FILES@';
const CACHE = 'yorun-' + BUILD;
const PAGE = 'index.html';

self.addEventListener('install', (event) => {
    event.waitUntil((async () => {
        const cache = await caches.open(CACHE);
        try {
            await Promise.all(FILES.map(async ({name, integrity}) => {
                const response = await fetch(new Request(name, {cache: 'no-cache', integrity}));
                if (!response.ok) {
                    throw new Error(name + ': ' + response.status);
                }
                await cache.put(name, response);
            }));
        } catch (error) {
            // Tried again at the next visit; meanwhile the site comes from the network as before.
            await caches.delete(CACHE);
            throw error;
        }
        await self.skipWaiting();
    })());
});

self.addEventListener('activate', (event) => {
    event.waitUntil((async () => {
        const names = await caches.keys();
        await Promise.all(names.filter((name) => name.startsWith('yorun-') && name !== CACHE)
            .map((name) => caches.delete(name)));
        await self.clients.claim();
    })());
});

// The build a request asks for, or null for a request that names none.
function buildAskedBy(url) {
    return url.searchParams.get('build');
}

async function fromBuild(build, url) {
    if (build === null || !(await caches.has('yorun-' + build))) {
        return undefined;
    }
    const cache = await caches.open('yorun-' + build);
    return cache.match(url.pathname.endsWith('/') ? PAGE : url.pathname.split('/').pop(), {ignoreSearch: true});
}

async function answerPage(request) {
    try {
        return await fetch(request);
    } catch (error) {
        const kept = await caches.open(CACHE).then((cache) => cache.match(PAGE));
        if (kept) {
            return kept;
        }
        throw error;
    }
}

async function answerFile(request, url) {
    const kept = await fromBuild(buildAskedBy(url) || BUILD, url);
    return kept || fetch(request);
}

self.addEventListener('fetch', (event) => {
    const request = event.request;
    const url = new URL(request.url);
    if (request.method !== 'GET' || url.origin !== self.location.origin) {
        return;
    }
    event.respondWith(request.mode === 'navigate' ? answerPage(request) : answerFile(request, url));
});
