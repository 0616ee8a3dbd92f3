// The keyboard session of the desktop tests (tests/wine/keyboard_session.script)
// run in the page by keys alone: on each screen the script names, every
// control's name in Chromium's accessibility tree and axe-core's findings;
// the report printed to PDF; after a reload the last person and the whole
// register, taken back by the page's backup byte for byte as the driver
// writes them; and a restore that refuses what is not a register.
// BIO_VIEWPORT runs it on a phone's screen (by taps, a swipe on the graph
// for the next month) or on one 320 px wide (by taps): every screen must
// then fit the width with targets for a finger; on a computer's, every
// control stands at its designed place. The calendar export, once the
// session is done, is read back as the native driver's.

import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import {
  axeSource, browser, byTouch, control, driver, ready, serve, settle, TODAY, viewport,
} from './harness.mjs';

const script = path.join(process.env.BIO_SOURCE_DIR, 'tests/wine/keyboard_session.script');
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'bio-session-'));
let site;
let chromium;
let page;
let cdp;

before(async () => {
  site = await serve();
  chromium = await browser();
  // The print dialog is the browser's, which a headless Chromium keeps open
  // for good: counted instead, and the page printed as a person's dialog
  // would, with Page.printToPDF.
  // The types the page gives its downloads, and how often it asks to keep
  // its data, are counted too.
  await chromium.context.addInitScript(() => {
    window.printed = 0;
    window.print = () => { window.printed += 1; };
    window.blobTypes = [];
    const createObjectURL = URL.createObjectURL;
    URL.createObjectURL = (blob) => {
      window.blobTypes.push(blob.type);
      return createObjectURL(blob);
    };
    window.persistAsked = 0;
    const persist = navigator.storage.persist.bind(navigator.storage);
    navigator.storage.persist = () => {
      window.persistAsked += 1;
      return persist();
    };
  });
  page = await chromium.page(site.url);
});

after(async () => {
  await chromium?.close();
  site?.close();
  fs.rmSync(work, { recursive: true, force: true });
});

const quoted = (text) => `"${text.replace(/\\/g, '\\\\').replace(/"/g, '\\"')
  .replace(/\t/g, '\\t').replace(/\n/g, '\\n')}"`;

// What a screen reader finds for an element: its node in Chromium's
// accessibility tree; a label, which has no name of its own there, is
// heard as the texts within it.
async function spoken(cdp, selector) {
  const { root } = await cdp.send('DOM.getDocument', { depth: 0 });
  const { nodeId } = await cdp.send('DOM.querySelector', { nodeId: root.nodeId, selector });
  if (!nodeId) return null;
  const { nodes } = await cdp.send('Accessibility.getPartialAXTree', { nodeId, fetchRelatives: false });
  const node = nodes[0];
  let name = node.name?.value ?? '';
  if (!name) {
    // The texts a reader reaches, without those hidden from it.
    const texts = async (id) => {
      const { nodes: children } = await cdp.send('Accessibility.getChildAXNodes', { id });
      let all = '';
      for (const child of children) {
        if (child.role?.value !== 'StaticText') all += await texts(child.nodeId);
        else if (!child.ignored) all += child.name.value;
      }
      return all;
    };
    name = await texts(node.nodeId);
  }
  return { name, description: node.description?.value ?? '' };
}

