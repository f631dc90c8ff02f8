// The page in a real headless Chromium, served on 127.0.0.1: typed rows,
// Calculate, the answer's text and its light-red pixels on the canvas, a
// candidate picked from the list and from the picture, Enter, the
// out-of-date look, Clear, zoom and pan, and a phone-sized screen.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';

import { launchBrowser, openPage, serveSite } from './browser_support.js';
import { runCli } from './support.js';

// Two circles with a value row (3.4): four candidates, the third shown.
const TWO_CIRCLES = { d1: '0', r1: '10', s1: '1', d2: '5', c2: '-5', x3: '20', d3: '0', r3: '10', s3: '1' };

let site, browser, page, errors;

before(async () => {
  site = await serveSite();
  browser = await launchBrowser();
});
after(async () => {
  await browser?.close();
  await site?.close();
});

async function fillRows(boxes) {
  for (const [name, text] of Object.entries(boxes)) await page.fill(`input[name="${name}"]`, text);
}

const boxTexts = () => page.$$eval('#rows input', (inputs) => inputs.map((input) => input.value));
const answerTexts = () =>
  page.$$eval('.answers output', (outputs) => outputs.map((output) => output.value));

// Pixels of the canvas in exactly a palette colour: the figures are not
// smoothed, as in the window.
const SHADES = {
  lightRed: ([r, g, b]) => r === 255 && g === 0 && b === 0,
  green: ([r, g, b]) => r === 0 && g === 128 && b === 0,
  grey: ([r, g, b]) => r === 128 && g === 128 && b === 128,
};
function countPixels(shade) {
  return page.$eval(
    '#picture',
    (canvas, test) => {
      const inShade = new Function('rgb', `return (${test})(rgb);`);
      const { data } = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
      let count = 0;
      for (let i = 0; i < data.length; i += 4) if (inShade([data[i], data[i + 1], data[i + 2]])) ++count;
      return count;
    },
    SHADES[shade].toString(),
  );
}
const LIGHT_RED = 'lightRed', GREY = 'grey', GREEN = 'green';

