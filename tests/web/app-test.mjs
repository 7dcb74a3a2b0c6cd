// The browser version kept like an app, in headless Chromium: the page can be installed; after one visit
// it starts with no network; a new build served over the kept one starts as the new build, and is then
// the one kept; a kept copy that fails to start is given up; the screen is kept awake while the game is
// played.
//
//   node tests/web/app-test.mjs SITE_DIR
//
// The site is served from a copy, which the test turns into a new build with tools/web/seal-site.mjs.
import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import {fileURLToPath} from 'node:url';
import {Checks, startChromium, titleShown, waitFor} from './page-look.mjs';
import {serve} from './static-server.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const project = path.resolve(here, '../..');
const [site] = process.argv.slice(2).map((folder) => path.resolve(folder));
if (!site || process.argv.length !== 3) {
    console.error('usage: node app-test.mjs SITE_DIR');
    process.exit(2);
}

const checks = new Checks('installed-page');
const check = checks.check.bind(checks);

// The site as a host would hold it, in a folder of the test's own.
const served = fs.mkdtempSync(path.join(os.tmpdir(), 'yorun-site-'));
fs.cpSync(site, served, {recursive: true});

// A new build of the site: the page's script changed (it now says which build it is), sealed again.
function landNewBuild() {
    for (const name of ['index.html', 'service-worker.js']) {
        fs.copyFileSync(path.join(project, 'web', name), path.join(served, name));
    }
    fs.appendFileSync(path.join(served, 'page.js'), '\nwindow.yorunNewBuild = true;\n');
    execFileSync(process.execPath, [path.join(project, 'tools/web/seal-site.mjs'), served], {stdio: 'ignore'});
    return /data-build="([0-9a-f]+)"/.exec(fs.readFileSync(path.join(served, 'index.html'), 'utf8'))[1];
}

function buildOf(page) {
    return page.evaluate(() => document.documentElement.dataset.build);
}

function keptBuilds(page) {
    return page.evaluate(async () => (await caches.keys()).filter((name) => name.startsWith('yorun-')).sort());
}

// The page once its title is drawn, or null.
async function started(page) {
    await page.reload({waitUntil: 'domcontentloaded'}).catch(() => {});
    return waitFor(() => titleShown(page).catch(() => null), 90);
}

let {server, url} = await serve(served);
const port = new URL(url).port;
async function networkOff() {
    server.closeAllConnections();
    await new Promise((resolve) => server.close(resolve));
}
async function networkOn() {
    ({server} = await serve(served, Number(port)));
}

const {browser, profile} = await startChromium();
const consoleLines = [];
try {
    const context = browser.defaultBrowserContext();
    // A real browser grants the screen wake lock to a visible page; headless Chromium asks to be told.
    const browserSession = await browser.target().createCDPSession();
    await browserSession.send('Browser.grantPermissions', {origin: new URL(url).origin, permissions: ['wakeLockScreen']});
    const page = await context.newPage();
    await page.setViewport({width: 800, height: 640});
    page.on('console', (message) => consoleLines.push(message.text()));
    page.on('pageerror', (error) => consoleLines.push('page error: ' + error.message));
    await page.evaluateOnNewDocument(() => {
        window.keptAwake = 0;
        window.addEventListener('yorun-kept-awake', () => {
            window.keptAwake += 1;
        });
    });
    await page.goto(url);
    const firstBuild = /data-build="([0-9a-f]+)"/.exec(fs.readFileSync(path.join(served, 'index.html'), 'utf8'))[1];
    const title = await waitFor(() => titleShown(page), 90);
    const session = await page.createCDPSession();
    const {installabilityErrors: errors} = await session.send('Page.getInstallabilityErrors');
    check(Boolean(title) && errors.length === 0, 'the page can be installed',
        errors.map((error) => error.errorId).join(', ') || 'no installability errors');

    await page.keyboard.press('F1');
    await page.keyboard.press('F1');
    const awake = await waitFor(() => page.evaluate(() => window.keptAwake > 0 && navigator.wakeLock !== undefined), 20);
    check(Boolean(awake), 'the screen is kept awake once the game is played');

    // The first visit keeps the site; the next one needs no network.
    const kept = await waitFor(async () => {
        const builds = await keptBuilds(page);
        const controlled = await page.evaluate(() => navigator.serviceWorker.controller !== null);
        return controlled && builds.length === 1 && builds[0] === 'yorun-' + firstBuild ? builds : null;
    }, 90);
    await networkOff();
    const offline = kept ? await started(page) : null;
    if (process.env.YORUN_SHOTS && offline) {
        await page.screenshot({path: path.join(process.env.YORUN_SHOTS, 'installed-offline.png')});
    }
    check(Boolean(kept) && Boolean(offline) && (await buildOf(page)) === firstBuild,
        'after one visit the page starts with no network', kept ? `build ${firstBuild}` : 'the site was not kept');

    // A new build lands on the host: the next visit starts it, though the old one is what the browser kept;
    // then it is the new one that is kept, whole, and that starts with no network.
    const newBuild = landNewBuild();
    await networkOn();
    const updated = await started(page);
    const isNew = await page.evaluate(() => window.yorunNewBuild === true);
    check(Boolean(updated) && isNew && (await buildOf(page)) === newBuild,
        'a new build served over the kept one starts as the new build', `build ${await buildOf(page)}`);
    const replaced = await waitFor(async () => {
        const builds = await keptBuilds(page);
        return builds.length === 1 && builds[0] === 'yorun-' + newBuild ? builds : null;
    }, 90);
    await networkOff();
    const offlineNew = replaced ? await started(page) : null;
    const stillNew = offlineNew && (await page.evaluate(() => window.yorunNewBuild === true));
    check(Boolean(replaced) && Boolean(stillNew), 'the new build is then the one kept, and starts with no network',
        (await keptBuilds(page)).join(', '));

    // A kept copy that fails to start (its code damaged in the browser's cache) is said, and given up: the
    // next visit takes the site from the network again.
    await page.evaluate(async (build) => {
        const cache = await caches.open('yorun-' + build);
        await cache.put('yorun.wasm', new Response('damaged', {headers: {'Content-Type': 'application/wasm'}}));
    }, newBuild);
    await page.reload({waitUntil: 'domcontentloaded'}).catch(() => {});
    const said = await waitFor(() => page.$eval('#message', (element) =>
        (element.hidden || !/removed/.test(element.textContent) ? null : element.textContent)), 60);
    const forgotten = said && (await keptBuilds(page)).length === 0;
    await networkOn();
    const again = forgotten ? await started(page) : null;
    check(Boolean(forgotten) && Boolean(again), 'a kept copy that fails to start is said, and given up for the network',
        (said || 'no message').replace(/\s+/g, ' ').trim());
    await page.close();
} finally {
    await browser.close();
    if (server.listening) {
        server.close();
    }
    fs.rmSync(profile, {recursive: true, force: true});
    fs.rmSync(served, {recursive: true, force: true});
}

checks.report(consoleLines);
