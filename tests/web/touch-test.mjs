// The browser version on a phone, in headless Chromium with a phone's screen and touch events only: the
// touch controls come with a touch and go with a key, carry the names a screen reader reads, are large
// enough for a thumb and never cover the picture, upright and on its side; a round is started from the
// menus, paused, played on and played out by touch, aiming and firing at once, and the game kept replays
// to its own score.
//
//   node tests/web/touch-test.mjs SITE_DIR
import path from 'node:path';
import fs from 'node:fs';
import {serve} from './static-server.mjs';
import {canvasLook, Checks, sleep, startChromium, titleShown, waitFor} from './page-look.mjs';

const [site] = process.argv.slice(2).map((folder) => path.resolve(folder));
if (!site || process.argv.length !== 3) {
    console.error('usage: node touch-test.mjs SITE_DIR');
    process.exit(2);
}

const checks = new Checks('touch');
const check = checks.check.bind(checks);

const CONTROLS = ['Aim', 'Red', 'Yellow', 'Blue', 'Green', 'Refill', 'Arrow speed on', 'Arrow speed back', 'Pause'];
const GAMES = '/persist/data/yorun/games';
// The key codes the game reads: the cursor keys, and the four colours.
const AIM_CODES = [0xc8, 0xd0, 0xcb, 0xcd];
const FIRE_CODES = [0x2c, 0x2d, 0x2e, 0x2f];

const consoleLines = [];
async function openPhone(browser, url, width, height) {
    const page = await browser.newPage();
    page.on('console', (message) => consoleLines.push(message.text()));
    page.on('pageerror', (error) => consoleLines.push('page error: ' + error.message));
    await page.emulate({
        viewport: {width, height, deviceScaleFactor: 2.625, isMobile: true, hasTouch: true, isLandscape: width > height},
        userAgent: 'Mozilla/5.0 (Linux; Android 14; Pixel 7) AppleWebKit/537.36 (KHTML, like Gecko) Mobile Safari/537.36',
    });
    await page.goto(url);
    return page;
}

// Each control, found by its accessible name: its place on the page, or null where it is not shown.
async function controlPlaces(page) {
    const places = {};
    for (const name of CONTROLS) {
        const element = await page.$(`::-p-aria(${name})`);
        const box = element ? await element.boundingBox() : null;
        places[name] = box && box.width > 0 ? box : null;
    }
    return places;
}

