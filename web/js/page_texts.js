// The page's own texts, by key, as the page writes them into its elements
// (data-tr, data-tr-title, data-tr-label) and its messages. Marked for the
// translations: lupdate reads this file into i18n/*.ts with the window's
// texts, and the build turns those into translations.json. Plain script
// syntax (no modules), the syntax lupdate's reader takes; loaded before the
// page's modules.
var QT_TRANSLATE_NOOP = function (context, text) {
  return text;
};
var PAGE_TEXTS = {
  inputRows: QT_TRANSLATE_NOOP('draftcalc', 'Input rows'),
  calculate: QT_TRANSLATE_NOOP('draftcalc', '計算'),
  clear: QT_TRANSLATE_NOOP('draftcalc', 'クリア'),
  help: QT_TRANSLATE_NOOP('draftcalc', 'Help'),
  helpTitle: QT_TRANSLATE_NOOP('draftcalc', 'Help (F1)'),
  closeHelp: QT_TRANSLATE_NOOP('draftcalc', 'Close the help'),
  language: QT_TRANSLATE_NOOP('draftcalc', 'Language'),
  catalogue: QT_TRANSLATE_NOOP('draftcalc', 'Catalogue: what to type for each calculation'),
  answer: QT_TRANSLATE_NOOP('draftcalc', 'Answer'),
  remark: QT_TRANSLATE_NOOP('draftcalc', '備考'),
  fit: QT_TRANSLATE_NOOP('draftcalc', 'Fit'),
  fitTitle: QT_TRANSLATE_NOOP('draftcalc', 'Zoom to fit (F)'),
  zoom: QT_TRANSLATE_NOOP('draftcalc', 'Zoom'),
  exportSvg: QT_TRANSLATE_NOOP('draftcalc', 'Export SVG'),
  exportSvgTitle: QT_TRANSLATE_NOOP('draftcalc', 'The drawing as draftcalc-cli calc --all --svg writes it'),
  picture: QT_TRANSLATE_NOOP('draftcalc', 'Drawing of the rows, the answer and the candidates'),
  candidates: QT_TRANSLATE_NOOP('draftcalc', 'Candidates'),
  number: QT_TRANSLATE_NOOP('draftcalc', 'No.'),
  selectWith: QT_TRANSLATE_NOOP('draftcalc', 'Select with'),
  theAnswer: QT_TRANSLATE_NOOP('draftcalc', 'the answer'),
  notReachable: QT_TRANSLATE_NOOP('draftcalc', 'not reachable with these rows'),
  constructionOnly: QT_TRANSLATE_NOOP('draftcalc', 'construction only'),
  useAsRow: QT_TRANSLATE_NOOP('draftcalc', 'Use as row'),
  useAsRowTitle: QT_TRANSLATE_NOOP('draftcalc', 'Writes the candidate picked into row %1 as the element it is; Ctrl+Z brings the row back'),
  candidate: QT_TRANSLATE_NOOP('draftcalc', 'Candidate %1: %2'),
  noCandidates: QT_TRANSLATE_NOOP('draftcalc', 'No candidates: the construction has no answer for these rows.'),
  noAnswer: QT_TRANSLATE_NOOP('draftcalc', 'No answer: %1'),
  use: QT_TRANSLATE_NOOP('draftcalc', 'Use %1'),
  useTitle: QT_TRANSLATE_NOOP('draftcalc', 'Writes %1 into the rows and calculates; Ctrl+Z brings the rows back'),
};
