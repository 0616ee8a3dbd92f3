// Two tabs of the page registering at once through aisyou's 登録: the Web
// Lock orders their commands, so that the register keeps all four persons,
// and each tab sees the other's at its next command. The commands are made
// to overlap: tab one's 登録 waits in its "保存しました。" between its two
// persons while tab two's begins.

import assert from 'node:assert/strict';
import { test } from 'node:test';
import { control, servedToOneBrowser, settle } from './harness.mjs';

const shared = servedToOneBrowser();

async function fillPersons(page, first, second) {
  await control(page, 'baio.Command2').click();
  await settle(page);
  await control(page, 'menyu.Command4').click();
  await settle(page);
  for (const [person, name, era, year] of [
    ['Text7', first, 'Option3', 'Text1'], ['Text8', second, 'Option7', 'Text11'],
  ]) {
    await control(page, `aisyou.${person}`).fill(name);
    await control(page, `aisyou.${era}`).check();
    await control(page, `aisyou.${year}`).fill('40');
  }
}

test('two tabs registering at once keep every person', async () => {
  const one = await shared.chromium.page(shared.site.url);
  const two = await shared.chromium.page(shared.site.url);
  await fillPersons(one, '青木', '井上');
  await fillPersons(two, '上田', '江藤');
  await control(one, 'aisyou.Command2').click();
  await one.waitForSelector('dialog[data-dialog="message"][open]');
  await control(two, 'aisyou.Command2').click();
  // Tab two waits for the register's lock; without it, it would run on to
  // its own dialog with tab one's second person not yet written.
  await two.waitForFunction(async () => document.querySelector('dialog[open]')
    || (await navigator.locks.query()).pending.length > 0);
  await settle(one);
  await settle(two);

  // The register as the next command of either tab reads it: menyu's 読出 lists it.
  for (const page of [one, two]) {
    await control(page, 'aisyou.Command3').click();
    await settle(page);
    await control(page, 'menyu.Command5').click();
    await settle(page);
    const shown = (await page.locator('[data-screen="hyouji"] input[type="text"]').evaluateAll(
      (boxes) => boxes.map((box) => box.value))).join(' ');
    for (const name of ['青木', '井上', '上田', '江藤']) assert.match(shown, new RegExp(name));
    await page.keyboard.press('Escape');
    await settle(page);
  }
});