function overlap(a, b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

// Shown, large enough for a thumb, clear of the picture: what is wrong, or '' when nothing is.
async function layoutFaults(page) {
    const places = await controlPlaces(page);
    const picture = await (await page.$('#canvas')).boundingBox();
    const faults = [];
    for (const [name, box] of Object.entries(places)) {
        if (box === null) {
            faults.push(`${name} not shown`);
        } else if (box.width < 48 || box.height < 48) {
            faults.push(`${name} ${box.width}×${box.height}`);
        } else if (overlap(box, picture)) {
            faults.push(`${name} over the picture`);
        }
    }
    return faults.join(', ');
}

async function controlsShown(page) {
    return page.$eval('#fire', (element) => !element.hidden);
}

// A touch on the page outside the picture and the controls: under the picture in portrait.
async function touchPage(page) {
    const picture = await (await page.$('#canvas')).boundingBox();
    await page.touchscreen.tap(picture.x + picture.width / 2, picture.y + picture.height + 4);
}

// A tap at a place of the game's 800 × 600 picture.
async function tapPicture(page, x, y) {
    const picture = await (await page.$('#canvas')).boundingBox();
    await page.touchscreen.tap(picture.x + (x * picture.width) / 800, picture.y + (y * picture.height) / 600);
}

async function centreOf(page, name) {
    const box = await (await page.$(`::-p-aria(${name})`)).boundingBox();
    return {x: box.x + box.width / 2, y: box.y + box.height / 2};
}

// Fingers on the screen through the DevTools protocol, which takes several at once.
async function touch(session, type, points) {
    await session.send('Input.dispatchTouchEvent', {
        type, touchPoints: points.map(({x, y}, id) => ({x: Math.round(x), y: Math.round(y), id, radiusX: 6, radiusY: 6})),
    });
}

async function tapControl(page, session, name) {
    const at = await centreOf(page, name);
    await touch(session, 'touchStart', [at]);
    await sleep(80);
    await touch(session, 'touchEnd', []);
}

// One thumb drags in the aiming area while the other holds a colour, for a moment.
async function aimAndFire(page, session, colour, dx, dy) {
    const aim = await centreOf(page, 'Aim');
    const fire = await centreOf(page, colour);
    await touch(session, 'touchStart', [aim]);
    await touch(session, 'touchStart', [aim, fire]);
    for (let step = 1; step <= 4; step += 1) {
        await touch(session, 'touchMove', [{x: aim.x + (dx * step) / 4, y: aim.y + (dy * step) / 4}, fire]);
        await sleep(40);
    }
    await sleep(250);
    await touch(session, 'touchEnd', []);
}

// The kept game's score, arrows loosed, and whether one frame held an aiming key and a colour at once.
function readGame(bytes) {
    const view = Buffer.from(bytes);
    let at = 10;
    at += 1 + view[at];
    at += 1 + 8 + 8 + 16 + 4 + 4 + 120 + 1 + 4 + 4;
    const score = view.readInt32LE(at);
    const shots = view.readInt32LE(at + 8);
    const frames = view.readUInt32LE(at + 20);
    at += 24;
    let together = false;
    for (let frame = 0; frame < frames; frame += 1) {
        while (view[at] & 0x80) {
            at += 1;
        }
        at += 1;
        const held = [...view.subarray(at + 1, at + 1 + view[at])];
        at += 1 + view[at];
        at += 1 + view[at];
        together = together || (held.some((code) => AIM_CODES.includes(code)) &&
            held.some((code) => FIRE_CODES.includes(code)));
    }
    return {score, shots, together};
}

const {server, url} = await serve(site);
const {browser, profile} = await startChromium();
try {
    // Upright: the controls come with the first touch, go with a key and come back with a touch.
    let page = await openPhone(browser, url, 412, 915);
    await waitFor(() => titleShown(page), 90);
    const hiddenFirst = !(await controlsShown(page));
    await touchPage(page);
    const shownByTouch = await waitFor(() => controlsShown(page), 10);
    const portraitFaults = shownByTouch ? await layoutFaults(page) : 'not shown';
    check(hiddenFirst && shownByTouch && portraitFaults === '',
        'upright, the touch controls come with a touch, named, thumb-sized and clear of the picture',
        portraitFaults || CONTROLS.join(', '));
    await page.keyboard.press('Shift');
    const goneByKey = await waitFor(async () => !(await controlsShown(page)), 10);
    await touchPage(page);
    const backByTouch = await waitFor(() => controlsShown(page), 10);
    check(goneByKey && backByTouch, 'a key sends the touch controls away, and a touch brings them back');

    // A round by touch alone: started with a tap on start and one on easy (each chosen already, so one tap
    // takes it), paused and played on, and played out. The pause's veil darkens the whole picture, as
    // nothing else in play does.
    const session = await page.createCDPSession();
    await tapPicture(page, 400, 327);
    await sleep(1500);
    await tapPicture(page, 400, 327);
    // The countdown, then play: only play pauses.
    await sleep(4000);
    await aimAndFire(page, session, 'Red', 60, -30);
    const inPlay = (await canvasLook(page)).brightness;
    if (process.env.YORUN_SHOTS) {
        await page.screenshot({path: path.join(process.env.YORUN_SHOTS, 'touch-portrait-play.png')});
    }
    await tapControl(page, session, 'Pause');
    const paused = await waitFor(async () => (await canvasLook(page)).brightness < inPlay * 0.6, 15);
    await tapControl(page, session, 'Pause');
    const goesOn = paused ? await waitFor(async () => (await canvasLook(page)).brightness > inPlay * 0.8, 15) : false;
    check(Boolean(paused) && Boolean(goesOn),
        'a round is started with taps on the menus, and the Pause control pauses it and goes on with it',
        `${paused ? 'paused' : 'not paused'}, ${goesOn ? 'went on' : 'did not go on'}`);

    const colours = ['Red', 'Yellow', 'Blue', 'Green'];
    const keptGames = () => page.evaluate((folder) => {
        try {
            return window.FS.readdir(folder).filter((name) => name.endsWith('.yrp'));
        } catch (error) {
            return [];
        }
    }, GAMES);
    const end = Date.now() + 150 * 1000;
    for (let turn = 0; Date.now() < end && (await keptGames()).length === 0; turn += 1) {
        const angle = turn * 2.4;
        await aimAndFire(page, session, colours[turn % 4], Math.cos(angle) * 90, Math.sin(angle) * 90);
        if (turn % 12 === 11) {
            await tapControl(page, session, 'Refill');
        }
    }
    const kept = await waitFor(async () => (await keptGames())[0], 30);
    const bytes = kept ? await page.evaluate((file) => Array.from(window.FS.readFile(file)), `${GAMES}/${kept}`) : [];
    const game = kept ? readGame(bytes) : null;
    check(Boolean(game) && game.shots > 0 && game.together, 'a round is played out by touch, aiming and firing at once',
        game ? `${kept}: ${game.shots} arrows loosed, score ${game.score}` : 'no game kept');

    // The game kept, handed back to the page, plays to its own score.
    consoleLines.length = 0;
    await page.evaluate((name, data) => {
        const transfer = new DataTransfer();
        transfer.items.add(new File([new Uint8Array(data)], name));
        window.dispatchEvent(new DragEvent('drop', {dataTransfer: transfer, bubbles: true, cancelable: true}));
    }, kept || 'none.yrp', bytes);
    const line = game ? await waitFor(() => consoleLines.find((text) => text.startsWith('replay played:')), 300, 1000) : null;
    check(Boolean(line) && line.startsWith(`replay played: score ${game.score},`),
        'the game played by touch replays to its own score', line || 'no replay played');
    await page.close();

    // On its side: the controls sit beside the picture.
    page = await openPhone(browser, url, 915, 412);
    await waitFor(() => titleShown(page), 90);
    const picture = await (await page.$('#canvas')).boundingBox();
    await page.touchscreen.tap(picture.x + 4, picture.y + 4);
    const shownSideways = await waitFor(() => controlsShown(page), 10);
    const landscapeFaults = shownSideways ? await layoutFaults(page) : 'not shown';
    const aimBox = await (await page.$('::-p-aria(Aim)')).boundingBox();
    const redBox = await (await page.$('::-p-aria(Red)')).boundingBox();
    const picturedAfter = await (await page.$('#canvas')).boundingBox();
    const beside = aimBox.x + aimBox.width <= picturedAfter.x && redBox.x >= picturedAfter.x + picturedAfter.width;
    check(landscapeFaults === '' && beside,
        'on its side, the aiming area is left of the picture and the arrows right of it, clear of it',
        landscapeFaults || `picture ${Math.round(picturedAfter.width)}×${Math.round(picturedAfter.height)}`);

    // The title's "how to play", tapped, opens the help card: its veil darkens the picture.
    const onTitle = (await canvasLook(page)).brightness;
    await tapPicture(page, 290, 574);
    const helpShown = await waitFor(async () => (await canvasLook(page)).brightness < onTitle * 0.6, 15);
    if (process.env.YORUN_SHOTS) {
        await page.screenshot({path: path.join(process.env.YORUN_SHOTS, 'touch-help.png')});
    }
    await tapPicture(page, 400, 300);
    const helpClosed = helpShown ? await waitFor(async () => (await canvasLook(page)).brightness > onTitle * 0.8, 15) : false;
    check(Boolean(helpShown) && Boolean(helpClosed), 'a tap on the title\'s "how to play" opens the help card, and one closes it');

    // The options, by a tap on the title's link: their touch controls' row swaps the hands.
    await tapPicture(page, 530, 574);
    await sleep(500);
    await tapPicture(page, 300, 120 + 44 * 5 + 10);
    const swapped = await waitFor(async () => {
        const aimNow = await (await page.$('::-p-aria(Aim)')).boundingBox();
        const redNow = await (await page.$('::-p-aria(Red)')).boundingBox();
        const pictureNow = await (await page.$('#canvas')).boundingBox();
        return aimNow.x >= pictureNow.x + pictureNow.width && redNow.x + redNow.width <= pictureNow.x;
    }, 15);
    if (process.env.YORUN_SHOTS) {
        await page.screenshot({path: path.join(process.env.YORUN_SHOTS, 'touch-left-handed.png')});
    }
    check(Boolean(swapped), 'the options\' touch controls row, tapped, puts the aiming area right and the arrows left');
    await page.close();
} finally {
    await browser.close();
    server.close();
    fs.rmSync(profile, {recursive: true, force: true});
}

checks.report(consoleLines);
