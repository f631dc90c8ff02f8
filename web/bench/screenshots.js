// Screenshots of the page in headless Chromium at desktop and phone width,
// after a calculation with candidates (not a test: for looking at).
//
//   cd web && node bench/screenshots.js OUTPUT_FOLDER
import path from 'node:path';

import { launchBrowser, openPage, serveSite } from '../tests/browser_support.js';

const folder = process.argv[2];
if (!folder) throw new Error('usage: node bench/screenshots.js OUTPUT_FOLDER');

// Two circles with a value row (3.4), then its first candidate picked.
const ROWS = { d1: '0', r1: '10', s1: '1', d2: '5', c2: '-5', x3: '20', d3: '0', r3: '10', s3: '1' };

async function shoot(site, name, viewport, { fullPage }) {
  const browser = await launchBrowser(viewport);
  try {
    const { page } = await openPage(browser.context, site.url);
    await page.screenshot({ path: path.join(folder, `${name}-start.png`), fullPage });
    for (const [box, text] of Object.entries(ROWS)) await page.fill(`input[name="${box}"]`, text);
    await page.press('input[name="s3"]', 'Enter');
    // Zoomed in twice about the answer's circle.
    await page.locator('#picture').scrollIntoViewIfNeeded();
    const canvas = await page.locator('#picture').boundingBox();
    const at = await page.evaluate(() => {
      const { picture } = window.draftcalcPage;
      return { x: picture.mapping.pixelX(10), y: picture.mapping.pixelY(0) };
    });
    await page.mouse.move(canvas.x + at.x, canvas.y + at.y);
    for (let i = 0; i < 10; ++i) await page.mouse.wheel(0, -100);
    await page.screenshot({ path: path.join(folder, `${name}-answer.png`), fullPage });
    await page.click('#candidates tbody tr[data-number="4"]');
    await page.fill('input[name="r1"]', '11');
    await page.screenshot({ path: path.join(folder, `${name}-out-of-date.png`), fullPage });
  } finally {
    await browser.close();
  }
}

const site = await serveSite();
try {
  await shoot(site, 'desktop', { width: 1280, height: 800 }, { fullPage: false });
  await shoot(site, 'phone', { width: 390, height: 844 }, { fullPage: true });
} finally {
  await site.close();
}