describe('the page', () => {
  before(async () => {
    ({ page, errors } = await openPage(browser.context, site.url));
  });

  test('starts with the window\'s start-up texts, the guide and an empty answer', async () => {
    const texts = await boxTexts();
    assert.deepEqual(texts.slice(0, 3), ['0.000', '0.000', '']);
    assert.equal(texts[16 + 2], '99');
    assert.equal(await page.locator('#catalogue li').count(), 51);
    assert.deepEqual(await answerTexts(), ['', '', '', '', '']);
    assert.equal(await countPixels(LIGHT_RED), 0);
  });

  test('calculates the typed rows: the captions of draftcalc-cli and a light-red answer', async () => {
    await fillRows(TWO_CIRCLES);
    await page.click('#calculate');
    const [expected] = runCli([await boxTexts()]);
    assert.deepEqual(await answerTexts(), expected.results);
    assert.deepEqual(expected.results.slice(0, 2), ['10', '11.1803']);
    const red = await countPixels(LIGHT_RED);
    assert.ok(red > 100, `the answer circle is drawn in light red: ${red}`);
    assert.ok((await countPixels(GREEN)) > 100, 'the candidates are drawn in green');
    assert.equal(await page.locator('#candidates tbody tr').count(), 4);
    assert.match(await page.textContent('#calculation-name'), /^3\.4 /);
  });

  test('a click on a candidate writes its edits into the rows and calculates them', async () => {
    await page.click('#candidates tbody tr[data-number="1"]');
    const texts = await boxTexts();
    assert.equal(texts[6], '-10', 'R of row 1');
    assert.deepEqual((await answerTexts()).slice(0, 2), ['5', '0']);
    assert.equal(await page.getAttribute('#candidates tbody tr[data-number="1"]', 'aria-selected'), 'true');
    assert.equal(await page.getAttribute('#candidates tbody tr[data-number="1"]', 'class'), 'answer');
  });

  test('a click on a candidate\'s marker in the picture picks it', async () => {
    const marker = await page.evaluate(() => {
      const { picture, markers } = window.draftcalcPage;
      return { x: picture.view.pixelX(markers[3].x), y: picture.view.pixelY(markers[3].y) };
    });
    const box = await page.locator('#picture').boundingBox();
    await page.mouse.click(box.x + marker.x + 2, box.y + marker.y + 1);
    assert.equal((await boxTexts())[23], '-1', 'S of row 3');
    assert.deepEqual((await answerTexts()).slice(0, 2), ['10', '-11.1803']);
  });

  test('an edit after the calculation turns the answer grey and dashed; typing it back restores it', async () => {
    const calculated = await boxTexts();
    await page.fill('input[name="r3"]', '12');
    assert.match(await page.getAttribute('.answers', 'class'), /out-of-date/);
    assert.equal(await countPixels(LIGHT_RED), 0);
    assert.ok((await countPixels(GREY)) > 20, 'the answer dashed in grey');
    assert.equal(await countPixels(GREEN), 0, 'no candidates for rows they do not belong to');
    await page.click('#candidates tbody tr[data-number="2"]');
    assert.deepEqual(await boxTexts(), calculated.map((text, i) => (i === 22 ? '12' : text)), 'a greyed list picks nothing');
    await page.fill('input[name="r3"]', '10');
    assert.doesNotMatch(await page.getAttribute('.answers', 'class'), /out-of-date/);
    assert.ok((await countPixels(LIGHT_RED)) > 100);
  });

  test('Enter in a box calculates', async () => {
    await page.fill('input[name="c2"]', '-6');
    await page.press('input[name="c2"]', 'Enter');
    const [expected] = runCli([await boxTexts()]);
    assert.deepEqual(await answerTexts(), expected.results);
    assert.equal(expected.results[3], '-6');
  });

  test('the wheel zooms about the pointer and a drag pans the picture', async () => {
    const outer = await page.locator('#picture').boundingBox();
    // Pointer offsets count from inside the canvas's border.
    const border = await page.$eval('#picture', (canvas) => ({ x: canvas.clientLeft, y: canvas.clientTop }));
    const box = { x: outer.x + border.x, y: outer.y + border.y };
    const before = await page.evaluate(() => ({ ...window.draftcalcPage.picture.view }));
    const redBefore = await countPixels(LIGHT_RED);
    await page.mouse.move(box.x + 200, box.y + 150);
    await page.mouse.wheel(0, -100);
    const zoomed = await page.evaluate(() => ({ ...window.draftcalcPage.picture.view }));
    assert.equal(zoomed.zoomPercent, 110);
    assert.ok((await countPixels(LIGHT_RED)) > redBefore, 'a larger answer circle');
    // The plane point under the pointer stayed there.
    const under = (view) => [view.left + 200 / (59 * view.zoomPercent / 100 / 15), view.top - 150 / (59 * view.zoomPercent / 100 / 15)];
    under(zoomed).forEach((value, i) => assert.ok(Math.abs(value - under(before)[i]) < 1e-9));

    await page.mouse.down();
    await page.mouse.move(box.x + 260, box.y + 190, { steps: 4 });
    await page.mouse.up();
    const dragged = await page.evaluate(() => ({ ...window.draftcalcPage.picture.view }));
    const unitsPerPixel = 1 / (59 * 1.1 / 15);
    assert.ok(Math.abs(dragged.left - (zoomed.left - 60 * unitsPerPixel)) < 1e-9);
    assert.ok(Math.abs(dragged.top - (zoomed.top + 40 * unitsPerPixel)) < 1e-9);
  });

  test('Clear brings back the start-up texts and empties the answer and the picture', async () => {
    await page.click('#clear');
    const texts = await boxTexts();
    assert.deepEqual([texts[0], texts[2], texts[6], texts[18]], ['0.000', '', '', '99']);
    assert.deepEqual(await answerTexts(), ['', '', '', '', '']);
    assert.equal(await page.locator('#candidates tbody tr').count(), 0);
    assert.equal(await countPixels(LIGHT_RED), 0);
  });

  test('ran without a script error', () => {
    assert.deepEqual(errors, []);
  });
});

test('on a phone-sized screen the rows stack and the boxes fit a finger', async () => {
  const phone = await browser.context.newPage();
  await phone.setViewportSize({ width: 390, height: 844 });
  await phone.goto(site.url);
  await phone.waitForSelector('body[data-ready="true"]');
  const layout = await phone.evaluate(() => {
    const boxes = [...document.querySelectorAll('#rows input')].map((input) => input.getBoundingClientRect());
    return {
      pageWidth: document.documentElement.scrollWidth,
      smallestHeight: Math.min(...boxes.map((box) => box.height)),
      rightmost: Math.max(...boxes.map((box) => box.right)),
      rowTops: [0, 8, 16].map((i) => boxes[i].top),
      captionsShown: getComputedStyle(document.querySelector('.box-caption')).display !== 'none',
    };
  });
  assert.ok(layout.pageWidth <= 390, `the page is ${layout.pageWidth} px wide`);
  assert.ok(layout.rightmost <= 390);
  assert.ok(layout.smallestHeight >= 44, `a box only ${layout.smallestHeight} px high`);
  assert.ok(layout.rowTops[0] < layout.rowTops[1] && layout.rowTops[1] < layout.rowTops[2]);
  assert.ok(layout.captionsShown, 'each box has its caption');
  await phone.fill('input[name="d2"]', '8');
  await phone.fill('input[name="x2"]', '3');
  await phone.fill('input[name="y2"]', '4');
  await phone.fill('input[name="d1"]', '8');
  await phone.click('#calculate');
  assert.equal(await phone.$eval('#answer-a', (output) => output.value), '53.1301');
  await phone.close();
});
