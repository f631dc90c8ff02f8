// The calculation engine, compiled to WebAssembly, as the page and the tests
// use it: the 24 box texts in, the five captions, the candidates and the
// drawing out. No DOM here, so that Node runs it as it is.

export const COLUMN_LETTERS = ['X', 'Y', 'D', 'A', 'B', 'C', 'R', 'S'];
export const ROW_COUNT = 3;
export const BOX_COUNT = ROW_COUNT * COLUMN_LETTERS.length;
// The captions in the order the engine gives them.
export const CAPTION_KEYS = ['x', 'y', 'a', 'r', 'remark'];
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

  // Calculates the boxes (24 texts, row by row, X to S): the five captions
  // and the calculation that ran, 1..12 in catalogue order, 0 for none.
  calculate(boxes) {
    this.writeBoxes(boxes);
    const calculation = this.module._dc_calculate();
    if (calculation < 0) throw new Error('the module refused the box texts');
    const texts = this.readTexts();
    const captions = {};
    CAPTION_KEYS.forEach((key, i) => (captions[key] = texts[i]));
    return { captions, calculation };
  }

  // Every answer of the construction the boxes ask for, as the window lists
  // them: number, x, y, a, r (texts, '' where it has none), the edits in the
  // rows' words and as draftcalc-cli's box words, whether it is the answer
  // shown, and the edits that select it ({row, column, text}, rows and
  // columns from 0). They are drawn from now on.
  findCandidates(boxes) {
    this.writeBoxes(boxes);
    const count = this.module._dc_find_candidates();
    if (count < 0) throw new Error('the module refused the box texts');
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
      candidates.push({ number: Number(number), x, y, a, r, words, boxWords, isAnswer: answer === 'answer', edits });
    }
    return candidates;
  }

  // Where the candidates' numbered markers stand, in plane units.
  markerPoints(count) {
    const start = this.module._dc_marker_points() / 8;
    const points = [];
    for (let i = 0; i < count; ++i) {
      points.push({ x: this.module.HEAPF64[start + 2 * i], y: this.module.HEAPF64[start + 2 * i + 1] });
    }
    return points;
  }

  // Clear: nothing of the last calculation is drawn any more.
  forgetResults() {
    this.module._dc_forget_results();
  }

  // Draws the boxes as they stand with the last answer and its candidates on
  // `surface` (see canvas_surface.js), `visible` being the part of the plane
  // shown: {left, top, width, height}, height negative (y grows upwards).
  redraw(boxes, surface, visible, outOfDate) {
    this.writeBoxes(boxes);
    surface.clipSegment = (...segment) => this.clipSegment(...segment);
    this.module.surface = surface;
    this.module._dc_redraw(visible.left, visible.top, visible.width, visible.height, outOfDate ? 1 : 0);
  }

  // The part of a segment inside a rectangle, as the drawing clips:
  // [x1, y1, x2, y2], or null when none of it is.
  clipSegment(x1, y1, x2, y2, xMin, yMin, xMax, yMax) {
    if (!this.module._dc_clip_segment(x1, y1, x2, y2, xMin, yMin, xMax, yMax)) return null;
    const start = this.module._dc_clipped() / 8;
    return Array.from(this.module.HEAPF64.subarray(start, start + 4));
  }

  // The 24 box texts at start-up and after Clear.
  startupTexts() {
    this.module._dc_startup_texts();
    return this.readTexts();
  }

  // The plane point at the picture's top-left corner for positions of the
  // window's scroll bars (0..50).
  cornerAt(h, v) {
    return { left: this.module._dc_left_edge(h), top: this.module._dc_top_edge(v) };
  }

  // The view's moves, computed as the window computes them (see PictureView).
  unitsPerPixel(zoomPercent) {
    return this.module._dc_units_per_pixel(zoomPercent);
  }

  steppedZoom(percent, steps) {
    return this.module._dc_stepped_zoom(percent, steps);
  }

  zoomedAbout(corner, x, y, fromPercent, toPercent) {
    return this.cornerOut(this.module._dc_zoomed_about(corner.left, corner.top, x, y, fromPercent, toPercent));
  }

  dragged(corner, dx, dy, zoomPercent) {
    return this.cornerOut(this.module._dc_dragged(corner.left, corner.top, dx, dy, zoomPercent));
  }

  cornerOut(address) {
    const [left, top] = this.module.HEAPF64.subarray(address / 8, address / 8 + 2);
    return { left, top };
  }

  // The catalogue guide's lines.
  catalogue() {
    this.module._dc_catalogue();
    return this.readTexts();
  }

  // The guide line of a calculation's title (1..12); -1 for none.
  catalogueTitleLine(calculation) {
    return this.module._dc_catalogue_title_line(calculation);
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
