// What the tests see of the page: the browser they see it in, waiting for a condition, the canvas as the
// screen shows it, the title.
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
