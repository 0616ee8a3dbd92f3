// What the page's tests share: the site served on loopback, Debian's
// Chromium started once per test file with a profile of its own and the
// page's clock fixed, the native script driver's answers for comparison,
// and the page driven as a person would, by keyboard.

import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import { createRequire } from 'node:module';
import os from 'node:os';
import path from 'node:path';
import { after, before } from 'node:test';
import zlib from 'node:zlib';

const env = (name) => {
  if (!process.env[name]) throw new Error(`${name} is not set`);
  return process.env[name];
};
// The packages the bootstrap installed from package-lock.json.
const require = createRequire(path.resolve(env('BIO_NODE_MODULES'), 'package.json'));
const { chromium } = require('playwright-core');
export const axeSource = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');

export const TODAY = '2026-12-09';

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.json': 'application/json', '.webmanifest': 'application/manifest+json',
  '.png': 'image/png', '.svg': 'image/svg+xml',
};

// The site as a static server serves it, on a free loopback port; with an
// `encoding` ('gzip' or 'br'), compressed as hosts compress what they serve.
const COMPRESS = { gzip: zlib.gzipSync, br: zlib.brotliCompressSync };
export async function serve(site = env('BIO_SITE'), { encoding = null } = {}) {
  const compressed = new Map();
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = path.join(site, name.endsWith('/') ? `${name}index.html` : name);
    if (!file.startsWith(site) || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
      response.writeHead(404).end();
      return;
    }
    const headers = { 'Content-Type': TYPES[path.extname(file)] ?? 'application/octet-stream' };
    if (encoding && request.headers['accept-encoding']?.split(/,\s*/).includes(encoding)) {
      const key = `${file} ${fs.statSync(file).mtimeMs}`;
      if (!compressed.has(key)) compressed.set(key, COMPRESS[encoding](fs.readFileSync(file)));
      response.writeHead(200, { ...headers, 'Content-Encoding': encoding }).end(compressed.get(key));
      return;
    }
    response.writeHead(200, headers);
    fs.createReadStream(file).pipe(response);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { url: `http://127.0.0.1:${server.address().port}/`, close: () => server.close() };
}

// Chromium as the machine has it, headless, with a new profile; every page
// of it sees the same fixed day. BIO_VIEWPORT chooses the window: a
// computer's (wide), a phone's (phone) or the narrowest a page must fit
// (narrow, 320 px), both of these touch screens.
const MOBILE = 'Mozilla/5.0 (Linux; Android 14; Pixel 8) AppleWebKit/537.36 (KHTML, like Gecko) '
  + 'Chrome/156.0.0.0 Mobile Safari/537.36';
const VIEWPORTS = {
  wide: { viewport: { width: 1280, height: 800 } },
  phone: {
    viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, hasTouch: true, isMobile: true, userAgent: MOBILE,
  },
  narrow: {
    viewport: { width: 320, height: 640 }, deviceScaleFactor: 2, hasTouch: true, isMobile: true, userAgent: MOBILE,
  },
};
export const viewport = process.env.BIO_VIEWPORT ?? 'wide';
if (!VIEWPORTS[viewport]) throw new Error(`no viewport ${viewport}`);
// Whether the page is used by touch rather than by keyboard and mouse.
export const byTouch = !!VIEWPORTS[viewport].hasTouch;

export async function browser() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'bio-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium',
    headless: true,
    acceptDownloads: true,
    ...VIEWPORTS[viewport],
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  return {
    context,
    async page(url) {
      const page = await context.newPage();
      await page.clock.setFixedTime(new Date(`${TODAY}T10:00:00`));
      page.on('pageerror', (error) => { throw error; });
      if (process.env.BIO_TRACE) page.on('console', (message) => console.log(message.text()));
      await page.goto(url);
      await ready(page);
      return page;
    },
    async close() {
      await context.close();
      fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}

// The site served and one Chromium for a whole test file: `site` and
// `chromium` of the object returned, from the first test to the last.
export function servedToOneBrowser() {
  const shared = { site: null, chromium: null };
  before(async () => {
    shared.site = await serve();
    shared.chromium = await browser();
  });
  after(async () => {
    await shared.chromium?.close();
    shared.site?.close();
  });
  return shared;
}

export const ready = (page) => page.waitForSelector('body[data-ready]:not([data-busy])');

// The native driver run on SCRIPT in a fresh folder (or DIR): its output and folder.
export function driver(script, today = TODAY, dir = fs.mkdtempSync(path.join(os.tmpdir(), 'bio-driver-'))) {
  const run = spawnSync(env('BIO_REFERENCE_DRIVER'), ['--dir', dir, '--today', today, script],
    { cwd: dir, encoding: 'utf8' });
  if (run.status !== 0) throw new Error(`the driver failed: ${run.stderr}`);
  return { output: run.stdout, dir };
}

export const control = (page, name) => page.locator(`[data-control="${name}"]`);

// Answers the dialogs a command opens as a person would, until the command
// is done: a message box with OK (Enter, or a tap on a touch screen), an
// input box with `inputs` typed (or its default text) and OK. Each answered
// dialog is reported as [kind, text].
export async function settle(page, inputs = [], answered = []) {
  for (;;) {
    const open = page.locator('dialog[open]');
    await page.waitForFunction(() => document.querySelector('dialog[open]')
      || !document.body.hasAttribute('data-busy'));
    if (await open.count() === 0) return answered;
    const kind = await open.getAttribute('data-dialog');
    answered.push([kind, await open.locator('.dialog-text').innerText()]);
    if (kind === 'input' && inputs.length) {
      await page.keyboard.press('Control+A');
      await page.keyboard.insertText(inputs.shift());
    }
    // This dialog closed, not the next one a command may open at once.
    const dialog = await open.elementHandle();
    if (byTouch) await open.locator('button[value="ok"]').tap();
    else await page.keyboard.press('Enter');
    await page.waitForFunction((box) => !box.isConnected, dialog);
  }
}
