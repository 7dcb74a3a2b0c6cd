// Seals a built site as one build: names the build after what its files hold, writes the build into the
// page (which asks for its files with it) and writes the build and every file's hash into the service
// worker, which keeps the files whole for visits with no network.
//
//   node tools/web/seal-site.mjs SITE
//
// SITE holds index.html and service-worker.js as web/ has them, with the rest of the site beside them.
import crypto from 'node:crypto';
import fs from 'node:fs';
import path from 'node:path';

const WORKER = 'service-worker.js';
const PAGE = 'index.html';
const MARK = '@BUILD@';

const site = process.argv[2];
if (!site || process.argv.length !== 3) {
    console.error('usage: node tools/web/seal-site.mjs SITE');
    process.exit(2);
}

function digest(bytes, encoding) {
    return crypto.createHash('sha256').update(bytes).digest(encoding);
}

function read(name) {
    try {
        return fs.readFileSync(path.join(site, name));
    } catch (error) {
        console.error(`seal-site: cannot read ${name} in ${site}: ${error.message}`);
        process.exit(1);
    }
}

const pageTemplate = read(PAGE).toString('utf8');
const workerTemplate = read(WORKER).toString('utf8');
if (!pageTemplate.includes(MARK) || !workerTemplate.includes(MARK)) {
    console.error(`seal-site: ${PAGE} and ${WORKER} in ${site} are sealed already; copy them from web/ again`);
    process.exit(1);
}

// The build is named after every file but the two it is written into.
const names = fs.readdirSync(site, {withFileTypes: true})
    .filter((entry) => entry.isFile() && entry.name !== WORKER && entry.name !== PAGE)
    .map((entry) => entry.name)
    .sort();
const whole = crypto.createHash('sha256');
for (const name of names) {
    whole.update(name + '\0' + digest(read(name), 'hex') + '\n');
}
const build = whole.digest('hex').slice(0, 16);

const page = pageTemplate.replaceAll(MARK, build);
fs.writeFileSync(path.join(site, PAGE), page);
const files = [PAGE, ...names].map((name) => ({
    name,
    integrity: 'sha256-' + digest(name === PAGE ? Buffer.from(page, 'utf8') : read(name), 'base64'),
}));
fs.writeFileSync(path.join(site, WORKER),
    workerTemplate.replaceAll(MARK, build).replace('\'@FILES@\'', JSON.stringify(files, null, 4)));
console.log(`The site in ${site} is build ${build}: ${files.length} files kept for visits with no network.`);
