// The page as an installed app: baio drawn on a first visit before the
// .wasm has arrived, inert until the program replaces it with its own;
// Chromium finds it installable once its service worker runs; after one visit it opens and reads with the network
// gone; a changed build is taken whole at the next start, never mixed with
// the one before; and on an iPhone the home-screen notice shows until closed.

import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, test } from 'node:test';
import { axeSource, control, ready, serve, servedToOneBrowser } from './harness.mjs';

const IPHONE = 'Mozilla/5.0 (iPhone; CPU iPhone OS 18_5 like Mac OS X) AppleWebKit/605.1.15 '
  + '(KHTML, like Gecko) Version/18.5 Mobile/15E148 Safari/604.1';
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'bio-app-'));
const shared = servedToOneBrowser();
after(() => fs.rmSync(work, { recursive: true, force: true }));

// The page's worker once it is active, with the names of its caches and
// how many entries the newest one holds.
const activeWorker = (page) => page.evaluate(async () => {
  const registration = await navigator.serviceWorker.ready;
  const worker = registration.active;
  if (worker.state !== 'activated') {
    await new Promise((resolve) => { worker.onstatechange = () => worker.state === 'activated' && resolve(); });
  }
  const names = await caches.keys();
  const entries = await (await caches.open(names.at(-1))).keys();
  return { names, entries: entries.length };
});

// A reading of the person baio shows, by Enter in the day's box.
async function reads(page) {
  await control(page, 'baio.Text3').focus();
  await page.keyboard.press('Enter');
  await page.waitForSelector('[data-screen="sindan"]:not([hidden])');
  await ready(page);
}

// Before its service worker, whose fetches page.route would not see.
test('baio drawn before the program arrives, and replaced by its own', async () => {
  const page = await shared.chromium.context.newPage();
  page.on('pageerror', (error) => { throw error; });
  let letGo;
  const arrived = new Promise((resolve) => { letGo = resolve; });
  await page.route('**/biorhythm.wasm', async (route) => {
    await arrived;
    await route.continue();
  });
  await page.goto(shared.site.url, { waitUntil: 'domcontentloaded' });
  const baio = page.locator('[data-screen="baio"]');
  await baio.waitFor();
  const drawn = (section) => ({
    inert: section.inert,
    busy: section.getAttribute('aria-busy'),
    html: section.innerHTML,
    focused: section.contains(document.activeElement),
  });
  const early = await baio.evaluate(drawn);
  assert.equal(early.inert, true, 'nothing typed before the program runs');
  assert.equal(early.busy, 'true');
  assert.equal(early.focused, false);
  assert.equal(await page.locator('body[data-ready]').count(), 0);
  assert.equal(await control(page, 'baio.Frame1').locator('legend').innerText(), '生年月日入力');
  assert.equal(await control(page, 'baio.Label1').innerText(), '年');
  assert.equal(await control(page, 'baio.Text4').inputValue(), '', 'no date of the build for today');
  // The page's own menu waits for the program (its data is not read yet).
  await page.locator('#backup').click();
  assert.equal(await page.locator('body[data-busy]').count(), 0);

  letGo();
  await ready(page);
  assert.equal(await baio.count(), 1, 'the drawn baio is gone');
  const live = await baio.evaluate(drawn);
  assert.deepEqual(live, { ...early, inert: false, busy: null, focused: true });
  assert.equal(await control(page, 'baio.Text4').inputValue(), String(new Date().getFullYear()));
  await page.close();
});

test('installable, and after one visit a reading without the network', async () => {
  const page = await shared.chromium.page(shared.site.url);
  const worker = await activeWorker(page);
  assert.equal(worker.names.length, 1);
  assert.equal(worker.entries, fs.readdirSync(process.env.BIO_SITE).length, 'every file but sw.js, and ./');

  const cdp = await page.context().newCDPSession(page);
  assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);
  const manifest = JSON.parse(fs.readFileSync(path.join(process.env.BIO_SITE, 'manifest.webmanifest'), 'utf8'));
  for (const icon of manifest.icons) {
    const png = fs.readFileSync(path.join(process.env.BIO_SITE, icon.src));
    assert.equal(`${png.readUInt32BE(16)}x${png.readUInt32BE(20)}`, icon.sizes, icon.src);
  }
  assert.equal(await page.locator('.home-screen-hint').count(), 0, 'no notice on a desktop');

  for (const [box, text] of [['Text7', '山田'], ['Text1', '38'], ['Text2', '5'], ['Text3', '10']]) {
    await control(page, `baio.${box}`).fill(text);
  }
  await control(page, 'baio.Option3').check();
  await reads(page);

  await page.context().setOffline(true);
  try {
    await page.reload();
    await ready(page);
    assert.equal(await page.locator('[data-screen="baio"]').isVisible(), true);
    assert.equal(await control(page, 'baio.Text7').inputValue(), '山田');
    await reads(page);
    assert.match(await page.locator('[data-screen="sindan"]').innerText(), /山田さんのバイオリズム診断をします。/);
  } finally {
    await page.context().setOffline(false);
    await page.close();
  }
});

