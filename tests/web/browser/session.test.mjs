// The keyboard session of the desktop tests (tests/wine/keyboard_session.script)
// run in the page by keys alone: on each screen the script names, every
// control's name in Chromium's accessibility tree and axe-core's findings;
// the report printed to PDF; after a reload the last person and the whole
// register, taken back by the page's backup byte for byte as the driver
// writes them; and a restore that refuses what is not a register.

import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { axeSource, browser, control, driver, ready, serve, settle } from './harness.mjs';

const script = path.join(process.env.BIO_SOURCE_DIR, 'tests/wine/keyboard_session.script');
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'bio-session-'));
let site;
let chromium;
let page;

before(async () => {
  site = await serve();
  chromium = await browser();
  // The print dialog is the browser's, which a headless Chromium keeps open
  // for good: counted instead, and the page printed as a person's dialog
  // would, with Page.printToPDF.
  await chromium.context.addInitScript(() => {
    window.printed = 0;
    window.print = () => { window.printed += 1; };
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
async function names(cdp, screen, controls) {
  const lines = [];
  for (const name of controls) {
    const found = await spoken(cdp, `[data-control="${name}"]`);
    // The printer dialog is the browser's own, with nothing on the page.
    lines.push(`${name} name ${quoted(found?.name ?? '')}`);
  }
  const { violations } = await page.evaluate(() => window.axe.run(document));
  assert.deepEqual(violations.map((v) => `${screen}: ${v.id} ${v.nodes.map((n) => n.target).join(' ')}`), []);
  return lines;
}

// A command by its key when the screen has one for it, else the focus put
// on it and Enter.
async function click(name) {
  const target = control(page, name);
  const key = await target.getAttribute('aria-keyshortcuts');
  if (key) {
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
  const cdp = await page.context().newCDPSession(page);
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
        await control(page, target).focus();
        await page.keyboard.press('Control+A');
        await page.keyboard.insertText(JSON.parse(rest.join(' ')));
        break;
      case 'select':
        await control(page, target).focus();
        await page.keyboard.press('Space');
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

  // The program ended: a reload starts it again on what the browser kept.
  await page.reload();
  await ready(page);
  assert.equal(await control(page, 'baio.Text7').inputValue(), '山田');
  const files = await backup();
  assert.deepEqual(Object.keys(files).sort(), ['kojinfl.txt', 'kojinfl2.txt']);
  for (const [name, bytes] of Object.entries(files)) {
    assert.ok(bytes.equals(fs.readFileSync(path.join(reference.dir, name))), `${name} differs from the driver's`);
  }
  await refusesWhatIsNoRegister(files);
});

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
