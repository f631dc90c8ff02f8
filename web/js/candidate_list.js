// The candidates of the last calculation as a table: number, X, Y, A, R in
// full precision and the edits that select each, in the rows' words. A click
// on a row (or Enter on it) asks the page to pick that candidate.

const THE_ANSWER = 'the answer';

export class CandidateList {
  constructor(table, onPick) {
    this.table = table;
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
      const cell = Object.assign(document.createElement('td'), { colSpan: 6, textContent: emptyText });
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
        const edits = candidate.isAnswer ? THE_ANSWER : candidate.words;
        for (const text of [candidate.number, candidate.x, candidate.y, candidate.a, candidate.r, edits]) {
          row.append(Object.assign(document.createElement('td'), { textContent: text }));
        }
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
