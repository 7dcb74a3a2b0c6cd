// What the tests see of the page: the browser they see it in, waiting for a condition, the canvas as the
// screen shows it, the title, where the game stands (from its picture), and a game started by the keys.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

export const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Polls until the condition holds or the time is up; the last value either way.
export async function waitFor(condition, seconds, pause = 250) {
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
// share of pixels that are not black, the mean brightness (0 to 1) and the colours at the given points of
// the game's 800 × 600 picture.
export async function canvasLook(page, points = []) {
    const element = await page.$('#canvas');
    const shot = await element.screenshot({encoding: 'base64'});
    return page.evaluate(async (data, wanted) => {
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
        const colours = wanted.map(([x, y]) => {
            const at = (Math.floor(y * image.height / 600) * image.width + Math.floor(x * image.width / 800)) * 4;
            return [pixels[at], pixels[at + 1], pixels[at + 2]];
        });
        return {lit: lit / count, brightness: sum / count, colours};
    }, shot, points);
}

export async function titleShown(page) {
    const loadingGone = await page.$eval('#loading', (element) => element.hidden);
    if (!loadingGone) {
        return null;
    }
    const look = await canvasLook(page);
    return look.lit > 0.6 ? look : null;
}

// Headless Chromium with a profile of its own (a folder the caller removes), WebGL drawn in software, and
// sound allowed to start without a gesture.
export async function startChromium() {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'yorun-chromium-'));
    const browser = await puppeteer.launch({
        executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
        headless: 'new',
        userDataDir: profile,
        args: ['--no-sandbox', '--disable-dev-shm-usage', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
            '--autoplay-policy=no-user-gesture-required'],
    });
    return {browser, profile};
}

// A pixel of one of the game's 24-bit BMP pictures, as [r, g, b].
let art = null;
const pictures = new Map();
// The folder of the game's pictures, which tell where the game stands.
export function useArt(folder) {
    art = folder;
}

function artPixel(name, x, y) {
    if (!pictures.has(name)) {
        pictures.set(name, fs.readFileSync(path.join(art, name)));
    }
    const bytes = pictures.get(name);
    const start = bytes.readUInt32LE(10);
    const width = bytes.readInt32LE(18);
    const height = bytes.readInt32LE(22);
    const stride = Math.ceil((width * 3) / 4) * 4;
    const at = start + (height - 1 - y) * stride + x * 3;
    return [bytes[at + 2], bytes[at + 1], bytes[at]];
}

export function near(a, b, tolerance = 6) {
    return a.every((channel, index) => Math.abs(channel - b[index]) <= tolerance);
}

// Where the game stands, from its picture: the title's menu with start lit, the difficulty menu with easy
// lit, or the field seen through the bottom of the picture, where nothing but the play band goes (the
// field as it is, under the band in play, or under the band and the pause's veil), as most of three points
// there say; or something else.
const BAND_POINTS = [[420, 506], [480, 506], [780, 506]];
export async function whereAt(page) {
    const look = await canvasLook(page, [[400, 320], ...BAND_POINTS]);
    const [button, ...band] = look.colours;
    const votes = new Map();
    band.forEach((colour, index) => {
        const field = artPixel('Yorun_back.bmp', ...BAND_POINTS[index]);
        const shades = {field: 1, play: 0.7, paused: 0.7 * 0.4};
        for (const [where, shade] of Object.entries(shades)) {
            if (near(colour, field.map((channel) => channel * shade), 8)) {
                votes.set(where, (votes.get(where) || 0) + 1);
            }
        }
    });
    for (const [where, count] of votes) {
        if (count >= 2) {
            return where;
        }
    }
    // The menus' buttons, where targets fly in play: only once the field is not what is shown.
    if (near(button, artPixel('始める2.bmp', 75, 20))) {
        return 'title';
    }
    if (near(button, artPixel('易しい2.bmp', 75, 20))) {
        return 'difficulty';
    }
    return 'elsewhere';
}

export async function waitUntilAt(page, where, seconds) {
    return waitFor(async () => (await whereAt(page)) === where, seconds, 100);
}

// Starts a game on easy from the title; the moment play began, or null.
export async function startGame(page) {
    if (!(await waitUntilAt(page, 'title', 60))) {
        return null;
    }
    await page.keyboard.press('Enter');
    if (!(await waitUntilAt(page, 'difficulty', 20))) {
        return null;
    }
    await page.keyboard.press('Enter');
    return (await waitUntilAt(page, 'play', 20)) ? Date.now() : null;
}

// The checks of one script: each printed as it is made, and a closing report that ends the script with the
// page's last console lines when any failed.
export class Checks {
    constructor(kind) {
        this.kind = kind;
        this.failures = 0;
    }

    check(ok, what, detail = '') {
        console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}${detail ? ': ' + detail : ''}`);
        if (!ok) {
            this.failures += 1;
        }
    }

    report(consoleLines) {
        if (this.failures > 0) {
            console.log(`${this.failures} ${this.kind} check(s) failed; the page's console said:\n` +
                consoleLines.slice(-40).join('\n'));
            process.exit(1);
        }
        console.log(`all ${this.kind} checks passed`);
    }
}
