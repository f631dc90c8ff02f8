// The calculator compiled to WebAssembly, as the page and the tests use it:
// one session (session/session.h) behind plain functions. The page hands it
// what the user typed and did and reads back what to show; every rule
// (calculating, whether the answer is current, picking candidates, undo,
// the view) is the session's. No DOM here, so that Node runs it as it is.

export const COLUMN_LETTERS = ['X', 'Y', 'D', 'A', 'B', 'C', 'R', 'S'];
export const ROW_COUNT = 3;
export const BOX_COUNT = ROW_COUNT * COLUMN_LETTERS.length;
// The captions in the order the engine gives them.
export const CAPTION_KEYS = ['x', 'y', 'a', 'r', 'remark'];
// What an action did (Session::Change).
export const CHANGE = { none: 0, rows: 1, calculated: 2, restored: 3 };
const CANDIDATE_FIELD_COUNT = 8;

const isAscii = (text) => /^[\x00-\x7f]*$/.test(text);

export class Engine {
  // `module`: what the module's factory (draftcalc.mjs) resolved to.
  constructor(module) {
    this.module = module;
    this.encoder = new TextEncoder();
    this.decoder = new TextDecoder();
  }

  // Loads the module. In a browser the factory fetches draftcalc.wasm beside
  // itself; Node passes the file's bytes as `wasmBinary`.
  static async load(createModule, options = {}) {
    return new Engine(await createModule(options));
  }

  // --- the rows and the result ---

  // The boxes (24 texts, row by row, X to S) as the user typed them.
  type(boxes) {
    this.writeBoxes(boxes);
    if (this.module._dc_type() < 0) throw new Error('the module refused the box texts');
  }

  // Calculates the boxes: the five captions and the calculation that ran,
  // 1..12 in catalogue order, 0 for none.
  calculate(boxes) {
    this.writeBoxes(boxes);
    const calculation = this.module._dc_calculate();
    if (calculation < 0) throw new Error('the module refused the box texts');
    return { captions: this.captionsOf(this.readTexts()), calculation };
  }

  // The candidates of the boxes, calculated (see candidates()).
  findCandidates(boxes) {
    this.calculate(boxes);
    return this.candidates();
  }

  // Every answer of the construction calculated, as the window lists them:
  // number, x, y, a, r (texts, '' where it has none), the edits in the
  // rows' words and as draftcalc-cli's box words, whether it is the answer
  // shown, the edits that select it ({row, column, text}, from 0) and its
  // touching points ([x, y] texts, in row order).
  candidates() {
    const count = this.module._dc_candidates();
    const texts = this.readTexts();
    const candidates = [];
    let at = 0;
    for (let i = 0; i < count; ++i) {
      const [number, x, y, a, r, words, boxWords, answer] = texts.slice(at, at + CANDIDATE_FIELD_COUNT);
      at += CANDIDATE_FIELD_COUNT;
      const edits = [];
      for (let e = Number(texts[at++]); e > 0; --e, at += 3) {
        edits.push({ row: Number(texts[at]), column: Number(texts[at + 1]), text: texts[at + 2] });
      }
      const touch = [];
      for (let t = Number(texts[at++]); t > 0; --t, at += 2) touch.push([texts[at], texts[at + 1]]);
      candidates.push({ number: Number(number), x, y, a, r, words, boxWords, isAnswer: answer === 'answer', edits, touch });
    }
    return candidates;
  }

  // Where the candidates' numbered markers stand, in plane units (after candidates()).
  markerPoints(count) {
    const start = this.module._dc_marker_points() / 8;
    const points = [];
    for (let i = 0; i < count; ++i) {
      points.push({ x: this.module.HEAPF64[start + 2 * i], y: this.module.HEAPF64[start + 2 * i + 1] });
    }
    return points;
  }

  // What the page shows: the box texts, the captions, the title of the
  // calculation that ran, and the session's state.
  shown() {
    const flags = this.module._dc_shown();
    const texts = this.readTexts();
    const after = BOX_COUNT + CAPTION_KEYS.length;
    return {
      boxes: texts.slice(0, BOX_COUNT),
      captions: this.captionsOf(texts.slice(BOX_COUNT, after)),
      calculationTitle: texts[after],
      // Why there is no answer, and the one box edit that gives one, in the
      // rows' words and as draftcalc-cli's box words ('' for none).
      why: texts[after + 1],
      fix: texts[after + 2],
      fixBoxWords: texts[after + 3],
      // How each box is read when not whole ("read as 8: ..."), else ''.
      readings: texts.slice(after + 4, after + 4 + BOX_COUNT),
      failed: (flags & 32) !== 0,
      calculation: this.module._dc_ran(),
      picked: this.module._dc_picked(),
      hasResult: (flags & 1) !== 0,
      outOfDate: (flags & 2) !== 0,
      canUndo: (flags & 4) !== 0,
      canRedo: (flags & 8) !== 0,
      typedSinceProgramEdit: (flags & 16) !== 0,
    };
  }

  // The session's actions; each returns a CHANGE.
  clear() {
    return this.module._dc_clear();
  }

  pick(number) {
    return this.module._dc_pick(number);
  }

