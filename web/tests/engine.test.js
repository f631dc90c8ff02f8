// The engine in WebAssembly against draftcalc-cli of the native build: the
// same captions to the character and the same candidates, on generated
// inputs of every catalogue calculation with numbers and odd texts.
import assert from 'node:assert/strict';
import { before, describe, test } from 'node:test';

import { BOX_COUNT, CAPTION_KEYS } from '../js/engine.js';
import { generatedBoxes, loadEngine, ODD_TEXTS, randomSource, runCli } from './support.js';

const CAPTION_INPUTS = 2400;
const CANDIDATE_INPUTS = 400;

let engine;
before(async () => {
  engine = await loadEngine();
});

const captionsOf = (boxes) => {
  const { captions } = engine.calculate(boxes);
  return CAPTION_KEYS.map((key) => captions[key]);
};

// Every odd text in every box of a working calculation, one box at a time.
function oddTextInputs() {
  const base = ['0', '0', '0', '', '', '', '10', '1', '0.000', '0.000', '5', '', '', '-5', '', '', '20', '0', '0', '', '', '', '10', '1'];
  const inputs = [];
  for (let box = 0; box < BOX_COUNT; ++box) {
    for (const text of ODD_TEXTS) inputs.push(base.map((original, i) => (i === box ? text : original)));
  }
  return inputs;
}

describe('captions', () => {
  test('are those of draftcalc-cli on generated inputs', () => {
    const random = randomSource(20240614);
    const inputs = Array.from({ length: CAPTION_INPUTS }, (_, i) => generatedBoxes(random, i));
    const expected = runCli(inputs);
    assert.equal(expected.length, inputs.length);
    let answered = 0;
    for (const { id, results } of expected) {
      assert.deepEqual(captionsOf(inputs[id]), results, `input ${id}: ${JSON.stringify(inputs[id])}`);
      if (results[0] !== '' || results[2] !== '') ++answered;
    }
    // The inputs must reach the solvers, not only their failure remarks.
    assert.ok(answered > CAPTION_INPUTS / 3, `only ${answered} inputs had an answer`);
  });

  test('with a remark carry the reason and fix of draftcalc-cli --explain', () => {
    const random = randomSource(20261207);
    const inputs = Array.from({ length: CAPTION_INPUTS }, (_, i) => generatedBoxes(random, i));
    let explained = 0;
    for (const { id, results } of runCli(inputs, ['--explain'])) {
      engine.calculate(inputs[id]);
      const { why, fixBoxWords, failed } = engine.shown();
      assert.deepEqual([why, fixBoxWords], results.slice(5, 7), `input ${id}: ${JSON.stringify(inputs[id])}`);
      assert.equal(failed, results[4] !== '');
      if (why !== '') ++explained;
    }
    assert.ok(explained > CAPTION_INPUTS / 10, `only ${explained} inputs had a reason`);
  });

  test('are those of draftcalc-cli with an odd text in any box', () => {
    const inputs = oddTextInputs();
    for (const { id, results } of runCli(inputs)) {
      assert.deepEqual(captionsOf(inputs[id]), results, `input ${id}: ${JSON.stringify(inputs[id])}`);
    }
  });

  test('name the calculation that ran and carry Japanese remarks whole', () => {
    const point = ['0', '0', '8', '', '', '', '', ''], value = ['0.000', '0.000', '5', '', '', '', '', ''];
    const unused = ['0.000', '0.000', '99', '', '', '', '', ''];
    const pointAndPoint = [...point, ...point, ...unused], twoValueRows = [...value, ...value, ...unused];
    const expected = runCli([pointAndPoint, twoValueRows]).map(({ results }) => results);
    assert.deepEqual(captionsOf(pointAndPoint), expected[0]);
    assert.equal(engine.calculate(pointAndPoint).calculation, 1);
    // Codes that choose no calculation: none ran, and the remark says why.
    assert.deepEqual(captionsOf(twoValueRows), expected[1]);
    assert.match(expected[1][4], /^入力順/);
    assert.equal(engine.calculate(twoValueRows).calculation, 0);
  });

  test('survive a box text far larger than the module\'s first memory', () => {
    const boxes = Array(BOX_COUNT).fill('');
    boxes[0] = '1' + '0'.repeat(20_000_000);
    boxes[2] = '8';
    boxes[10] = '8';
    const [expected] = runCli([boxes], ['--max-record-bytes', '30000000']);
    assert.equal(expected.results[2], '90');
    assert.deepEqual(captionsOf(boxes), expected.results);
  });
});

