// The page in a real headless Chromium, served on 127.0.0.1: typed rows,
// Calculate, the answer's text and its light-red pixels on the canvas, a
// candidate picked from the list and from the picture, Enter, the
// out-of-date look, Clear, zoom and pan, fitting, the cursor read-out,
// undo of a pick, the help, the SVG export against draftcalc-cli's, and a
// phone-sized screen.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';

import { launchBrowser, openPage, serveSite } from './browser_support.js';
import { cliPath, runCli } from './support.js';

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
  lightBlue: ([r, g, b]) => r === 0 && g === 0 && b === 255,
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
const LIGHT_RED = 'lightRed', GREY = 'grey', GREEN = 'green', LIGHT_BLUE = 'lightBlue';

const mapping = () => page.evaluate(() => window.draftcalcPage.engine.mapping());
const zoomFigure = () => page.textContent('#zoom');
// The canvas's top-left corner inside its border, where offsets count from.
async function canvasCorner() {
  const outer = await page.locator('#picture').boundingBox();
  const border = await page.$eval('#picture', (canvas) => ({ x: canvas.clientLeft, y: canvas.clientTop }));
  return { x: outer.x + border.x, y: outer.y + border.y };
}

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

  test('the list gives each candidate\'s touching points, to 10 digits, every digit in its title', async () => {
    // --all: cand at 5 after the answer columns, candSet at 10, candT1X at 11.
    const rows = runCli([await boxTexts()], ['--all']);
    const answerRow = rows.find((r) => r.results[10] === '');
    assert.deepEqual(rows[0].results.slice(11, 15), ['10', '0', '10', '0']);
    const cells = await page.$$eval('#candidates tbody tr[data-number="3"] td', (tds) => tds.map((td) => td.textContent));
    assert.equal(cells[1], 'X 10\nY 11.18033989\nR 5\nT1 6.666666667, 7.453559925\nT2 13.33333333, 7.453559925');
    const title = await page.getAttribute('#candidates tbody tr[data-number="3"]', 'title');
    assert.ok(title.includes(`T1 ${answerRow.results[11]}, ${answerRow.results[12]}`), title);
    assert.ok(title.includes('T2 13.333333333333334, 7.453559924999299'), title);
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
      return { x: picture.mapping.pixelX(markers[3].x), y: picture.mapping.pixelY(markers[3].y) };
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

  test('the wheel zooms about the pointer and a drag pans the picture; the figures follow', async () => {
    const box = await canvasCorner();
    const before = await mapping();
    const zoomBefore = Number((await zoomFigure()).replace('%', ''));
    const redBefore = await countPixels(LIGHT_RED);
    await page.mouse.move(box.x + 200, box.y + 150);
    await page.mouse.wheel(0, -100);
    const zoomed = await mapping();
    assert.equal(await zoomFigure(), `${zoomBefore + 10}%`);
    assert.ok((await countPixels(LIGHT_RED)) > redBefore, 'a larger answer circle');
    // The plane point under the pointer stayed there, to the view's float precision.
    const under = (m) => [m.left + 200 / m.pixelsPerUnit, m.top - 150 / m.pixelsPerUnit];
    under(zoomed).forEach((value, i) => assert.ok(Math.abs(value - under(before)[i]) < 1e-3, `${value}`));

    await page.mouse.down();
    await page.mouse.move(box.x + 260, box.y + 190, { steps: 4 });
    await page.mouse.up();
    const dragged = await mapping();
    assert.ok(Math.abs(dragged.left - (zoomed.left - 60 / zoomed.pixelsPerUnit)) < 1e-3);
    assert.ok(Math.abs(dragged.top - (zoomed.top + 40 / zoomed.pixelsPerUnit)) < 1e-3);
  });

  test('the read-out gives the plane point under the pointer', async () => {
    const box = await canvasCorner();
    for (const [x, y] of [[40, 30], [300, 200]]) {
      await page.mouse.move(box.x + x, box.y + y);
      const m = await mapping();
      const text = await page.textContent('#cursor');
      const [, readX, readY] = text.match(/^X=(-?[\d.]+) Y=(-?[\d.]+)$/);
      assert.ok(Math.abs(Number(readX) - (m.left + x / m.pixelsPerUnit)) <= 1 / m.pixelsPerUnit, text);
      assert.ok(Math.abs(Number(readY) - (m.top - y / m.pixelsPerUnit)) <= 1 / m.pixelsPerUnit, text);
    }
  });

  test('F and the Fit button fit the figure after the wheel took it out of view', async () => {
    const box = await canvasCorner();
    await page.click('#fit');
    const fitted = await zoomFigure();
    await page.mouse.move(box.x + 20, box.y + 20);
    for (let i = 0; i < 12; ++i) await page.mouse.wheel(0, 100);
    assert.notEqual(await zoomFigure(), fitted);
    await page.focus('#calculate');
    await page.keyboard.press('f');
    assert.equal(await zoomFigure(), fitted);
    for (let i = 0; i < 6; ++i) await page.mouse.wheel(0, -100);
    await page.click('#fit');
    assert.equal(await zoomFigure(), fitted);
  });

  test('Clear brings back the start-up texts and empties the answer and the picture', async () => {
    await page.click('#clear');
    const texts = await boxTexts();
    assert.deepEqual([texts[0], texts[2], texts[6], texts[18]], ['0.000', '', '', '99']);
    assert.deepEqual(await answerTexts(), ['', '', '', '', '']);
    assert.equal(await page.locator('#candidates tbody tr').count(), 0);
    assert.equal(await countPixels(LIGHT_RED), 0);
  });

  test('a figure far from the origin is fitted into view by Calculate', async () => {
    await page.click('#clear');
    await fillRows({ x1: '400', y1: '300', d1: '0', r1: '150', s1: '1', x2: '3', y2: '4', d2: '8' });
    await page.click('#calculate');
    const m = await mapping();
    const size = await page.$eval('#picture', (canvas) => ({ width: canvas.clientWidth, height: canvas.clientHeight }));
    // The circle's whole outline in light blue, inside the canvas.
    const ratio = await page.evaluate(() => window.devicePixelRatio || 1);
    const outline = 2 * Math.PI * 150 * m.pixelsPerUnit * ratio;
    assert.ok((await countPixels(LIGHT_BLUE)) > 0.8 * outline, 'the circle drawn whole');
    for (const [x, y] of [[250, 300], [550, 300], [400, 150], [400, 450]]) {
      const px = (x - m.left) * m.pixelsPerUnit, py = (m.top - y) * m.pixelsPerUnit;
      assert.ok(px >= 0 && px <= size.width && py >= 0 && py <= size.height, `(${x}, ${y}) at (${px}, ${py})`);
    }
  });

  test('Ctrl+Z after picking candidates gives back the typed rows exactly, Ctrl+Y redoes', async () => {
    await page.click('#clear');
    await fillRows(TWO_CIRCLES);
    await page.click('#calculate');
    const typed = await boxTexts();
    const answer = await answerTexts();
    await page.focus('#calculate');
    for (let i = 0; i < 4; ++i) await page.keyboard.press('Control+ArrowDown');
    assert.notDeepEqual(await boxTexts(), typed, 'the picks rewrote the signs');
    const picked = await boxTexts();
    for (let i = 0; i < 4; ++i) await page.keyboard.press('Control+z');
    assert.deepEqual(await boxTexts(), typed);
    assert.deepEqual(await answerTexts(), answer);
    for (let i = 0; i < 4; ++i) await page.keyboard.press('Control+y');
    assert.deepEqual(await boxTexts(), picked);
    // In a box just typed into, Ctrl+Z is the browser's undo of the typing.
    await page.click('input[name="x2"]');
    await page.keyboard.type('7');
    await page.keyboard.press('Control+z');
    assert.deepEqual(await boxTexts(), picked);
  });

  test('the selected candidate is readable and the picture keeps its width', async () => {
    const width = await page.$eval('#picture', (canvas) => canvas.clientWidth);
    await page.click('#candidates tbody tr[data-number="2"]');
    const colours = await page.$eval('#candidates tbody tr[aria-selected="true"]', (row) => {
      const style = getComputedStyle(row);
      return { text: style.color, background: style.backgroundColor };
    });
    const luminance = (rgb) => {
      const [r, g, b] = rgb.match(/\d+/g).slice(0, 3).map((c) => {
        const s = Number(c) / 255;
        return s <= 0.03928 ? s / 12.92 : ((s + 0.055) / 1.055) ** 2.4;
      });
      return 0.2126 * r + 0.7152 * g + 0.0722 * b;
    };
    const [light, dark] = [luminance(colours.text), luminance(colours.background)].sort((a, b) => b - a);
    assert.ok((light + 0.05) / (dark + 0.05) >= 4.5, `contrast of ${colours.text} on ${colours.background}`);
    for (const rows of [{ d1: '8', x2: '3', y2: '4', d2: '8', d3: '99' }, TWO_CIRCLES]) {
      await fillRows(rows);
      await page.click('#calculate');
      assert.equal(await page.$eval('#picture', (canvas) => canvas.clientWidth), width);
    }
  });

  test('F1 and the ? button open the help with the sign rules', async () => {
    await page.focus('#calculate');
    await page.keyboard.press('F1');
    assert.ok(await page.$eval('#help', (dialog) => dialog.open));
    const text = await page.textContent('#help');
    // In the page's language, Japanese for this browser.
    assert.match(text, /R > 0: 円を左に見る接線/);
    assert.match(text, /3\.4 ２円に接する円/);
    await page.keyboard.press('Escape');
    assert.equal(await page.$eval('#help', (dialog) => dialog.open), false);
    await page.click('#help-button');
    assert.ok(await page.$eval('#help', (dialog) => dialog.open));
    await page.keyboard.press('Escape');
  });

  test('Export SVG downloads what draftcalc-cli calc --all --svg writes for the rows', async () => {
    await fillRows(TWO_CIRCLES);
    await page.click('#calculate');
    const [download] = await Promise.all([page.waitForEvent('download'), page.click('#export-svg')]);
    const downloaded = fs.readFileSync(await download.path());
    const names = ['x', 'y', 'd', 'a', 'b', 'c', 'r', 's'];
    const words = (await boxTexts()).map((text, i) => `${names[i % 8]}${Math.floor(i / 8) + 1}=${text}`);
    const file = `${fs.mkdtempSync('/tmp/draftcalc-svg-')}/cli.svg`;
    execFileSync(cliPath, ['calc', '--all', ...words, '--svg', file]);
    assert.ok(downloaded.length > 1000);
    assert.ok(downloaded.equals(fs.readFileSync(file)), 'byte for byte');
  });

  test('a failure draws no answer, greys its numbers, says why and applies the fix on a click', async () => {
    await page.click('#clear');
    // 3.2 with no circle on the sides the signs choose: the calculation
    // still writes numbers beside its remark.
    const failing = { x1: '0', y1: '30', d1: '8', d2: '5', c2: '5', x3: '0', y3: '0', d3: '0', r3: '10', s3: '1' };
    await fillRows(failing);
    await page.click('#calculate');
    const [expected] = runCli([await boxTexts()], ['--explain']);
    assert.deepEqual(await answerTexts(), expected.results.slice(0, 5), 'the captions as they are');
    assert.equal(expected.results[4], '交点無し??');
    assert.equal(await countPixels(LIGHT_RED), 0, 'no answer drawn');
    assert.ok((await countPixels(GREEN)) > 100, 'the candidates still drawn');
    assert.match(await page.getAttribute('.answers', 'class'), /failed/);
    const remarkColour = await page.$eval('#answer-remark', (output) => getComputedStyle(output).color);
    assert.equal(remarkColour, 'rgb(192, 0, 0)');
    assert.ok(await page.isVisible('#reason'));
    // The page in Japanese (the browser's language): the reason too, as
    // draftcalc-cli --lang ja gives it.
    const [japanese] = runCli([await boxTexts()], ['--explain', '--lang', 'ja']);
    assert.equal(await page.textContent('#reason .why'), `解なし: ${japanese.results[5]}`);
    assert.match(japanese.results[5], /の円はありません/);
    assert.equal(expected.results[6], 's3=-1');
    assert.equal(await page.textContent('#apply-fix'), 'S3 = -1 にする');

    await page.click('#apply-fix');
    assert.equal((await boxTexts())[23], '-1');
    assert.equal((await answerTexts())[4], '', 'the fix gives an answer');
    assert.ok((await countPixels(LIGHT_RED)) > 100);
    assert.ok(await page.isHidden('#reason'));
    await page.focus('#calculate');
    await page.keyboard.press('Control+z');
    assert.equal((await boxTexts())[23], '1', 'undo brings the rows back');
    assert.ok(await page.isVisible('#reason'));
  });

  test('a box read only in part is tinted and says how it is read', async () => {
    await page.fill('input[name="r2"]', '8,5');
    const box = await page.$eval('input[name="r2"]', (input) => ({
      title: input.title,
      tinted: input.classList.contains('partly-read'),
      background: getComputedStyle(input).backgroundColor,
    }));
    assert.equal(box.title, '8 と読みます: "8" の後の文字は無視します', 'in the page\'s language (Japanese here)');
    assert.ok(box.tinted);
    assert.equal(box.background, 'rgb(255, 214, 153)');
    await page.fill('input[name="r2"]', ' 8.5 ');
    assert.equal(await page.getAttribute('input[name="r2"]', 'title'), null, 'blanks around a number are read whole');
  });

  test('ran without a script error', () => {
    assert.deepEqual(errors, []);
  });
});

