// The browser version's figures, printed: what the page loads before the title (raw and gzipped), how long
// after navigation the first title frame comes in headless Chromium on localhost and on an emulated phone,
// and the busiest frame's update and drawing in the browser beside the desktop build's. Run by
// bench/web/run.
//
//   node bench/web/web-bench.mjs SITE_DIR BENCH_DIR NATIVE_FIGURE
import {createRequire} from 'node:module';
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import {fileURLToPath} from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const require = createRequire(path.join(here, '../../tests/web/package.json'));
const puppeteer = require('puppeteer-core');
const {serve} = await import(path.join(here, '../../tests/web/static-server.mjs'));

const [site, benchSite, nativeFigure] = process.argv.slice(2);
const kib = (bytes) => (bytes / 1024).toFixed(0).padStart(6) + ' KiB';

// 1. What loads before the title: the page, its script and style, the game's code and its data.
console.log('What the page loads before the title (raw, gzipped at level 9):');
let raw = 0;
let packed = 0;
for (const name of ['index.html', 'page.js', 'touch.js', 'page.css', 'icon.png', 'yorun.js', 'yorun.wasm', 'yorun.data']) {
    const bytes = fs.readFileSync(path.join(site, name));
    const gzipped = zlib.gzipSync(bytes, {level: 9}).length;
    raw += bytes.length;
    packed += gzipped;
    console.log(`  ${name.padEnd(12)} ${kib(bytes.length)} ${kib(gzipped)}`);
}
console.log(`  ${'together'.padEnd(12)} ${kib(raw)} ${kib(packed)}  (${(packed / 1e6).toFixed(2)} MB gzipped)`);

const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: 'new',
    args: ['--no-sandbox', '--disable-dev-shm-usage', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
        '--autoplay-policy=no-user-gesture-required'],
});

// 2. The first title frame: the first drawing after the game's loop has first waited for an animation
// frame (the start-up banner is drawn before the loop), in a fresh profile each time, so nothing is cached.
// On localhost as it is, and on a mid-range phone as Chromium emulates one: the processor 4 times slower,
// 9 Mbit/s down and 1.5 up with 170 ms of latency, the cache off, the site served gzipped.
async function firstTitleFrame(url, phone) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    if (phone) {
        const session = await page.createCDPSession();
        await session.send('Network.enable');
        await session.send('Network.setCacheDisabled', {cacheDisabled: true});
        await session.send('Network.emulateNetworkConditions', {
            offline: false, latency: 170, downloadThroughput: (9e6 / 8), uploadThroughput: (1.5e6 / 8),
        });
        await session.send('Emulation.setCPUThrottlingRate', {rate: 4});
    }
    await page.evaluateOnNewDocument(() => {
        const plainRaf = window.requestAnimationFrame.bind(window);
        let loopStarted = false;
        window.requestAnimationFrame = (callback) => plainRaf((time) => {
            loopStarted = true;
            callback(time);
        });
        for (const type of [window.WebGLRenderingContext, window.WebGL2RenderingContext]) {
            for (const name of ['drawArrays', 'drawElements']) {
                const plain = type.prototype[name];
                type.prototype[name] = function (...args) {
                    if (loopStarted && window.firstTitleFrame === undefined) {
                        window.firstTitleFrame = performance.now();
                    }
                    return plain.apply(this, args);
                };
            }
        }
    });
    await page.goto(url);
    await page.waitForFunction(() => window.firstTitleFrame !== undefined, {timeout: 120000});
    const ms = await page.evaluate(() => window.firstTitleFrame);
    await context.close();
    return ms;
}

async function medianOf(runs, url, phone) {
    const times = [];
    for (let run = 0; run < runs; run += 1) {
        times.push(await firstTitleFrame(url, phone));
    }
    times.sort((a, b) => a - b);
    return `median ${times[Math.floor(runs / 2)].toFixed(0)} ms (runs: ${times.map((ms) => ms.toFixed(0)).join(', ')} ms)`;
}

const plain = await serve(path.resolve(site));
console.log(`First title frame after navigation, localhost: ${await medianOf(5, plain.url, false)}`);
plain.server.close();
const gzipped = await serve(path.resolve(site), 0, {gzip: true});
console.log(`First title frame after navigation, a mid-range phone (4x slower, 9/1.5 Mbit/s, 170 ms): ` +
    `${await medianOf(3, gzipped.url, true)}`);
gzipped.server.close();

// 3. The busiest frame in the browser, beside the desktop's.
const bench = await serve(path.resolve(benchSite));
const page = await browser.newPage();
const figure = new Promise((resolve) => page.on('console', (message) => {
    if (message.text().startsWith('busiest frame')) {
        resolve(message.text());
    }
}));
await page.goto(bench.url + 'bench.html');
const browserFigure = await Promise.race([figure, new Promise((resolve) => setTimeout(() => resolve('no figure'), 120000))]);
bench.server.close();
await browser.close();
console.log(`Browser: ${browserFigure}`);
console.log(`Desktop: ${nativeFigure}`);
