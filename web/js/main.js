// The page: the rows, Calculate and Clear, the answer, the catalogue guide,
// the candidates and the picture, as the window has them. The session in
// draftcalc.wasm does every calculation and keeps every rule (the answer's
// freshness, picking candidates, undo, the view); this keeps the DOM and
// hands it the user's typing, clicks and keys.

import createDraftcalcModule from '../draftcalc.mjs';
import { CandidateList } from './candidate_list.js';
import { CAPTION_KEYS, CHANGE, Engine } from './engine.js';
import { InputRows } from './input_rows.js';
import { Language } from './language.js';
import { Picture } from './picture.js';

const isInput = (element) => element instanceof HTMLInputElement;

class Page {
  constructor(engine, language) {
    this.engine = engine;
    this.language = language;
    this.rows = new InputRows(document.getElementById('rows'), document.querySelector('.column-captions'));
    this.answers = CAPTION_KEYS.map((key) => document.getElementById(`answer-${key}`));
    this.candidateList = new CandidateList(document.getElementById('candidates'), (number) => this.pick(number), language);
    this.catalogue = document.getElementById('catalogue');
    this.calculationName = document.getElementById('calculation-name');
    this.zoomFigure = document.getElementById('zoom');
    this.cursorReadOut = document.getElementById('cursor');
    this.help = document.getElementById('help');
    this.reason = document.getElementById('reason');
    this.fixButton = document.getElementById('apply-fix');
    this.candidates = [];
    this.markers = [];

    this.languageChoice = document.getElementById('language');
    this.languageChoice.value = language.code;
    this.languageChoice.addEventListener('change', () => this.useLanguage(this.languageChoice.value));
    language.apply(document);
    engine.setLanguage(language.code);
    this.showCatalogue();
    this.state = engine.shown();
    this.rows.setTexts(this.state.boxes);
    document.getElementById('calculate').addEventListener('click', () => this.calculate());
    document.getElementById('clear').addEventListener('click', () => this.show(this.engine.clear()));
    document.getElementById('fit').addEventListener('click', () => this.picture.fit());
    document.getElementById('help-button').addEventListener('click', () => this.showHelp());
    document.getElementById('export-svg').addEventListener('click', () => this.exportSvg());
    this.fixButton.addEventListener('click', () => {
      if (!this.state.outOfDate) this.show(this.engine.applyFix());
    });
    this.useAsRowButtons = [...document.querySelectorAll('#use-as-row button')];
    for (const button of this.useAsRowButtons) {
      button.addEventListener('click', () => this.show(this.engine.useAsRow(this.state.picked, Number(button.dataset.row))));
    }
    const form = document.getElementById('rows');
    form.addEventListener('keydown', (event) => {
      if (event.key === 'Enter') {
        event.preventDefault();
        this.calculate();
      }
    });
    form.addEventListener('input', () => this.typed());
    document.addEventListener('keydown', (event) => this.key(event));
    this.picture = new Picture(document.getElementById('picture'), engine, {
      markers: () => (this.state.outOfDate ? [] : this.markers),
      onPick: (number) => this.pick(number),
      onView: () => this.showView(),
      onPointer: (x, y) => this.showPointer(x, y),
    });
  }

  // The titles in the page's language; the guide lines read the same in both.
  showCatalogue() {
    this.catalogue.replaceChildren(
      ...this.engine
        .catalogue()
        .map((line) => Object.assign(document.createElement('li'), { textContent: this.language.tr(line) })),
    );
  }

  // Every text again in the other language, without a reload: the rows, the
  // answer, the picture and the candidates stay.
  useLanguage(code) {
    this.language.set(code);
    this.engine.setLanguage(code);
    this.help.querySelector('.help-text').replaceChildren(); // written again in the new language when shown
    this.state = this.engine.shown();
    this.language.apply(document);
    this.showCatalogue();
    this.showAnswers();
    this.candidateList.show(this.candidates, this.state.failed ? this.language.text('noCandidates') : '');
    this.candidateList.select(this.state.picked);
    this.showCalculation(this.state.calculation);
    this.showReason();
    this.rows.showReadings(this.state.readings);
    this.showUseAsRow();
  }

  // The captions as the calculation wrote them; the remark in the page's
  // language, the original in its title where they differ.
  showAnswers() {
    CAPTION_KEYS.forEach((key, i) => (this.answers[i].value = this.state.captions[key]));
    const remark = this.state.captions.remark;
    const output = this.answers[CAPTION_KEYS.indexOf('remark')];
    output.value = this.language.tr(remark);
    output.title = output.value === remark ? '' : remark;
  }

  calculate() {
    this.engine.calculate(this.rows.texts());
    this.show(CHANGE.calculated);
  }

  typed() {
    this.engine.type(this.rows.texts());
    this.show(CHANGE.none);
  }

  // A candidate picked by a click or the keys: its edits written and
  // calculated (the session decides), the list's row selected.
  pick(number) {
    if (this.state.outOfDate) return;
    this.show(this.engine.pick(number));
  }

  step(step) {
    if (this.engine.step(step, true) !== 0) this.show(CHANGE.calculated);
  }