  undo() {
    return this.module._dc_undo();
  }

  redo() {
    return this.module._dc_redo();
  }

  // Candidate `number` written into input row `row` (0..2) as the element it
  // is; not calculated.
  useAsRow(number, row) {
    return this.module._dc_use_as_row(number, row);
  }

  // The suggested edit written into the rows and calculated.
  applyFix() {
    return this.module._dc_apply_fix();
  }

  // The language of the reasons ('en' or 'ja'); the shown one is said again in it.
  setLanguage(code) {
    this.module._dc_set_language(code === 'ja' ? 1 : 0);
  }

  // Picks `step` candidates on; the number picked, 0 for none.
  step(step, wrap) {
    return this.module._dc_step(step, wrap ? 1 : 0);
  }

  // --- the view ---

  resizeView(width, height) {
    this.module._dc_view_resize(width, height);
  }

  zoomAt(x, y, steps) {
    return this.module._dc_view_zoom_at(x, y, steps) !== 0;
  }

  drag(dx, dy) {
    this.module._dc_view_drag(dx, dy);
  }

  fit() {
    this.module._dc_view_fit();
  }

  setFitAfterCalculation(fit) {
    this.module._dc_set_fit_after_calculation(fit ? 1 : 0);
  }

  zoomPercent() {
    return this.module._dc_view_zoom();
  }

  // How the plane maps to the picture's CSS pixels: {left, top, pixelsPerUnit}.
  mapping() {
    const start = this.module._dc_view_mapping() / 8;
    const [left, top, pixelsPerUnit] = this.module.HEAPF64.subarray(start, start + 3);
    return { left, top, pixelsPerUnit };
  }

  // The cursor read-out for pixel (x, y) and the view's lower-left corner.
  readOuts(x, y) {
    this.module._dc_view_read_outs(x, y);
    const [cursor, corner] = this.readTexts();
    return { cursor, corner };
  }

  // Draws the picture on `surface` (see canvas_surface.js).
  redraw(surface) {
    surface.clipSegment = (...segment) => this.clipSegment(...segment);
    this.module.surface = surface;
    this.module._dc_redraw();
  }

  // The part of a segment inside a rectangle, as the drawing clips:
  // [x1, y1, x2, y2], or null when none of it is.
  clipSegment(x1, y1, x2, y2, xMin, yMin, xMax, yMax) {
    if (!this.module._dc_clip_segment(x1, y1, x2, y2, xMin, yMin, xMax, yMax)) return null;
    const start = this.module._dc_clipped() / 8;
    return Array.from(this.module.HEAPF64.subarray(start, start + 4));
  }

  // --- texts ---

  // The help, the window's F1, as HTML.
  help() {
    this.module._dc_help();
    return this.readTexts()[0];
  }

  // The drawing as the SVG file draftcalc-cli calc --all --svg writes.
  svg() {
    this.module._dc_svg();
    return this.readTexts()[0];
  }

  // The lines of the catalogue guide.
  catalogue() {
    this.module._dc_catalogue();
    return this.readTexts();
  }

  // The guide line of a calculation's title (1..12); -1 for none.
  catalogueTitleLine(calculation) {
    return this.module._dc_catalogue_title_line(calculation);
  }

  captionsOf(texts) {
    const captions = {};
    CAPTION_KEYS.forEach((key, i) => (captions[key] = texts[i]));
    return captions;
  }

  // Lays the texts one after another into the module's memory, their byte
  // lengths beside them. Plain ASCII, the usual case, is copied as it is.
  writeBoxes(boxes) {
    if (boxes.length !== BOX_COUNT) throw new Error(`expected ${BOX_COUNT} box texts, got ${boxes.length}`);
    const encoded = boxes.map((text) => (isAscii(text) ? text : this.encoder.encode(text)));
    const total = encoded.reduce((sum, text) => sum + text.length, 0);
    const module = this.module;
    let at = module._dc_box_bytes(total);
    const lengths = module._dc_box_lengths() / 4;
    // Read after the calls: memory may have grown, which replaces the views.
    const bytes = module.HEAPU8, words = module.HEAP32;
    encoded.forEach((text, i) => {
      if (typeof text === 'string') {
        for (let c = 0; c < text.length; ++c) bytes[at + c] = text.charCodeAt(c);
      } else {
        bytes.set(text, at);
      }
      at += text.length;
      words[lengths + i] = text.length;
    });
  }

  readTexts() {
    const module = this.module;
    const count = module._dc_out_count();
    const ends = module._dc_out_ends() / 4, start = module._dc_out_bytes();
    const bytes = module.HEAPU8, words = module.HEAP32;
    const texts = new Array(count);
    let from = start;
    for (let i = 0; i < count; ++i) {
      const to = start + words[ends + i];
      texts[i] = this.decodeText(bytes, from, to);
      from = to;
    }
    return texts;
  }

  decodeText(bytes, from, to) {
    let text = '';
    for (let i = from; i < to; ++i) {
      if (bytes[i] >= 0x80) return this.decoder.decode(bytes.subarray(from, to));
      text += String.fromCharCode(bytes[i]);
    }
    return text;
  }
}