// The page's answer to `names S`: every control the driver names, in order.
// A menu folded on a narrow screen is opened first, as a reader would: on
// a phone's screen by keys, after Esc has shown that it folds it again.
async function names(cdp, screen, controls) {
  const toggle = page.locator('.screen:not([hidden]) .menu-toggle');
  if (await toggle.isVisible()) {
    if (viewport === 'phone') {
      await toggle.focus();
      await page.keyboard.press('Enter');
      assert.equal(await toggle.getAttribute('aria-expanded'), 'true');
      await page.keyboard.press('Escape');
      assert.equal(await toggle.getAttribute('aria-expanded'), 'false');
      assert.ok(await toggle.isVisible(), 'Esc on the open menu left the screen');
      await page.keyboard.press('Space');
    } else {
      await toggle.tap();
    }
    assert.equal(await toggle.getAttribute('aria-expanded'), 'true');
  }
  const lines = [];
  for (const name of controls) {
    const found = await spoken(cdp, `[data-control="${name}"]`);
    // The printer dialog is the browser's own, with nothing on the page.
    lines.push(`${name} name ${quoted(found?.name ?? '')}`);
  }
  const { violations } = await page.evaluate(() => window.axe.run(document));
  assert.deepEqual(violations.map((v) => `${screen}: ${v.id} ${v.nodes.map((n) => n.target).join(' ')}`), []);
  if (viewport === 'wide') assert.deepEqual(await misplaced(), [], screen);
  else assert.deepEqual(await unfitForTouch(), [], screen);
  return lines;
}

// The controls of the screen shown that do not stand where the program
// placed them, within their frame or the client area.
function misplaced() {
  return page.evaluate(() => {
    const found = [];
    for (const element of document.querySelectorAll('.screen:not([hidden]) .client .control')) {
      const container = element.parentElement.closest('fieldset.control, .client');
      const [box, outer] = [element, container].map((e) => e.getBoundingClientRect());
      const { left, top, width, height } = element.style;
      const at = [box.left - outer.left, box.top - outer.top, box.width, box.height].map(Math.round);
      const designed = [left, top, width, height].map((value) => parseInt(value, 10));
      const name = element.dataset.control ?? element.querySelector('[data-control]')?.dataset.control;
      if (at.join() !== designed.join()) found.push(`${name} at ${at} instead of ${designed}`);
    }
    return found;
  });
}

// What keeps the screen shown from a finger: a page wider than the window,
// a target (button, text box, option with its label) under 44 px square,
// a text box's font under 16 px, which a phone zooms into.
function unfitForTouch() {
  return page.evaluate(() => {
    const found = [];
    const root = document.scrollingElement;
    if (root.scrollWidth > root.clientWidth) found.push(`${root.scrollWidth} px wide in ${root.clientWidth}`);
    for (const target of document.querySelectorAll('button, input[type="text"], label.option')) {
      if (!target.checkVisibility()) continue;
      const name = target.dataset.control ?? target.querySelector('[data-control]')?.dataset.control
        ?? target.textContent;
      const { width, height } = target.getBoundingClientRect();
      if (width < 44 || height < 44) found.push(`${name}: ${Math.round(width)}×${Math.round(height)}`);
      const font = parseFloat(getComputedStyle(target).fontSize);
      if (target.matches('input') && font < 16) found.push(`${name}: font ${font} px`);
    }
    return found;
  });
}

// A sideways swipe over the graph of the screen shown, from right to left
// for the next month.
async function swipe(forward) {
  const box = await page.locator('.screen:not([hidden]) .picture').boundingBox();
  const y = box.y + box.height / 2;
  const [from, to] = forward ? [0.8, 0.2] : [0.2, 0.8];
  const touch = (type, x) => cdp.send('Input.dispatchTouchEvent', {
    type, touchPoints: type === 'touchEnd' ? [] : [{ x: box.x + box.width * x, y }],
  });
  await touch('touchStart', from);
  for (const step of [0.25, 0.5, 0.75, 1]) await touch('touchMove', from + (to - from) * step);
  await touch('touchEnd');
  await settle(page);
  // Chromium takes the first tap after an emulated swipe as the end of its
  // fling and clicks nothing: that tap goes to the screen's title.
  await page.locator('.screen:not([hidden]) .title').tap();
}