  // Shows what the session says after a change: the rows it set, the result
  // and its candidates, whether they are current, the view.
  show(change) {
    this.state = this.engine.shown();
    if (change !== CHANGE.none) {
      this.rows.setTexts(this.state.boxes);
      this.showAnswers();
      this.candidates = this.engine.candidates();
      this.markers = this.engine.markerPoints(this.candidates.length);
      this.candidateList.show(this.candidates, this.state.failed ? this.language.text('noCandidates') : '');
      this.showCalculation(this.state.calculation);
      this.showReason();
    }
    this.rows.showReadings(this.state.readings);
    this.candidateList.select(this.state.picked);
    const answers = document.querySelector('.answers');
    answers.classList.toggle('out-of-date', this.state.outOfDate);
    answers.classList.toggle('failed', this.state.failed);
    this.reason.classList.toggle('out-of-date', this.state.outOfDate);
    this.fixButton.disabled = this.state.outOfDate;
    this.candidateList.setOutOfDate(this.state.outOfDate);
    this.showUseAsRow();
    this.picture?.redraw();
    if (change !== CHANGE.none) this.showView();
  }

  // "Use as row 1 2 3": the candidate picked into a row, while current.
  showUseAsRow() {
    for (const button of this.useAsRowButtons ?? []) {
      button.disabled = this.state.outOfDate || this.state.picked === 0;
      button.title = this.language.text('useAsRowTitle', Number(button.dataset.row) + 1);
    }
  }

  // Why there is no answer, under the answers, with the one-click fix.
  showReason() {
    const { why, fix, failed } = this.state;
    this.reason.hidden = !failed || why === '';
    this.reason.querySelector('.why').textContent = this.language.text('noAnswer', why);
    this.fixButton.hidden = fix === '';
    this.fixButton.textContent = this.language.text('use', fix);
    this.fixButton.title = this.language.text('useTitle', fix);
  }

  // The guide's lines of the calculation that ran, marked and in view.
  showCalculation(calculation) {
    const title = this.engine.catalogueTitleLine(calculation);
    [...this.catalogue.children].forEach((line, i) => line.classList.toggle('ran', title >= 0 && i >= title && i < title + 4));
    this.calculationName.textContent = this.language.tr(this.state.calculationTitle);
    // The title at the top of the guide, its three lines under it.
    if (title >= 0) this.catalogue.scrollTop = this.catalogue.children[title].offsetTop;
  }

  showView() {
    this.zoomFigure.textContent = `${this.engine.zoomPercent()}%`;
    if (this.pointer) this.showPointer(this.pointer.x, this.pointer.y);
  }

  showPointer(x, y) {
    this.pointer = x === null ? null : { x, y };
    this.cursorReadOut.textContent = x === null ? '' : this.engine.readOuts(x, y).cursor;
  }

  // The window's keys: Ctrl+Z and Ctrl+Shift+Z / Ctrl+Y undo and redo what
  // the program did to the rows (in a box just typed into, the browser's own
  // undo of the typing goes first); Ctrl+Down / Ctrl+Up step through the
  // candidates; F1 opens the help; F fits the picture outside the boxes.
  key(event) {
    const ctrl = event.ctrlKey || event.metaKey;
    const inBox = isInput(document.activeElement);
    const letter = event.key.toLowerCase();
    if (ctrl && letter === 'z' && !event.shiftKey) {
      if (inBox && this.state.typedSinceProgramEdit) return;
      event.preventDefault();
      this.show(this.engine.undo());
    } else if (ctrl && (letter === 'y' || (letter === 'z' && event.shiftKey))) {
      if (inBox && this.state.typedSinceProgramEdit) return;
      event.preventDefault();
      this.show(this.engine.redo());
    } else if (ctrl && (event.key === 'ArrowDown' || event.key === 'ArrowUp')) {
      event.preventDefault();
      this.step(event.key === 'ArrowDown' ? 1 : -1);
    } else if (event.key === 'F1') {
      event.preventDefault();
      this.showHelp();
    } else if (!ctrl && !inBox && letter === 'f' && !this.help.open) {
      event.preventDefault();
      this.picture.fit();
    }
  }

  showHelp() {
    const text = this.help.querySelector('.help-text');
    if (text.childElementCount === 0) text.innerHTML = this.engine.help(); // the module's own text, escaped there
    if (!this.help.open) this.help.showModal();
  }

  exportSvg() {
    const link = Object.assign(document.createElement('a'), {
      href: URL.createObjectURL(new Blob([this.engine.svg()], { type: 'image/svg+xml' })),
      download: 'draftcalc.svg',
    });
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
  }
}

// The translations, built from the window's (i18n/*.ts); without them the
// page shows its texts as written.
async function loadTranslations() {
  try {
    const response = await fetch(new URL('../translations.json', import.meta.url));
    return response.ok ? await response.json() : {};
  } catch {
    return {};
  }
}

async function start() {
  const [engine, translations] = await Promise.all([Engine.load(createDraftcalcModule), loadTranslations()]);
  window.draftcalcPage = new Page(engine, new Language(translations, globalThis.PAGE_TEXTS ?? {}));
  const main = document.getElementById('calculator');
  main.setAttribute('aria-busy', 'false');
  document.body.dataset.ready = 'true';
  performance.mark('draftcalc-interactive');
}

start();
