// The page: the rows, Calculate and Clear, the answer, the catalogue guide,
// the candidates and the picture, as the window has them. Every answer,
// candidate and figure comes from the C++ engine in draftcalc.wasm.

import createDraftcalcModule from '../draftcalc.mjs';
import { CandidateList } from './candidate_list.js';
import { CAPTION_KEYS, Engine } from './engine.js';
import { InputRows } from './input_rows.js';
import { Picture } from './picture.js';
import { PictureView } from './picture_view.js';

// The window's scroll bars at start-up: the view's top-left corner.
const START_SCROLL = { h: 20, v: 30 };

class Page {
  constructor(engine) {
    this.engine = engine;
    this.rows = new InputRows(document.getElementById('rows'), document.querySelector('.column-captions'));
    this.answers = CAPTION_KEYS.map((key) => document.getElementById(`answer-${key}`));
    this.candidateList = new CandidateList(document.getElementById('candidates'), (number) => this.pick(number));
    this.catalogue = document.getElementById('catalogue');
    this.calculationName = document.getElementById('calculation-name');
    this.calculated = null; // the texts of the last calculation, while its answer stands
    this.candidates = [];
    this.markers = [];

    this.showCatalogue();
    this.rows.setTexts(engine.startupTexts());
    document.getElementById('calculate').addEventListener('click', () => this.calculate());
    document.getElementById('clear').addEventListener('click', () => this.clear());
    const form = document.getElementById('rows');
    form.addEventListener('keydown', (event) => {
      if (event.key === 'Enter') {
        event.preventDefault();
        this.calculate();
      }
    });
    form.addEventListener('input', () => this.rowsEdited());
    const view = new PictureView(engine, engine.cornerAt(START_SCROLL.h, START_SCROLL.v));
    this.picture = new Picture(document.getElementById('picture'), view, {
      draw: (surface, visible) => engine.redraw(this.rows.texts(), surface, visible, this.isOutOfDate()),
      markers: () => (this.isOutOfDate() ? [] : this.markers),
      onPick: (number) => this.pick(number),
    });
  }

  showCatalogue() {
    this.catalogue.replaceChildren(
      ...this.engine.catalogue().map((line) => Object.assign(document.createElement('li'), { textContent: line })),
    );
  }

  calculate() {
    const texts = this.rows.texts();
    const { captions, calculation } = this.engine.calculate(texts);
    this.candidates = this.engine.findCandidates(texts);
    this.markers = this.engine.markerPoints(this.candidates.length);
    this.calculated = texts;
    CAPTION_KEYS.forEach((key, i) => (this.answers[i].value = captions[key]));
    this.candidateList.show(this.candidates);
    this.showCalculation(calculation);
    this.rowsEdited();
  }

  // The guide's lines of the calculation that ran, marked and in view.
  showCalculation(calculation) {
    const title = this.engine.catalogueTitleLine(calculation);
    [...this.catalogue.children].forEach((line, i) => line.classList.toggle('ran', title >= 0 && i >= title && i < title + 4));
    this.calculationName.textContent = title >= 0 ? this.catalogue.children[title].textContent : '';
    // The title at the top of the guide, its three lines under it.
    if (title >= 0) this.catalogue.scrollTop = this.catalogue.children[title].offsetTop;
  }

  clear() {
    this.rows.setTexts(this.engine.startupTexts());
    this.engine.forgetResults();
    this.calculated = null;
    this.candidates = [];
    this.markers = [];
    for (const answer of this.answers) answer.value = '';
    this.candidateList.show([]);
    this.showCalculation(0);
    this.rowsEdited();
  }

  // The picture follows the rows as they are typed; the answer and the
  // candidates belong to the rows that were calculated.
  rowsEdited() {
    const outOfDate = this.isOutOfDate();
    document.querySelector('.answers').classList.toggle('out-of-date', outOfDate);
    this.candidateList.setOutOfDate(outOfDate);
    this.picture?.redraw();
  }

  isOutOfDate() {
    return this.calculated !== null && this.rows.texts().some((text, i) => text !== this.calculated[i]);
  }

  // As in the window: a reachable candidate's edits are written into the
  // rows and the rows calculated; one no edits give is only selected.
  pick(number) {
    const candidate = this.candidates[number - 1];
    if (!candidate || this.isOutOfDate()) return;
    if (candidate.edits.length > 0) {
      this.rows.apply(candidate.edits);
      this.calculate();
    }
    this.candidateList.select(number);
  }
}

async function start() {
  const engine = await Engine.load(createDraftcalcModule);
  window.draftcalcPage = new Page(engine);
  const main = document.getElementById('calculator');
  main.setAttribute('aria-busy', 'false');
  document.body.dataset.ready = 'true';
  performance.mark('draftcalc-interactive');
}

start();
