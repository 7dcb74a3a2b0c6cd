// The browser version in headless Chromium, served by a plain static server on a free loopback port:
// the title draws, keys reach the game, sound runs at the device's rate, a game played is kept across a
// reload, a golden replay plays to the checksums the desktop build recorded, and a damaged replay is
// refused with a message while the game goes on.
//
//   node tests/web/page-test.mjs SITE_DIR GOLDEN_DIR
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import {serve} from './static-server.mjs';

const [site, golden] = process.argv.slice(2).map((folder) => path.resolve(folder));
if (!site || !golden) {
    console.error('usage: node page-test.mjs SITE_DIR GOLDEN_DIR');
    process.exit(2);
}

let failures = 0;
function check(ok, what, detail = '') {
    console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}${detail ? ': ' + detail : ''}`);
    if (!ok) {
        failures += 1;
    }
}

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Polls until the condition holds or the time is up; the last value either way.
async function waitFor(condition, seconds, pause = 250) {
    const end = Date.now() + seconds * 1000;
    let value;
    do {
        value = await condition();
        if (value) {
            return value;
        }
        await sleep(pause);
    } while (Date.now() < end);
    return value;
}

// What the canvas shows, as the screen shows it (a WebGL canvas cannot be read back after the frame): the
// share of pixels that are not black and the mean brightness, 0 to 1.
async function canvasLook(page) {
    const element = await page.$('#canvas');
    const shot = await element.screenshot({encoding: 'base64'});
    return page.evaluate(async (data) => {
        const image = new Image();
        image.src = 'data:image/png;base64,' + data;
        await image.decode();
        const scratch = document.createElement('canvas');
        scratch.width = image.width;
        scratch.height = image.height;
        const context = scratch.getContext('2d');
        context.drawImage(image, 0, 0);
        const pixels = context.getImageData(0, 0, image.width, image.height).data;
        let lit = 0;
        let sum = 0;
        for (let i = 0; i < pixels.length; i += 4) {
            const brightness = (pixels[i] + pixels[i + 1] + pixels[i + 2]) / 765;
            sum += brightness;
            if (brightness > 0.05) {
                lit += 1;
            }
        }
        const count = pixels.length / 4;
        return {lit: lit / count, brightness: sum / count};
    }, shot);
}

async function titleShown(page) {
    const loadingGone = await page.$eval('#loading', (element) => element.hidden);
    if (!loadingGone) {
        return null;
    }
    const look = await canvasLook(page);
    return look.lit > 0.6 ? look : null;
}

const consoleLines = [];
async function openPage(browser, url) {
    const page = await browser.newPage();
    await page.setViewport({width: 1000, height: 800});
    page.on('console', (message) => consoleLines.push(message.text()));
    page.on('pageerror', (error) => consoleLines.push('page error: ' + error.message));
    await page.goto(url);
    return page;
}

async function pressFor(page, key, ms) {
    await page.keyboard.down(key);
    await sleep(ms);
    await page.keyboard.up(key);
}

const {server, url} = await serve(site);
const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'yorun-chromium-'));
const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: 'new',
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-dev-shm-usage', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
        '--autoplay-policy=no-user-gesture-required'],
});

try {
    // The title draws.
    let page = await openPage(browser, url);
    const title = await waitFor(() => titleShown(page), 90);
    check(Boolean(title), 'the title draws', title ? `${Math.round(title.lit * 100)} % of the picture lit` : '');

    // Keys reach the game: F1 darkens the title under the help card, F1 again takes it away.
    await page.keyboard.press('F1');
    const card = await waitFor(async () => {
        const look = await canvasLook(page);
        return look.brightness < title.brightness * 0.75 ? look : null;
    }, 20);
    await page.keyboard.press('F1');
    const back = await waitFor(async () => {
        const look = await canvasLook(page);
        return Math.abs(look.brightness - title.brightness) < 0.02 ? look : null;
    }, 20);
    check(Boolean(card) && Boolean(back), 'keys reach the game (F1 opens and closes the help card)');

    // The audio callback runs at about the device's rate.
    const audio = await page.evaluate(async () => {
        const sdl = window.Module.SDL2;
        if (!sdl || !sdl.audio || !sdl.audio.scriptProcessorNode) {
            return null;
        }
        const node = sdl.audio.scriptProcessorNode;
        const original = node.onaudioprocess;
        let frames = 0;
        node.onaudioprocess = (event) => {
            frames += event.outputBuffer.length;
            original.call(node, event);
        };
        const start = performance.now();
        await new Promise((resolve) => setTimeout(resolve, 4000));
        node.onaudioprocess = original;
        return {rate: frames / ((performance.now() - start) / 1000), deviceRate: sdl.audioContext.sampleRate};
    });
    check(audio !== null && Math.abs(audio.rate / audio.deviceRate - 1) < 0.15,
        'the audio callback runs at about the device rate',
        audio ? `${Math.round(audio.rate)} frames a second against ${audio.deviceRate}` : 'no audio');

    // A game played is kept, and is still there after a reload.
    await page.keyboard.press('Enter');
    await sleep(700);
    await page.keyboard.press('Enter');
    const fireKeys = ['z', 'x', 'c', 'v'];
    const started = Date.now();
    let kept = null;
    while (!kept && Date.now() - started < 200000) {
        for (const key of fireKeys) {
            await pressFor(page, key, 60);
            await pressFor(page, ['ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown'][Math.floor(Math.random() * 4)], 120);
        }
        kept = await page.evaluate(() => {
            try {
                return window.FS.readdir('/persist/data/yorun/games').filter((name) => name.endsWith('.yrp'));
            } catch (error) {
                return null;
            }
        });
        if (kept && kept.length === 0) {
            kept = null;
        }
    }
    check(Boolean(kept), 'a whole game played in the page is kept', kept ? kept.join(', ') : 'nothing after 200 s');
    if (kept) {
        // The copy to IndexedDB is asynchronous: wait until a copy has finished since the game was kept.
        await page.evaluate(() => new Promise((resolve) => {
            window.addEventListener('yorun-files-kept', resolve, {once: true});
            window.Module.keepUserFiles();
        }));
        await page.reload();
        await waitFor(() => titleShown(page), 90);
        const after = await page.evaluate(() => {
            try {
                return window.FS.readdir('/persist/data/yorun/games');
            } catch (error) {
                return [];
            }
        });
        check(kept.every((name) => after.includes(name)), 'the kept game survives a reload', after.join(', '));
    }
    await page.close();

    // A golden replay plays in the page to the checksums the desktop build recorded.
    for (const name of ['replay_normal']) {
        const expected = fs.readFileSync(path.join(golden, name + '.txt'), 'utf8');
        const score = Number(/^score (-?\d+)$/m.exec(expected)[1]);
        const best = Number(/^maxScore (-?\d+)$/m.exec(expected)[1]);
        let digest = 14695981039346656037n;
        let seconds = 0;
        for (const match of expected.matchAll(/^targets \d+ ([0-9a-f]+)$/gm)) {
            let checksum = BigInt('0x' + match[1]);
            for (let byte = 0; byte < 8; byte += 1) {
                digest = ((digest ^ (checksum & 0xffn)) * 1099511628211n) & 0xffffffffffffffffn;
                checksum >>= 8n;
            }
            seconds += 1;
        }
        const wanted = `replay played: score ${score}, best ${best}, targets ${digest.toString(16).padStart(16, '0')}` +
            ` over ${seconds} seconds`;
        const bytes = fs.readFileSync(path.join(golden, name + '.yrp'));
        page = await openPage(browser, url);
        await waitFor(() => titleShown(page), 90);
        await page.evaluate((data) => sessionStorage.setItem('yorun-chosen-replay', data), bytes.toString('base64'));
        consoleLines.length = 0;
        await page.reload();
        const line = await waitFor(() => consoleLines.find((text) => text.startsWith('replay played:')), 400, 1000);
        check(line === wanted, `the golden ${name} plays in the page as on the desktop`, line || 'no result');
        await page.close();
    }

    // A damaged replay is refused with a message, and the game goes on to its title.
    page = await openPage(browser, url);
    await waitFor(() => titleShown(page), 90);
    const damaged = Buffer.from('YRP? this is not a replay at all'.repeat(8));
    await page.evaluate((data) => sessionStorage.setItem('yorun-chosen-replay', data), damaged.toString('base64'));
    await page.reload();
    const message = await waitFor(() => page.$eval('#message', (element) =>
        element.hidden ? null : element.textContent), 60);
    const goesOn = await waitFor(() => titleShown(page), 60);
    check(Boolean(message) && /replay/i.test(message) && Boolean(goesOn),
        'a damaged replay is refused with a message in the page', (message || 'no message').replace(/\s+/g, ' ').trim());
    await page.close();
} finally {
    await browser.close();
    server.close();
    fs.rmSync(profile, {recursive: true, force: true});
}

if (failures > 0) {
    console.log(`${failures} browser check(s) failed; the page's console said:\n` + consoleLines.slice(-40).join('\n'));
    process.exit(1);
}
console.log('all browser checks passed');
