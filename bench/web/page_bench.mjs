// The page's first visit: every file it loads (raw, gzip and brotli), the
// time from navigation to a usable baio, and from Enter to the drawn sindan,
// each the median of five fresh visits in Debian's Chromium.

import zlib from 'node:zlib';
import { browser, control, serve } from '../../tests/web/browser/harness.mjs';

const site = await serve();
const chromium = await browser();
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
const loads = [];
const readings = [];
let files = new Map();
for (let visit = 0; visit < 5; visit += 1) {
  const page = await chromium.context.newPage();
  const seen = new Map();
  page.on('response', async (response) => {
    const body = await response.body().catch(() => null);
    if (body) seen.set(new URL(response.url()).pathname, body);
  });
  const cdp = await chromium.context.newCDPSession(page);
  // Every visit a first one: neither the HTTP cache nor the service worker's.
  await cdp.send('Network.setCacheDisabled', { cacheDisabled: true });
  await cdp.send('Network.setBypassServiceWorker', { bypass: true });
  const started = performance.now();
  await page.goto(site.url);
  await page.waitForSelector('body[data-ready]:not([data-busy])');
  loads.push(performance.now() - started);
  await control(page, 'baio.Text7').fill('山田');
  await control(page, 'baio.Option3').check();
  for (const [box, text] of [['Text1', '50'], ['Text2', '5'], ['Text3', '5']]) await control(page, `baio.${box}`).fill(text);
  readings.push(await page.evaluate(() => new Promise((resolve) => {
    const box = document.querySelector('[data-control="baio.Text3"]');
    const started = performance.now();
    new MutationObserver((changes, observer) => {
      if (document.querySelector('[data-screen="sindan"]:not([hidden]) svg line')
        && !document.body.hasAttribute('data-busy')) {
        observer.disconnect();
        requestAnimationFrame(() => resolve(performance.now() - started));
      }
    }).observe(document.body, { subtree: true, childList: true, attributes: true });
    box.dispatchEvent(new KeyboardEvent('keydown', { key: 'Enter', bubbles: true }));
  })));
  files = seen;
  await page.close();
}
await chromium.close();
site.close();

let raw = 0; let gzip = 0; let brotli = 0;
console.log('file                         raw      gzip    brotli');
for (const [name, body] of [...files].sort()) {
  const sizes = [body.length, zlib.gzipSync(body, { level: 9 }).length, zlib.brotliCompressSync(body).length];
  [raw, gzip, brotli] = [raw + sizes[0], gzip + sizes[1], brotli + sizes[2]];
  console.log(`${name.padEnd(24)} ${sizes.map((s) => String(s).padStart(9)).join(' ')}`);
}
console.log(`${'first visit'.padEnd(24)} ${[raw, gzip, brotli].map((s) => String(s).padStart(9)).join(' ')}`);
console.log(`navigation to a usable baio: ${median(loads).toFixed(0)} ms (median of ${loads.length})`);
console.log(`Enter to the drawn sindan: ${median(readings).toFixed(1)} ms (median of ${readings.length})`);
