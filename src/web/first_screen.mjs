// Usage: node first_screen.mjs TEMPLATE.html SITE_DIR OUTPUT.html
// The page's index.html with the calls that build and show baio on a first
// start (no data yet), recorded from the built program under node: the page
// replays them as soon as its scripts run, so that baio is drawn before the
// .wasm has arrived.
import fs from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

const [template, site, output] = process.argv.slice(2);
const FIRST = 'baio';
const PLACE = '<script type="application/json" id="first-screen"></script>';

// The calls the program makes at its first start on the given day, each as
// [name, ...arguments], baio's only: those naming its screen, and the
// drawing of its pictures.
const RealDate = Date;
async function firstCalls(day) {
  const calls = [];
  const page = new Proxy({}, {
    get: (_, name) => (...args) => {
      // A dialog would wait for an answer that never comes.
      if (['messageBox', 'inputBox', 'internalError'].includes(name)) {
        throw new Error(`${name} at the first start: ${args[0]}`);
      }
      calls.push([name, ...args]);
    },
  });
  globalThis.Date = class extends RealDate {
    constructor(...args) { super(...(args.length ? args : [day])); }
    static now() { return new RealDate(day).getTime(); }
  };
  try {
    const module = await createBiorhythm({ page, wasmBinary });
    for (const dir of ['/data', '/config']) module.FS.mkdir(dir);
    await module.ccall('bio_start', 'number', ['string', 'string'], ['/data', '/config'], { async: true });
  } finally {
    globalThis.Date = RealDate;
  }
  const screen = calls.find(([name, , screenName]) => name === 'screen' && screenName === FIRST)?.[1];
  if (screen === undefined) throw new Error(`the program built no ${FIRST} at its start`);
  let drawingFirst = false;
  const first = calls.filter(([name, id]) => {
    if (name === 'pictureLine' || name === 'pictureText') return drawingFirst;
    if (name === 'picture') drawingFirst = id === screen;
    return id === screen && name !== 'hide';
  });
  if (!first.some(([name]) => name === 'open')) throw new Error(`the program did not show ${FIRST} at its start`);
  return first.map((call) => JSON.stringify(call));
}

// The glue is built for the web: it is given its .wasm rather than fetching it.
globalThis.window ??= globalThis;
const { default: createBiorhythm } = await import(pathToFileURL(path.join(site, 'biorhythm.js')));
const wasmBinary = fs.readFileSync(path.join(site, 'biorhythm.wasm'));
// What depends on the day (today's date in its boxes) is left out: the
// program fills it in once it runs.
const [one, other] = [await firstCalls('2001-02-03T10:00:00'), await firstCalls('2012-11-24T10:00:00')];
if (one.length !== other.length) throw new Error(`${FIRST} is built differently on another day`);
const first = one.filter((call, i) => call === other[i]).map((call) => JSON.parse(call));

// As the text of a script element: nothing in it may close the element.
const json = JSON.stringify(first).replace(/</g, '\\u003c');
const html = fs.readFileSync(template, 'utf8');
if (!html.includes(PLACE)) throw new Error(`${template} has no ${PLACE}`);
fs.writeFileSync(output, html.replace(PLACE, PLACE.replace('><', `>${json}<`)));
process.exit(0);
