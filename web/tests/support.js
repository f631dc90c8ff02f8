// What the Node tests share: the engine built by emcmake, draftcalc-cli of
// the native build as the reference, and generated box texts.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

import { BOX_COUNT, COLUMN_LETTERS, Engine } from '../js/engine.js';

const repository = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
// The built site (build-web/web/site) and the native command, unless named.
export const siteFolder = process.env.DRAFTCALC_WEB_SITE ?? path.join(repository, 'build-web/web/site');
export const cliPath = process.env.DRAFTCALC_CLI ?? path.join(repository, 'build/cli/draftcalc-cli');

export async function loadEngine() {
  const { default: createModule } = await import(path.join(siteFolder, 'draftcalc.mjs'));
  return Engine.load(createModule, { wasmBinary: fs.readFileSync(path.join(siteFolder, 'draftcalc.wasm')) });
}

// --- draftcalc-cli on many inputs at once, through CSV ---

const BOX_NAMES = [1, 2, 3].flatMap((row) => COLUMN_LETTERS.map((letter) => letter.toLowerCase() + row));
const quoted = (field) => `"${field.replaceAll('"', '""')}"`;

// RFC 4180 records of `text`, as arrays of fields.
export function parseCsv(text) {
  const records = [];
  let record = [], field = '', i = 0;
  while (i < text.length) {
    const c = text[i++];
    if (c === '"' && field === '' ) {
      for (;;) {
        const end = text.indexOf('"', i);
        field += text.slice(i, end);
        i = end + 1;
        if (text[i] !== '"') break;
        field += '"';
        ++i;
      }
    } else if (c === ',') {
      record.push(field);
      field = '';
    } else if (c === '\n') {
      record.push(field);
      records.push(record);
      record = [];
      field = '';
    } else {
      field += c;
    }
  }
  return records;
}

// Runs draftcalc-cli (with `options`, such as --all) on the inputs, each 24
// box texts; returns the output records after the header, each its fields
// after the input's own: the id, then the 24 boxes.
export function runCli(inputs, options = []) {
  const lines = ['id,' + BOX_NAMES.join(',')];
  inputs.forEach((boxes, id) => lines.push([String(id), ...boxes].map(quoted).join(',')));
  const output = execFileSync(cliPath, [...options, '--jobs', '2'], {
    input: lines.join('\n') + '\n',
    maxBuffer: 1 << 28,
  }).toString('utf8');
  return parseCsv(output).slice(1).map((fields) => ({ id: Number(fields[0]), results: fields.slice(1 + BOX_COUNT) }));
}

// --- generated box texts ---

// A small seeded generator, so that a failure repeats.
export function randomSource(seed) {
  let state = seed >>> 0;
  const next = () => {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
  const pick = (list) => list[Math.floor(next() * list.length)];
  return { next, pick, integer: (low, high) => low + Math.floor(next() * (high - low + 1)) };
}

// Texts that are no plain number, or lie at the edges of the reading.
export const ODD_TEXTS = ['', 'abc', '1e400', '-1e400', '-0', '1e-310', '-1e-310', '&H10', '&O17', '&h 1F', '１２', '３.５',
  '3,5', ' 1 2 ', '12abc', '1e', '.5', '-.5e-3', '+7', '1E+15', '0.000', '1e-400', '99999999999999999999', '0x10',
  '--1', 'NaN', 'inf', '1.2.3', '\t4', '123456789012345678901234567890'];

// The D codes of each catalogue calculation, rows 1 to 3 ('' keeps row 3's 99).
const CATALOGUE_CODES = [
  ['8', '8', '99'], ['8', '0', '99'], ['0', '0', '99'], ['3', '3', '99'], ['3', '0', '99'], ['0', '5', '0'],
  ['8', '5', '0'], ['0', '5', '0'], ['3', '5', '0'], ['8', '8', '8'], ['3', '3', '3'], ['1', '2', '99'],
  ['2', '0', '99'], ['1', '1', '1'],
];
const ODD_CODES = ['', 'abc', '4', '5', '6', '7', '9', '10', '-1', '8.0', ' 8', '９', '99', '9.99', '0'];

function randomNumberText(random) {
  switch (random.integer(0, 5)) {
    case 0: return String(random.integer(-30, 30));
    case 1: return (random.next() * 200 - 100).toFixed(random.integer(0, 6));
    case 2: return String((random.next() - 0.5) * 10 ** random.integer(-8, 12));
    case 3: return random.pick(['0', '1', '-1', '90', '180', '-90', '270', '45', '0.001', '-0.001', '360']);
    case 4: return random.pick(ODD_TEXTS);
    default: return String(random.integer(-500, 500) / 4);
  }
}

// 24 box texts of one calculation: every box a number (now and then an odd
// text), the D codes those of a catalogue calculation or, now and then, any.
export function generatedBoxes(random, index) {
  const codes = index % 7 === 6 ? [0, 1, 2].map(() => random.pick(ODD_CODES)) : CATALOGUE_CODES[index % CATALOGUE_CODES.length];
  const boxes = [];
  for (let row = 0; row < 3; ++row) {
    for (let column = 0; column < COLUMN_LETTERS.length; ++column) {
      const letter = COLUMN_LETTERS[column];
      if (letter === 'D') boxes.push(codes[row]);
      else if (letter === 'S') boxes.push(random.pick(['1', '-1', '', '0', '1', '-1', '2', 'abc']));
      else if (random.next() < 0.15 && !'XY'.includes(letter)) boxes.push('');
      else boxes.push(randomNumberText(random));
    }
  }
  return boxes;
}