test('a changed build is taken whole at the next start', async () => {
  const copy = path.join(work, 'site');
  fs.cpSync(process.env.BIO_SITE, copy, { recursive: true });
  const served = await serve(copy);
  try {
    // What a page shows of the two changed files: the page's mark and the
    // style sheet's, as its worker serves them.
    const marks = (page) => page.evaluate(async () => [
      document.querySelector('meta[name="build"]')?.content ?? 'old',
      (await (await fetch('page.css')).text()).includes('/* new build */') ? 'new' : 'old']);
    const old = await shared.chromium.page(served.url);
    await activeWorker(old);
    await old.reload();  // the page of a second visit, which the worker serves
    await ready(old);

    fs.appendFileSync(path.join(copy, 'page.css'), '/* new build */\n');
    const index = path.join(copy, 'index.html');
    fs.writeFileSync(index, fs.readFileSync(index, 'utf8').replace('<head>', '<head>\n<meta name="build" content="new">'));
    const source = path.join(process.env.BIO_SOURCE_DIR, 'src/web');
    execFileSync('cmake', [`-DSITE=${copy}`, `-DTEMPLATE=${source}/service_worker.js.in`,
      '-P', `${source}/service_worker.cmake`]);
    const version = fs.readFileSync(path.join(copy, 'sw.js'), 'utf8').match(/'(biorhythm-[0-9a-f]+)'/)[1];

    // Found and installed while the old page is open, the new version waits:
    // what the old page still loads is the old build's.
    await old.evaluate(async () => {
      const registration = await navigator.serviceWorker.getRegistration();
      await registration.update();
      const worker = registration.installing ?? registration.waiting;
      if (worker.state !== 'installed') {
        await new Promise((resolve) => { worker.onstatechange = () => worker.state === 'installed' && resolve(); });
      }
    });
    assert.deepEqual(await marks(old), ['old', 'old']);

    // The next start comes once the old page is gone and the new version
    // has taken over, which the browser tells of each version of the site.
    const next = await shared.chromium.context.newPage();
    const cdp = await shared.chromium.context.newCDPSession(next);
    const statuses = new Map();
    let changed = () => {};
    cdp.on('ServiceWorker.workerVersionUpdated', ({ versions }) => {
      for (const v of versions) if (v.scriptURL.startsWith(served.url)) statuses.set(v.versionId, v.status);
      changed();
    });
    await cdp.send('ServiceWorker.enable');
    // The first true answer of `check`, asked again at each change.
    const until = (check, failure) => new Promise((resolve, reject) => {
      const timer = setTimeout(() => reject(new Error(failure())), 20000);
      changed = () => {
        const answer = check();
        if (!answer) return;
        clearTimeout(timer);
        resolve(answer);
      };
      changed();
    });
    const waiting = await until(() => [...statuses].find(([, status]) => status === 'installed')?.[0],
      () => `no version waits: ${JSON.stringify([...statuses])}`);
    await old.close();
    await until(() => statuses.get(waiting) === 'activated', () => `the new version stayed ${statuses.get(waiting)}`);
    const fromNetwork = [];
    next.on('response', (response) => { if (!response.fromServiceWorker()) fromNetwork.push(response.url()); });
    await next.goto(served.url);
    await ready(next);
    assert.deepEqual(await marks(next), ['new', 'new']);
    assert.deepEqual(fromNetwork, [], 'every file from the new version\'s cache');
    assert.deepEqual((await activeWorker(next)).names, [version]);
    await next.close();
  } finally {
    served.close();
  }
});

// A page of an iPhone's Safari, or of the app it put on the home screen.
async function iPhonePage(installed) {
  const page = await shared.chromium.context.newPage();
  const cdp = await shared.chromium.context.newCDPSession(page);
  await cdp.send('Emulation.setUserAgentOverride', { userAgent: IPHONE, platform: 'iPhone' });
  if (installed) await page.addInitScript(() => { navigator.standalone = true; });
  await page.goto(shared.site.url);
  await ready(page);
  return page;
}

test('on an iPhone, the home-screen notice until it is closed', async () => {
  const app = await iPhonePage(true);
  assert.equal(await app.locator('.home-screen-hint').count(), 0, 'none in the installed app');
  await app.close();

  const page = await iPhonePage(false);
  const hint = page.getByRole('complementary', { name: 'ホーム画面に追加' });
  assert.match(await hint.innerText(), /共有 → ホーム画面に追加/);
  assert.equal(await hint.locator('[data-control]').count(), 0);
  await page.addScriptTag({ content: axeSource });
  const { violations } = await page.evaluate(() => window.axe.run(document));
  assert.deepEqual(violations.map((v) => v.id), []);

  await page.reload();
  await ready(page);
  await hint.getByRole('button', { name: '閉じる' }).click();
  assert.equal(await hint.count(), 0);
  await page.reload();
  await ready(page);
  assert.equal(await page.locator('.home-screen-hint').count(), 0, 'never again once closed');
  await page.close();
});