// Line / value / line: the fillets are listed first as construction only;
// picking one changes no row, "Use as row 2" writes it there as a circle,
// and Ctrl+Z brings the value row back.
test('a fillet is construction only and Use as row carries it into a row', async () => {
  const { page, errors } = await openPage(browser.context, site.url);
  for (const [name, value] of Object.entries({ x1: '0', y1: '0', d1: '3', a1: '0', d2: '5', c2: '5', x3: '0', y3: '0', d3: '3', a3: '90' })) {
    await page.fill(`input[name="${name}"]`, value);
  }
  await page.click('#calculate');
  const lastCells = await page.$$eval('#candidates tbody tr', (rows) => rows.map((row) => row.cells[2].textContent));
  assert.deepEqual(lastCells.slice(0, 4), ['作図のみ', '作図のみ', '作図のみ', '作図のみ']);
  const row2 = () => page.$$eval('#rows input', (inputs) => inputs.slice(8, 16).map((input) => input.value));
  const valueRow = await row2();
  assert.equal(await page.isDisabled('#use-as-row button[data-row="1"]'), true, 'none picked');
  await page.click('#candidates tbody tr:nth-child(2)');
  assert.deepEqual(await row2(), valueRow, 'construction only: no edits');
  await page.click('#use-as-row button[data-row="1"]');
  assert.deepEqual(await row2(), ['-5', '5', '0', '', '', '', '5', '1']);
  assert.equal(await page.isDisabled('#use-as-row button[data-row="1"]'), true, 'out of date');
  await page.keyboard.press('Control+z');
  assert.deepEqual(await row2(), valueRow);
  assert.deepEqual(errors, []);
  await page.close();
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

// A first visit from an English browser: English texts, from the same
// translations as the window's; switched to 日本語 and back without a
// reload, the rows, the answer and the candidates staying; the choice kept.
test('the page in English and Japanese, switched without a reload', async () => {
  const english = await launchBrowser({ width: 1280, height: 900 }, 'en-GB');
  try {
    const { page: en, errors: enErrors } = await openPage(english.context, site.url);
    const text = (selector) => en.textContent(selector);
    assert.equal(await en.$eval('#language', (select) => select.value), 'en');
    assert.equal(await text('#calculate'), 'Calculate');
    assert.equal(await text('#clear'), 'Clear');
    assert.equal(await text('.remark span'), 'Remark');
    assert.equal(await en.getAttribute('html', 'lang'), 'en');
    // 3.2 with no circle on these sides: a remark, in English, the original in its title.
    for (const [name, value] of Object.entries({ x1: '0', y1: '30', d1: '8', d2: '5', c2: '5', x3: '0', y3: '0', d3: '0', r3: '10', s3: '1' })) {
      await en.fill(`input[name="${name}"]`, value);
    }
    await en.click('#calculate');
    const remark = () => en.$eval('#answer-remark', (output) => ({ value: output.value, title: output.title }));
    assert.deepEqual(await remark(), { value: 'No intersection??', title: '交点無し??' });
    assert.equal(await text('#calculation-name'), '3.2 Circle on tangent');
    assert.match(await text('#reason .why'), /^No answer: /);
    const before = await en.$$eval('#rows input', (inputs) => inputs.map((input) => input.value));
    const allText = () => en.evaluate(() => document.body.innerText);
    assert.doesNotMatch((await allText()).replace('日本語', ''), /[\u3040-\u30ff\u4e00-\u9fff]/, 'no Japanese left');

    // A box read in part says so in the page's language.
    await en.fill('input[name="r3"]', '8,5');
    const reading = () => en.getAttribute('input[name="r3"]', 'title');
    assert.equal(await reading(), 'read as 8: the text after "8" is ignored');
    await en.selectOption('#language', 'ja');
    assert.equal(await reading(), '8 と読みます: "8" の後の文字は無視します');
    await en.fill('input[name="r3"]', '10');
    assert.equal(await text('#calculate'), '計算');
    assert.equal(await text('.remark span'), '備考');
    assert.deepEqual(await remark(), { value: '交点無し??', title: '' });
    assert.equal(await text('#calculation-name'), '3.2 円と接線に接する円');
    assert.match(await text('#reason .why'), /^解なし: R、C、S の符号/);
    assert.equal(await en.$eval('#catalogue li', (li) => li.textContent), '1.1 ２点の角度');
    assert.deepEqual(await en.$$eval('#rows input', (inputs) => inputs.map((input) => input.value)), before);

    // The help in the page's language, written again after a switch.
    await en.keyboard.press('F1');
    assert.match(await en.textContent('#help .help-text'), /D コード/);
    await en.keyboard.press('Escape');
    await en.selectOption('#language', 'en');
    await en.keyboard.press('F1');
    assert.match(await en.textContent('#help .help-text'), /^D codes/);
    await en.keyboard.press('Escape');
    await en.selectOption('#language', 'ja');

    await en.reload();
    await en.waitForSelector('body[data-ready="true"]');
    assert.equal(await text('#calculate'), '計算', 'the choice is kept');
    await en.selectOption('#language', 'en');
    assert.equal(await text('#calculate'), 'Calculate');
    assert.deepEqual(enErrors, []);
  } finally {
    await english.close();
  }
});
