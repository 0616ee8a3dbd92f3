// Lighthouse in its mobile mode (a mid-range phone on a slow 4G network,
// both simulated) on the page served on loopback in Debian's Chromium, once
// with gzip, as every host compresses, and once with brotli, as many do:
// the performance and accessibility scores, Largest Contentful Paint and
// Total Blocking Time of the median of three runs, and what Lighthouse
// finds to mend in it.

import { execFile } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { promisify } from 'node:util';
import { serve } from '../../tests/web/browser/harness.mjs';

const RUNS = 3;
const score = (report, category) => Math.round(report.categories[category].score * 100);

// The reports of RUNS runs on the site served with `encoding`, the median
// first by performance.
async function measure(encoding) {
  const site = await serve(process.env.BIO_SITE, { encoding });
  const work = fs.mkdtempSync(path.join(os.tmpdir(), 'bio-lighthouse-'));
  const reports = [];
  try {
    for (let run = 0; run < RUNS; run += 1) {
      const output = path.join(work, `${run}.json`);
      // Run aside: this process serves the site meanwhile.
      await promisify(execFile)(process.env.BIO_LIGHTHOUSE, [site.url, '--quiet', '--output=json',
        `--output-path=${output}`, '--only-categories=performance,accessibility',
        '--chrome-flags=--headless=new --no-sandbox --disable-gpu'],
      { env: { ...process.env, CHROME_PATH: '/usr/bin/chromium' } });
      reports.push(JSON.parse(fs.readFileSync(output, 'utf8')));
    }
  } finally {
    site.close();
    fs.rmSync(work, { recursive: true, force: true });
  }
  return reports.sort((a, b) => score(a, 'performance') - score(b, 'performance'));
}

for (const encoding of ['gzip', 'br']) {
  const reports = await measure(encoding);
  const median = reports[Math.floor(RUNS / 2)];
  const ms = (id) => median.audits[id].numericValue.toFixed(0);
  console.log(`Lighthouse ${median.lighthouseVersion}, mobile, served with ${encoding}, median of ${RUNS}`
    + ` (performance ${reports.map((r) => score(r, 'performance')).join(', ')}):`);
  console.log(`  performance ${score(median, 'performance')} (aim: 95), accessibility `
    + `${score(median, 'accessibility')} (aim: 100)`);
  console.log(`  Largest Contentful Paint ${ms('largest-contentful-paint')} ms (aim: 1800), `
    + `Total Blocking Time ${ms('total-blocking-time')} ms (aim: 100), `
    + `First Contentful Paint ${ms('first-contentful-paint')} ms`);
  const flagged = Object.values(median.audits).filter((audit) => audit.score !== null
    && audit.score < 0.9 && ['binary', 'numeric', 'metricSavings'].includes(audit.scoreDisplayMode));
  for (const audit of flagged) console.log(`  to mend: ${audit.id} ${audit.displayValue ?? ''}`);
}
