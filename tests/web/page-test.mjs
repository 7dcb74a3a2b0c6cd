// The browser version in headless Chromium, served by a plain static server on a free loopback port: the
// title draws, keys reach the game, sound runs at the device's rate; a game is played, paused when its tab
// is hidden (its sound suspended meanwhile), and kept; a second tab that was open all along keeps its own
// change without losing the first tab's game, and a change made as a tab quits is kept once the page says the
// game has closed; the classic game does not count the time its tab was hidden;
// storage the browser refuses is said in the page; a golden replay chosen in the page plays to the checksums
// the desktop build recorded, and a damaged one dropped on the page is refused with a message while the
// game goes on.
//
//   node tests/web/page-test.mjs SITE_DIR GOLDEN_DIR ART_DIR
import fs from 'node:fs';
import path from 'node:path';
import {
    canvasLook, Checks, near, sleep, startChromium, startGame, titleShown, useArt, waitFor, waitUntilAt, whereAt,
} from './page-look.mjs';
import {serve} from './static-server.mjs';

const [site, golden, art] = process.argv.slice(2).map((folder) => path.resolve(folder));
if (!site || !golden || !art) {
    console.error('usage: node page-test.mjs SITE_DIR GOLDEN_DIR ART_DIR');
    process.exit(2);
}
useArt(art);

const checks = new Checks('browser');
const check = checks.check.bind(checks);

const consoleLines = [];
async function openPage(context, url, prepare = null, beforeLoading = null) {
    const page = await context.newPage();
    if (beforeLoading) {
        await beforeLoading(page);
    }
    // 800 × 600 for the picture, 40 pixels for the bar under it: the page shows the game's pixels one for
    // one.
    await page.setViewport({width: 800, height: 640});
    page.on('console', (message) => consoleLines.push(message.text()));
    page.on('pageerror', (error) => consoleLines.push('page error: ' + error.message));
    await page.evaluateOnNewDocument(() => {
        window.filesKept = 0;
        window.addEventListener('yorun-files-kept', () => {
            window.filesKept += 1;
        });
    });
    if (prepare) {
        await page.evaluateOnNewDocument(prepare);
    }
    await page.goto(url);
    return page;
}

async function pressFor(page, key, ms) {
    await page.keyboard.down(key);
    await sleep(ms);
    await page.keyboard.up(key);
}

// The files the page keeps, as its own copy holds them now.
function keptFiles(page, folder) {
    return page.evaluate((where) => {
        try {
            return window.FS.readdir(where).filter((name) => !name.startsWith('.'));
        } catch (error) {
            return [];
        }
    }, folder);
}

const GAMES = '/persist/data/yorun/games';

// The settings file as the page's own copy holds it now, or '' where there is none.
function keptSettings(page) {
    return page.evaluate(() => {
        try {
            return window.FS.readFile('/persist/config/yorun/settings.ini', {encoding: 'utf8'});
        } catch (error) {
            return '';
        }
    });
}

function volumeKept(settings) {
    const line = /^volume = (\d+)$/m.exec(settings);
    return line ? Number(line[1]) : null;
}

// Keeps playing with the fire and cursor keys until the round is over (the field seen otherwise than in
// play twice running: a target may cover the band for a moment, and the curtain that falls when the time
// is up darkens the field as a pause would); the moment it ended.
async function playOut(page, seconds) {
    const end = Date.now() + seconds * 1000;
    let over = null;
    while (Date.now() < end) {
        const where = await whereAt(page);
        if (where !== 'play') {
            if (over !== null) {
                return over;
            }
            over = Date.now();
            continue;
        }
        over = null;
        for (const key of ['z', 'x', 'c', 'v']) {
            await pressFor(page, key, 60);
            await pressFor(page, ['ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown'][Math.floor(Math.random() * 4)], 60);
        }
    }
    return null;
}

// Waits until the round is over without a key (seen twice running); the moment it ended.
async function waitOut(page, seconds) {
    let over = null;
    return waitFor(async () => {
        const where = await whereAt(page);
        if (where === 'play' || where === 'field') {
            over = null;
            return null;
        }
        if (over === null) {
            over = Date.now();
            return null;
        }
        return over;
    }, seconds, 200);
}

