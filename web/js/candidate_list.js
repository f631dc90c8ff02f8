// The candidates of the last calculation as a table, as the window lists
// them: number; X, Y, A, R and the touching points to 10 significant digits,
// a line each (every digit in the row's title); the edits that select each,
// in the rows' words. A click
// on a row (or Enter on it) asks the page to pick that candidate.

// The list's figure: 10 significant digits, trailing zeros dropped (5, not
// 5.000000000000002); the row's title keeps every digit.
export const shortNumber = (text) => (text === '' ? '' : String(parseFloat(Number(text).toPrecision(10))));

// "X 28.66", "Y 5", "R 5", "T1 25, 0": the values a candidate has, labelled,
// each number through `number`; as the window's list shows them.
function valueLines(candidate, number) {
  const values = ['X', 'Y', 'A', 'R']
    .map((name) => [name, candidate[name.toLowerCase()]])
    .filter(([, text]) => text !== '')
    .map(([name, text]) => `${name} ${number(text)}`);
  const touches = candidate.touch.map(([x, y], t) => `T${t + 1} ${number(x)}, ${number(y)}`);
  return [...values, ...touches];
}

export class CandidateList {
  // `language`: the page's (language.js), for the list's own words.
  constructor(table, onPick, language) {
    this.table = table;
    this.language = language;
    this.body = table.tBodies[0];
    this.onPick = onPick;
    this.body.addEventListener('click', (event) => this.pickRowOf(event.target));
    this.body.addEventListener('keydown', (event) => {
      if (event.key === 'Enter' || event.key === ' ') {
        event.preventDefault();
        this.pickRowOf(event.target);
      }
    });
  }

  // `emptyText`: what the list says when there are no candidates ('' for nothing).
  show(candidates, emptyText = '') {
    if (candidates.length === 0 && emptyText !== '') {
      const cell = Object.assign(document.createElement('td'), { colSpan: 3, textContent: emptyText });
      const row = document.createElement('tr');
      row.className = 'empty';
      row.append(cell);
      this.body.replaceChildren(row);
      return;
    }
    this.body.replaceChildren(
      ...candidates.map((candidate) => {
        const row = document.createElement('tr');
        row.dataset.number = candidate.number;
        row.tabIndex = 0;
        row.classList.toggle('answer', candidate.isAnswer);
        const edits = candidate.isAnswer ? this.language.text('theAnswer') : this.language.tr(candidate.words);
        for (const text of [candidate.number, valueLines(candidate, shortNumber).join('\n'), edits]) {
          row.append(Object.assign(document.createElement('td'), { textContent: text }));
        }
        row.title = this.language.text('candidate', candidate.number, [...valueLines(candidate, (text) => text), edits].join('; '));
        return row;
      }),
    );
  }

  // Marks candidate `number` (0: none) as the selected one.
  select(number) {
    for (const row of this.body.rows) row.setAttribute('aria-selected', String(Number(row.dataset.number) === number));
  }

  // While the rows differ from the ones calculated, the list is greyed and
  // cannot be picked from: the edits belong to other rows.
  setOutOfDate(outOfDate) {
    this.table.classList.toggle('out-of-date', outOfDate);
    this.outOfDate = outOfDate;
  }

  pickRowOf(target) {
    const row = target.closest('tr');
    if (!row || !row.dataset.number || this.outOfDate) return;
    this.onPick(Number(row.dataset.number));
  }
}