// The candidates' numbers are written in full precision, as the shortest
// text that reads back to the same double: the geometry computes its sines,
// cosines and arc tangents with functions of its own, the same in both
// builds, so every digit must agree.
function assertSameCandidates(actual, expected, message) {
  assert.equal(actual.length, expected.length, message);
  actual.forEach((row, r) => assert.deepEqual(row, expected[r], `${message}: candidate ${r + 1}`));
}

describe('candidates', () => {
  test('are those of draftcalc-cli --all on generated inputs', () => {
    const random = randomSource(7);
    const inputs = Array.from({ length: CANDIDATE_INPUTS }, (_, i) => generatedBoxes(random, i));
    const expected = inputs.map(() => []);
    for (const { id, results } of runCli(inputs, ['--all'])) expected[id].push(results.slice(5));
    let found = 0;
    inputs.forEach((boxes, id) => {
      const touchColumns = (touch) => [0, 1, 2].flatMap((t) => touch[t] ?? ['', '']);
      const rows = engine
        .findCandidates(boxes)
        .map((c) => [String(c.number), c.x, c.y, c.a, c.r, c.boxWords, ...touchColumns(c.touch)]);
      found += rows.length;
      const actual = rows.length ? rows : [['0', ...Array(11).fill('')]];
      assertSameCandidates(actual, expected[id], `input ${id}: ${JSON.stringify(boxes)}`);
    });
    assert.ok(found > CANDIDATE_INPUTS, `only ${found} candidates in all`);
  });

  test('carry the edits that make the calculation show them', () => {
    const boxes = ['0', '0', '0', '', '', '', '10', '1', '0.000', '0.000', '5', '', '', '-5', '', '', '20', '0', '0', '', '', '', '10', '1'];
    for (const candidate of engine.findCandidates(boxes)) {
      if (candidate.boxWords === '-') continue;
      const edited = [...boxes];
      for (const { row, column, text } of candidate.edits) edited[row * 8 + column] = text;
      const shown = engine.findCandidates(edited).find((c) => c.isAnswer);
      assert.equal(shown?.number, candidate.number, `candidate ${candidate.number}: ${candidate.words}`);
    }
  });
});

test('the catalogue guide has its 51 lines, the titles where the calculations point', () => {
  const lines = engine.catalogue();
  assert.equal(lines.length, 51);
  assert.equal(lines[engine.catalogueTitleLine(1)], '1.1 ２点の角度');
  assert.equal(lines[engine.catalogueTitleLine(12)], '3.6 ３直線に接する円');
  assert.equal(engine.catalogueTitleLine(0), -1);
});

// The module's functions are public: lengths written by other code than the
// page's must not make one box read another's bytes or memory beyond them.
describe('box lengths', () => {
  const writeLengths = (size, lengths) => {
    const module = engine.module;
    const at = module._dc_box_bytes(size);
    const words = module._dc_box_lengths() / 4;
    for (let i = 0; i < BOX_COUNT; ++i) module.HEAP32[words + i] = lengths[i] ?? 0;
    module.HEAPU8.set(new TextEncoder().encode('12'.padEnd(size, '3')), at);
  };

  test('that are negative, too long or wrap round are refused', () => {
    const INT32_MAX = 2 ** 31 - 1;
    const cases = [
      { name: 'one and minus one', size: 2, lengths: [1, -1] },
      { name: 'minus one last', size: 2, lengths: [...Array(BOX_COUNT - 1).fill(0), -1] },
      { name: 'past the bytes', size: 2, lengths: [1, 2] },
      { name: 'the largest', size: 2, lengths: [INT32_MAX] },
      { name: 'two that wrap round in 32 bits', size: 2, lengths: [2, INT32_MAX, INT32_MAX] },
      { name: 'the smallest', size: 2, lengths: [-(2 ** 31)] },
    ];
    for (const { name, size, lengths } of cases) {
      writeLengths(size, lengths);
      assert.equal(engine.module._dc_calculate(), -1, name);
      assert.equal(engine.module._dc_out_count(), 0, name);
      writeLengths(size, lengths);
      assert.equal(engine.module._dc_type(), -1, name);
      assert.equal(engine.module._dc_box_bytes(-1), 0, `${name}: a negative size has no room`);
    }
  });

  test('that lay the texts within the bytes are read as written', () => {
    writeLengths(2, [1, 1]);
    assert.ok(engine.module._dc_calculate() >= 0);
    assert.deepEqual(engine.readTexts(), captionsOf(['1', '2', ...Array(BOX_COUNT - 2).fill('')]));
  });
});