function audioState(page) {
    return page.evaluate(() => {
        const context = window.Module.SDL2 && window.Module.SDL2.audioContext;
        return context ? context.state : 'none';
    });
}

const {server, url} = await serve(site);
const {browser, profile} = await startChromium();
const HIDDEN_SECONDS = 12;

try {
    const context = browser.defaultBrowserContext();
    // The second tab opens first and stays at its title: it read the kept files before the first tab's
    // game was kept. A tab in the background is hidden, and runs nothing.
    const second = await openPage(context, url);
    await waitFor(() => titleShown(second), 90);
    let page = await openPage(context, url);
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

    // The options screen darkens the title as the card does, and Backspace takes it away.
    await page.keyboard.press('o');
    const options = await waitFor(async () => {
        const look = await canvasLook(page);
        return look.brightness < title.brightness * 0.75 ? look : null;
    }, 20);
    await page.keyboard.press('Backspace');
    const optionsGone = await waitFor(async () => {
        const look = await canvasLook(page);
        return Math.abs(look.brightness - title.brightness) < 0.02 ? look : null;
    }, 20);
    check(Boolean(options) && Boolean(optionsGone), 'the options open with O and close with Backspace');

    // A key in Z's place that types w (a French keyboard) is called W: the help card's red cap changes.
    const capPoints = [];
    for (let y = 438; y < 462; y += 3) {
        for (let x = 30; x < 50; x += 3) {
            capPoints.push([x, y]);
        }
    }
    const capOf = async () => {
        await page.keyboard.press('F1');
        const look = await waitFor(async () => {
            const shown = await canvasLook(page, capPoints);
            return shown.brightness < title.brightness * 0.75 ? shown : null;
        }, 20);
        await page.keyboard.press('F1');
        await waitFor(async () => Math.abs((await canvasLook(page)).brightness - title.brightness) < 0.02, 20);
        return look;
    };
    const typeAt = async (place, typed, keyCode) => {
        const session = await page.createCDPSession();
        for (const type of ['keyDown', 'keyUp']) {
            await session.send('Input.dispatchKeyEvent',
                {type, code: place, key: typed, windowsVirtualKeyCode: keyCode, nativeVirtualKeyCode: keyCode});
        }
        await session.detach();
    };
    const zCap = await capOf();
    await typeAt('KeyZ', 'w', 87);
    const wCap = await capOf();
    await typeAt('KeyZ', 'z', 90);
    const zAgain = await capOf();
    const same = (one, other) => one.colours.every((colour, index) => near(colour, other.colours[index], 12));
    check(Boolean(zCap) && Boolean(wCap) && Boolean(zAgain) && !same(zCap, wCap) && same(zCap, zAgain),
        'a key is called by what it types in the page (the red cap says W where Z\'s place types w)');

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

    // A game in play, its tab hidden for a while: the sound is suspended meanwhile, and the game is found
    // paused when the tab comes back, with its sound on again; P goes on. The round then lasts its 91
    // seconds of play, the hidden ones not among them, and is kept.
    const began = await startGame(page);
    check(Boolean(began), 'a game starts from the title and the difficulty menu');
    await playOut(page, 4);
    const cover = await context.newPage();
    const suspended = await waitFor(async () => (await audioState(page)) === 'suspended', 10);
    await sleep(HIDDEN_SECONDS * 1000);
    await page.bringToFront();
    const paused = await waitUntilAt(page, 'paused', 15);
    const pauseHolds = paused && (await sleep(1500), (await whereAt(page)) === 'paused');
    const soundBack = await waitFor(async () => (await audioState(page)) === 'running', 10);
    check(Boolean(suspended) && Boolean(soundBack), 'a hidden tab\'s sound is suspended, and comes back with it');
    check(Boolean(paused) && pauseHolds, 'a game whose tab was hidden is paused when it comes back');
    await page.keyboard.press('p');
    const resumed = await waitUntilAt(page, 'play', 10);
    // The game is kept once the score screen is up, a moment after play: by a turn at the files to come.
    const keptBefore = await page.evaluate(() => window.filesKept);
    const ended = resumed ? await playOut(page, 200) : null;
    const played = ended ? (ended - began) / 1000 : 0;
    check(Boolean(resumed) && played > 91 + HIDDEN_SECONDS - 2,
        'play goes on with P, and the hidden time does not count', `the round lasted ${played.toFixed(1)} s`);
    const kept = await waitFor(async () => {
        const games = (await keptFiles(page, GAMES)).filter((name) => name.endsWith('.yrp'));
        const stored = await page.evaluate((before) => window.filesKept > before, keptBefore);
        return games.length > 0 && stored ? games : null;
    }, 30);
    check(Boolean(kept), 'a whole game played in the page is kept', kept ? kept.join(', ') : 'nothing');
    await cover.close();

    // The second tab, open all along, changes the volume: its turn at the files reads what the first tab
    // kept, and keeps it with its own change.
    await second.bringToFront();
    const secondKept = await second.evaluate(() => window.filesKept);
    await second.keyboard.press('-');
    await waitFor(() => second.evaluate((before) => window.filesKept > before, secondKept), 30);
    const seenBySecond = await keptFiles(second, GAMES);
    // The level the second tab chose: one step down, or more where the busy browser held the key past the
    // repeat delay.
    const secondVolume = volumeKept(await keptSettings(second));
    const third = await openPage(context, url);
    await waitFor(() => titleShown(third), 90);
    const stored = await keptFiles(third, GAMES);
    const thirdVolume = volumeKept(await keptSettings(third));
    check(Boolean(kept) && kept.every((name) => stored.includes(name) && seenBySecond.includes(name)) &&
        secondVolume !== null && secondVolume < 8 && thirdVolume === secondVolume,
        'two tabs keep both their changes',
        `kept: ${stored.join(', ') || 'no game'}; volume ${thirdVolume} where the second tab chose ${secondVolume}`);

    // The third tab lowers the volume and quits while the second holds the files' lock, so that the
    // change still waits for its turn: the game waits for the turn as it closes, the page says it has
    // closed, and the next tab finds the change kept.
    await second.evaluate(() => new Promise((granted) => {
        navigator.locks.request('yorun-kept-files', () => new Promise((resolve) => {
            window.letFilesGo = resolve;
            granted();
        }));
    }));
    await third.bringToFront();
    await third.keyboard.press('-');
    await sleep(1500);
    await third.keyboard.press('Escape');
    await sleep(1500);
    await second.evaluate(() => window.letFilesGo());
    const closed = await waitFor(() => third.evaluate(() => {
        const text = document.getElementById('message-text').textContent;
        return /Yorun has closed/.test(text) ? text : null;
    }), 30);
    const fourth = await openPage(context, url);
    await waitFor(() => titleShown(fourth), 90);
    const afterQuit = volumeKept(await keptSettings(fourth));
    // The fourth quits with nothing waiting to be written: it is last woken by an animation frame, not by
    // a wait for its files, and still says it has closed.
    await fourth.keyboard.press('Escape');
    const closedIdle = await waitFor(() => fourth.evaluate(() =>
        /Yorun has closed/.test(document.getElementById('message-text').textContent)), 30);
    const lateWrites = consoleLines.filter((line) => /written in time/.test(line));
    check(Boolean(closed) && Boolean(closedIdle) && lateWrites.length === 0 && thirdVolume !== null &&
        afterQuit !== null && afterQuit < thirdVolume,
        'a change made just before quitting is kept, and a tab quitting with nothing to keep says it has closed',
        `${closed ? 'closed' : 'not closed'}${closedIdle ? '' : ', the idle tab not closed'}; volume ${afterQuit} ` +
        `after ${thirdVolume}${lateWrites.length > 0 ? '; ' + lateWrites.join(' ') : ''}`);
    await Promise.all([second.close(), third.close(), fourth.close(), page.close()]);

    // The classic game does not pause, and does not count the time its tab was hidden either.
    page = await openPage(context, url + '?classic');
    await waitFor(() => titleShown(page), 90);
    const classicBegan = await startGame(page);
    await sleep(3000);
    const classicCover = await context.newPage();
    await sleep(HIDDEN_SECONDS * 1000);
    await page.bringToFront();
    const goesOn = await waitUntilAt(page, 'play', 10);
    const classicEnded = await waitOut(page, 150);
    const classicPlayed = classicBegan && classicEnded ? (classicEnded - classicBegan) / 1000 : 0;
    check(Boolean(goesOn) && classicPlayed > 91 + HIDDEN_SECONDS - 2,
        'the classic game goes on after its tab was hidden, the hidden time not counted',
        `the round lasted ${classicPlayed.toFixed(1)} s`);
    await Promise.all([classicCover.close(), page.close()]);

    // Storage the browser refuses: IndexedDB blocked (the page's other stores with it), then a quota too
    // small for anything. The page says that nothing is kept, and why, and the game plays.
    const blocked = await browser.createBrowserContext();
    page = await openPage(blocked, url, () => {
        for (const store of ['indexedDB', 'sessionStorage', 'localStorage']) {
            Object.defineProperty(window, store, {
                get() {
                    throw new DOMException('The user denied permission to access the database.', 'SecurityError');
                },
            });
        }
    });
    const blockedTitle = await waitFor(() => titleShown(page), 90);
    const blockedNote = await page.$eval('#storage-note', (element) => (element.hidden ? '' : element.textContent));
    check(Boolean(blockedTitle) && /does not let the page keep files/.test(blockedNote),
        'blocked storage is said in the page, and the game plays', blockedNote || 'no note');
    await blocked.close();

    const full = await browser.createBrowserContext();
    page = await openPage(full, url, () => {
        window.notKept = '';
        window.addEventListener('yorun-files-not-kept', (event) => {
            window.notKept = event.detail;
        });
    }, async (fresh) => {
        const session = await fresh.createCDPSession();
        await session.send('Storage.overrideQuotaForOrigin', {origin: new URL(url).origin, quotaSize: 1});
    });
    await waitFor(() => titleShown(page), 90);
    await page.keyboard.press('-');
    const refused = await waitFor(() => page.evaluate(() => window.notKept), 30);
    const fullNote = await page.$eval('#storage-note', (element) => (element.hidden ? '' : element.textContent));
    check(/full/.test(refused || '') && /Nothing is being kept/.test(fullNote),
        'a write the browser refuses is said in the page', fullNote || refused || 'no note');
    await full.close();

    // A golden replay chosen with "Watch a replay…" plays in the page to the checksums the desktop build
    // recorded, without a reload.
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
        page = await openPage(context, url);
        await waitFor(() => titleShown(page), 90);
        consoleLines.length = 0;
        const loads = [];
        page.on('load', () => loads.push(Date.now()));
        const [chooser] = await Promise.all([page.waitForFileChooser(), page.click('#bar label.button')]);
        await chooser.accept([path.join(golden, name + '.yrp')]);
        const line = await waitFor(() => consoleLines.find((text) => text.startsWith('replay played:')), 400, 1000);
        check(line === wanted && loads.length === 0, `the golden ${name} chosen in the page plays as on the desktop`,
            (line || 'no result') + (loads.length > 0 ? ' (the page reloaded)' : ''));
    }

    // A damaged replay dropped on the page is refused with a message, and the game goes on at its title.
    await page.evaluate(() => {
        const transfer = new DataTransfer();
        transfer.items.add(new File(['YRP? this is not a replay at all'.repeat(8)], 'damaged.yrp'));
        window.dispatchEvent(new DragEvent('drop', {dataTransfer: transfer, bubbles: true, cancelable: true}));
    });
    const message = await waitFor(() => page.$eval('#message', (element) =>
        element.hidden ? null : element.textContent), 60);
    await page.click('#message-close');
    const goesOnAfter = await waitUntilAt(page, 'title', 60);
    check(Boolean(message) && /is not a replay of this game/.test(message) && Boolean(goesOnAfter),
        'a damaged replay dropped on the page is refused with a message', (message || 'no message').replace(/\s+/g, ' ').trim());
    await page.close();
} finally {
    await browser.close();
    server.close();
    fs.rmSync(profile, {recursive: true, force: true});
}

checks.report(consoleLines);
