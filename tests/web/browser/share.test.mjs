// "共有" on sindan: the share sheet (a stand-in for navigator.share that
// keeps what it is handed) gets the reading as the screen shows it and a
// PNG of the graph drawn from its display list; where a browser cannot
// share files, the PNG is downloaded and the text copied, and the page
// says so. Nothing goes into the page's address.

import assert from 'node:assert/strict';
import fs from 'node:fs';
import { after, before, test } from 'node:test';
import { browser, control, serve, settle } from './harness.mjs';

let site;
let chromium;
let page;

before(async () => {
  site = await serve();
  chromium = await browser();
  await chromium.context.grantPermissions(['clipboard-read', 'clipboard-write']);
  await chromium.context.addInitScript(() => {
    window.shared = [];
    window.canShareFiles = true;
    navigator.canShare = (data) => window.canShareFiles || !data.files;
    navigator.share = async (data) => {
      const files = await Promise.all(data.files.map(async (file) => ({
        name: file.name, type: file.type, bytes: [...new Uint8Array(await file.arrayBuffer())],
      })));
      window.shared.push({ ...data, files });
    };
  });
  page = await chromium.page(site.url);
});

after(async () => {
  await chromium?.close();
  site?.close();
});

// How many pixels of the PNG are not white, as the browser decodes it.
const inked = (bytes) => page.evaluate(async (data) => {
  const image = await createImageBitmap(new Blob([new Uint8Array(data)], { type: 'image/png' }));
  const canvas = new OffscreenCanvas(image.width, image.height);
  const pen = canvas.getContext('2d');
  pen.drawImage(image, 0, 0);
  const { data: pixels } = pen.getImageData(0, 0, image.width, image.height);
  let count = 0;
  for (let i = 0; i < pixels.length; i += 4) if (pixels[i] + pixels[i + 1] + pixels[i + 2] < 600) count += 1;
  return count;
}, [...bytes]);

test('共有 hands over the reading and its graph', async () => {
  for (const [box, text] of [['Text7', '山田'], ['Text1', '50'], ['Text2', '5'], ['Text3', '5']]) {
    await control(page, `baio.${box}`).fill(text);
  }
  await control(page, 'baio.Option3').check();
  await control(page, 'baio.Text3').press('Enter');
  await settle(page);
  const share = page.locator('[data-screen="sindan"] button[data-action="share"]');
  assert.equal(await share.getAttribute('data-control'), null, 'not one of the screen\'s controls');
  assert.equal(await share.getAttribute('aria-label'), '診断とグラフを共有');
  const reading = (await control(page, 'sindan.List1').locator('li').allTextContents()).join('\n');
  assert.match(reading, /山田さんのバイオリズム診断をします/);

  await share.click();
  await page.waitForFunction(() => window.shared.length === 1);
  const [sent] = await page.evaluate(() => window.shared);
  assert.equal(sent.text, reading);
  assert.equal(sent.url, undefined);
  assert.equal(sent.files.length, 1);
  const [file] = sent.files;
  assert.deepEqual([file.name, file.type], ['バイオリズムグラフ.png', 'image/png']);
  const png = Buffer.from(file.bytes);
  assert.equal(png.subarray(1, 4).toString(), 'PNG');
  // Twice the graph's pixels within its edge, and drawn on: curves and labels.
  const box = await control(page, 'sindan.Picture1').boundingBox();
  assert.deepEqual([png.readUInt32BE(16), png.readUInt32BE(20)], [2 * (box.width - 4), 2 * (box.height - 4)]);
  assert.ok(await inked(png) > 5000, 'the shared graph is blank');

  // Without file sharing: the same PNG downloaded, the text on the clipboard.
  await page.evaluate(() => { window.canShareFiles = false; });
  const downloaded = page.waitForEvent('download');
  await share.click();
  const download = await downloaded;
  assert.equal(download.suggestedFilename(), 'バイオリズムグラフ.png');
  assert.ok(fs.readFileSync(await download.path()).equals(png));
  const [[kind, message]] = await settle(page);
  assert.equal(kind, 'message');
  assert.match(message, /ダウンロードし、診断の文章をクリップボードにコピーしました/);
  assert.equal(await page.evaluate(() => navigator.clipboard.readText()), reading);
  assert.equal(await page.evaluate(() => window.shared.length), 1);
  assert.equal(page.url(), site.url);
});