// A command by its key when the screen has one for it, else the focus put
// on it and Enter. On a touch screen: a tap, on the menu button first when
// the command is folded behind it; on a phone's, the month by a swipe.
async function click(name) {
  const target = control(page, name);
  const key = await target.getAttribute('aria-keyshortcuts');
  if (byTouch) {
    if (viewport === 'phone' && /^Page(Up|Down)$/.test(key)) {
      await swipe(key === 'PageDown');
      return;
    }
    if (!await target.isVisible()) await page.locator('.screen:not([hidden]) .menu-toggle').tap();
    await target.tap();
  } else if (key) {
    await page.keyboard.press(key);
  } else {
    await target.focus();
    await page.keyboard.press('Enter');
  }
}

test('the keyboard session', async () => {
  const reference = driver(script);
  const expected = reference.output.split('\n').filter((line) => / (name|description) "/.test(line));
  const heard = [];
  const inputs = [];
  // The other screens are built while the page is idle, none of them shown:
  // the session then runs on windows built ahead of their screens.
  await page.waitForFunction(() => document.querySelectorAll('[data-screen]').length === 8);
  assert.deepEqual(await page.locator('[data-screen]').evaluateAll(
    (screens) => screens.filter((s) => s.checkVisibility()).map((s) => s.dataset.screen)), ['baio']);
  cdp = await page.context().newCDPSession(page);
  await cdp.send('Accessibility.enable');
  await page.addScriptTag({ content: axeSource });
  for (const line of fs.readFileSync(script, 'utf8').split('\n')) {
    if (!line.trim() || line.startsWith('#')) continue;
    if (process.env.BIO_TRACE) console.log(line);
    const [verb, target, ...rest] = line.trim().split(' ');
    switch (verb) {
      case 'names': {
        const listed = expected.filter((l) => l.startsWith(`${target}.`) && l.includes(' name '))
          .map((l) => l.split(' ')[0]);
        heard.push(...await names(cdp, target, [...new Set(listed)]));
        break;
      }
      case 'describe': {
        const found = await spoken(cdp, `[data-control="${target}"]`);
        heard.push(`${target} name ${quoted(found.name)}`, `${target} description ${quoted(found.description)}`);
        break;
      }
      case 'set':
        if (byTouch) await control(page, target).tap();
        else await control(page, target).focus();
        await page.keyboard.press('Control+A');
        await page.keyboard.insertText(JSON.parse(rest.join(' ')));
        break;
      case 'select':
        if (byTouch) {
          await control(page, target).tap();
        } else {
          await control(page, target).focus();
          await page.keyboard.press('Space');
        }
        break;
      case 'enter':
        await page.keyboard.press('Enter');
        await settle(page, inputs);
        break;
      case 'click':
        await click(target);
        await settle(page, inputs);
        if (target === 'sindan.repoto') await checkReport();
        break;
      case 'input':
        inputs.push(JSON.parse([target, ...rest].join(' ')));
        break;
      default:
        break;
    }
  }
  // Chromium gives a description as one line: its line breaks as blanks.
  const flat = (line) => (line.includes(' description "') ? line.replaceAll('\\n', ' ') : line);
  assert.deepEqual(heard, expected.map(flat));
  assert.equal(await page.locator('#ended').isVisible(), true);
  // Asked once, after the first person registered, and answered on the page.
  assert.equal(await page.evaluate(() => window.persistAsked), 1);
  assert.match(await page.locator('#kept').innerText(), /保存し続けます|消されることがあります/);

  // The program ended: a reload starts it again on what the browser kept.
  await page.reload();
  await ready(page);
  assert.equal(await control(page, 'baio.Text7').inputValue(), '山田');
  const files = await backup();
  assert.deepEqual(Object.keys(files).sort(), ['kojinfl.txt', 'kojinfl2.txt']);
  for (const [name, bytes] of Object.entries(files)) {
    assert.ok(bytes.equals(fs.readFileSync(path.join(reference.dir, name))), `${name} differs from the driver's`);
  }
  await exportsTheCalendar();
  await refusesWhatIsNoRegister(files);
});

// The reading of the last person exported for one month: a calendar that a
// phone opens by its type, holding what the driver's export holds.
async function exportsTheCalendar() {
  const steps = ['enter baio', 'input "1"', 'file "calendar.ics"', 'click sindan.karenda'];
  const reference = driver(script);
  const exported = path.join(reference.dir, 'then.script');
  fs.writeFileSync(exported, `${steps.join('\n')}\n`);
  driver(exported, TODAY, reference.dir);
  if (byTouch) await control(page, 'baio.Command1').tap();
  else await control(page, 'baio.Text7').press('Enter');
  await settle(page);
  const downloaded = page.waitForEvent('download');
  await click('sindan.karenda');
  await settle(page, ['1']);
  const file = path.join(work, (await downloaded).suggestedFilename());
  await (await downloaded).saveAs(file);
  assert.equal(await page.evaluate(() => window.blobTypes.at(-1)), 'text/calendar;charset=utf-8');
  const events = (ics) => execFileSync('/usr/bin/python3',
    [path.join(process.env.BIO_SOURCE_DIR, 'tests/export/ics_events.py'), ics], { encoding: 'utf8' });
  assert.equal(events(file), events(path.join(reference.dir, 'calendar.ics')));
  await click('sindan.back');
  await settle(page);
}

// The report as the browser prints it: one A4 page that reads as the report.
async function checkReport() {
  assert.equal(await page.evaluate(() => window.printed), 1);
  const pdf = path.join(process.env.BIO_KEEP_REPORT ?? work, 'report.pdf');
  await page.pdf({ path: pdf, preferCSSPageSize: true });
  const info = execFileSync('pdfinfo', [pdf], { encoding: 'utf8' });
  assert.match(info, /^Pages:\s+1$/m);
  assert.match(info, /^Page size:\s+59[45]\.\d+ x 841\.\d+ pts \(A4\)/m);
  const text = execFileSync('pdftotext', ['-layout', pdf, '-'], { encoding: 'utf8' });
  assert.match(text, /山田さんのバイオリズム/);
}

// Both files as the page's backup downloads them.
async function backup() {
  const downloads = [];
  const taken = (download) => downloads.push(download);
  page.on('download', taken);
  await page.locator('#backup').click();
  await ready(page);
  for (let waited = 0; downloads.length < 2 && waited < 5000; waited += 50) await page.waitForTimeout(50);
  page.off('download', taken);
  const files = {};
  for (const download of downloads) files[download.suggestedFilename()] = fs.readFileSync(await download.path());
  return files;
}

// The page's restore with `files` chosen; what it then asks is answered OK.
async function restore(files) {
  await page.locator('#restore').click();
  const dialog = page.locator('dialog[data-dialog="file"]');
  await dialog.locator('input[type="file"]').setInputFiles(files);
  await dialog.locator('button[value="ok"]').click();
  const message = page.locator('dialog[data-dialog="message"]');
  const text = await message.locator('.dialog-text').innerText();
  await page.keyboard.press('Enter');
  return text;
}

async function refusesWhatIsNoRegister(files) {
  const broken = path.join(work, 'kojinfl2.txt');
  fs.writeFileSync(broken, Buffer.concat([files['kojinfl2.txt'], Buffer.from('x')]));
  assert.match(await restore([broken]), /登録簿ではありません.*何も変更していません/s);
  await ready(page);
  const kept = await backup();
  assert.ok(kept['kojinfl2.txt'].equals(files['kojinfl2.txt']), 'a refused restore changed the register');

  // A register of whole records, after the question, replaces the stored one.
  const other = path.join(work, 'kojinfl2.txt');
  fs.writeFileSync(other, files['kojinfl2.txt'].subarray(0, 42));
  const reloaded = page.waitForEvent('load');
  assert.match(await restore([other]), /置き換えます。よろしいですか/);
  await reloaded;
  await ready(page);
  const restored = await backup();
  assert.ok(restored['kojinfl2.txt'].equals(fs.readFileSync(other)), 'the restore did not replace the register');
  assert.ok(restored['kojinfl.txt'].equals(files['kojinfl.txt']), 'the restore changed what it was not given');
}
