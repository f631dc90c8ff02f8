// Benchmarks of the web page (not tests): one calculation in WebAssembly
// under Node through the page's JavaScript wrapper, the page's time to
// interactive in headless Chromium, and the size of what it loads.
//
//   cd web && node bench/bench.js     (after tools/web.sh)
// Targets: a calculation <= 10 us median; interactive <= 300 ms after the
// load starts; wasm + JavaScript <= 150 KB gzipped.
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';

import { launchBrowser, openPage, serveSite } from '../tests/browser_support.js';
import { loadEngine, siteFolder } from '../tests/support.js';

// One typical input per catalogue calculation: [row, X, Y, D, A, B, C, R, S] of the rows typed.
const ROWS = {
  '1.1': [['0', '0', '8'], ['3', '4', '8']],
  '1.2': [['0', '0', '8'], ['10', '0', '0', '', '', '', '5', '1']],
  '1.3': [['0', '0', '0', '', '', '', '10', '1'], ['30', '0', '0', '', '', '', '5', '1']],
  '2.1': [['1', '2', '3', '30'], ['4', '-1', '3', '120', '1']],
  '2.2': [['0', '0', '3', '30', '1'], ['5', '5', '0', '', '', '', '4', '1']],
  '2.3': [['0', '0', '0', '', '', '', '10', '1'], ['0.000', '0.000', '5', '', '', '0.001'], ['12', '0', '0', '', '', '', '10', '1']],
  '3.1': [['0', '0', '8'], ['0.000', '0.000', '5', '', '', '5'], ['8', '0', '0', '', '', '', '10', '1']],
  '3.2': [['0', '0', '8'], ['0.000', '0.000', '5', '', '', '-5'], ['20', '0', '0', '', '', '', '10', '1']],
  '3.3': [['0', '0', '3', '0', '0'], ['0.000', '0.000', '5', '', '', '5'], ['20', '0', '0', '', '', '', '10', '1']],
  '3.4': [['0', '0', '0', '', '', '', '10', '1'], ['0.000', '0.000', '5', '', '', '-5'], ['20', '0', '0', '', '', '', '10', '1']],
  '3.5': [['0', '0', '8'], ['1', '3', '8'], ['4', '2', '8']],
  '3.6': [['0', '0', '3', '0', '0'], ['10', '0', '3', '135', '0'], ['0', '0', '3', '225', '0']],
};
const boxesOf = (rows) =>
  [0, 1, 2].flatMap((row) => {
    const typed = rows[row] ?? ['0.000', '0.000', '99'];
    return Array.from({ length: 8 }, (_, column) => typed[column] ?? '');
  });

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

function timePerCall(call, calls = 2000, batches = 31) {
  for (let i = 0; i < calls; ++i) call(); // warm up
  const perCall = [];
  for (let b = 0; b < batches; ++b) {
    const start = performance.now();
    for (let i = 0; i < calls; ++i) call();
    perCall.push(((performance.now() - start) * 1000) / calls);
  }
  return median(perCall);
}

async function benchCalculation() {
  const engine = await loadEngine();
  const results = [];
  for (const [name, rows] of Object.entries(ROWS)) {
    const boxes = boxesOf(rows);
    const caption = engine.calculate(boxes).captions;
    const wrapped = timePerCall(() => engine.calculate(boxes));
    engine.writeBoxes(boxes);
    const bare = timePerCall(() => engine.module._dc_calculate());
    results.push({ name, wrapped, bare, caption: `${caption.x} ${caption.y} ${caption.a} ${caption.r}`.trim() });
  }
  console.log('One calculation under Node (median per call, us): through engine.calculate / the bare wasm call');
  for (const r of results) console.log(`  ${r.name}  ${r.wrapped.toFixed(2).padStart(6)}  ${r.bare.toFixed(2).padStart(6)}   ${r.caption}`);
  console.log(`  median of the twelve: ${median(results.map((r) => r.wrapped)).toFixed(2)} us (target <= 10)`);
}

// Milliseconds from the navigation's start, and from the page's arrival
// (its HTML received), to the page being ready for input.
async function interactiveTimes(page) {
  return page.evaluate(() => {
    const ready = performance.getEntriesByName('draftcalc-interactive')[0].startTime;
    return { fromStart: ready, fromArrival: ready - performance.getEntriesByType('navigation')[0].responseEnd };
  });
}

function summary(label, values) {
  const sorted = [...values].sort((a, b) => a - b);
  return `  ${label}: min ${sorted[0].toFixed(0)}, median ${median(values).toFixed(0)}, max ${sorted.at(-1).toFixed(0)}`;
}

// Each browser fresh: its first load (a cold browser process and profile)
// and a second one in it (as when the browser is already running).
async function benchInteractive(browsers = 7) {
  const site = await serveSite();
  const cold = [], warm = [];
  try {
    for (let i = 0; i < browsers; ++i) {
      const browser = await launchBrowser();
      try {
        cold.push(await interactiveTimes((await openPage(browser.context, site.url)).page));
        warm.push(await interactiveTimes((await openPage(browser.context, site.url)).page));
      } finally {
        await browser.close();
      }
    }
  } finally {
    await site.close();
  }
  console.log(`Page interactive in headless Chromium, ${browsers} fresh browsers (ms; target <= 300):`);
  console.log(summary('first load, from navigation start', cold.map((t) => t.fromStart)));
  console.log(summary('first load, from the HTML received', cold.map((t) => t.fromArrival)));
  console.log(summary('second load, from navigation start', warm.map((t) => t.fromStart)));
}

function reportSizes() {
  const files = ['draftcalc.wasm', 'draftcalc.mjs', ...fs.readdirSync(path.join(siteFolder, 'js')).map((f) => `js/${f}`)];
  let raw = 0, gzipped = 0;
  const rows = files.map((file) => {
    const bytes = fs.readFileSync(path.join(siteFolder, file));
    const packed = zlib.gzipSync(bytes, { level: 9 }).length;
    raw += bytes.length;
    gzipped += packed;
    return `  ${file.padEnd(24)} ${String(bytes.length).padStart(7)} ${String(packed).padStart(7)}`;
  });
  console.log('Sizes (bytes, raw and gzip -9):');
  console.log(rows.join('\n'));
  console.log(`  wasm + JavaScript: ${(raw / 1024).toFixed(1)} KiB raw, ${(gzipped / 1024).toFixed(1)} KiB gzipped (target <= 150 KB)`);
}

await benchCalculation();
reportSizes();
await benchInteractive();
