// docs/web/sindan.png: the page after a reading, as Debian's Chromium shows it.
import { browser, control, serve, settle } from '../../tests/web/browser/harness.mjs';

const site = await serve();
const chromium = await browser();
const page = await chromium.page(site.url);
await control(page, 'baio.Text7').fill('山田');
await control(page, 'baio.Option3').check();
for (const [box, text] of [['Text1', '50'], ['Text2', '5'], ['Text3', '5']]) await control(page, `baio.${box}`).fill(text);
await control(page, 'baio.Text3').press('Enter');
await settle(page);
await page.screenshot({ path: process.argv[2] });
await chromium.close();
site.close();
