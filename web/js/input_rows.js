// The three input rows of eight boxes, with their column captions: on a
// wide screen one caption line above the rows, on a narrow one each box
// with its own caption (the style sheet decides which shows).

import { COLUMN_LETTERS, ROW_COUNT } from './engine.js';

export class InputRows {
  // `form`: the element the rows go into; `captions`: the caption line.
  constructor(form, captions) {
    for (const letter of COLUMN_LETTERS) captions.append(Object.assign(document.createElement('span'), { textContent: letter }));
    this.boxes = [];
    for (let row = 0; row < ROW_COUNT; ++row) {
      const line = Object.assign(document.createElement('fieldset'), { className: 'row' });
      line.append(Object.assign(document.createElement('legend'), { textContent: `${row + 1}` }));
      for (const letter of COLUMN_LETTERS) {
        const label = Object.assign(document.createElement('label'), { className: 'box' });
        const caption = Object.assign(document.createElement('span'), { className: 'box-caption', textContent: letter });
        const input = Object.assign(document.createElement('input'), {
          type: 'text',
          name: `${letter.toLowerCase()}${row + 1}`,
          spellcheck: false,
          autocomplete: 'off',
        });
        input.setAttribute('autocapitalize', 'off');
        input.setAttribute('enterkeyhint', 'go');
        input.setAttribute('aria-label', `${letter} ${row + 1}`);
        label.append(caption, input);
        line.append(label);
        this.boxes.push(input);
      }
      form.append(line);
    }
  }

  // The 24 texts, row by row, X to S.
  texts() {
    return this.boxes.map((box) => box.value);
  }

  // Tints each box whose text is read only in part, its tooltip saying how
  // (`readings`: 24 texts, '' for a box read whole).
  showReadings(readings) {
    readings.forEach((reading, i) => {
      const box = this.boxes[i];
      box.classList.toggle('partly-read', reading !== '');
      if (reading !== '') box.title = reading;
      else box.removeAttribute('title');
      box.setAttribute('aria-description', reading);
    });
  }

  // Sets the texts the session gives; a box whose text stays keeps its
  // own undo of the typing.
  setTexts(texts) {
    texts.forEach((text, i) => {
      if (this.boxes[i].value !== text) this.boxes[i].value = text;
    });
  }
}
