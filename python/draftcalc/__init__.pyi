# The types of the draftcalc package. The docstrings are those of the module
# itself (a test keeps the two the same).
from typing import Final, Iterable, Iterator, Literal, Mapping, NamedTuple, NotRequired, Optional, TypedDict, Union

import pandas

__version__: Final[str]

BoxText = Union[str, int, float]
"""A box text: a str as typed, or an int or a float written as repr writes it."""

Boxes = Mapping[str, BoxText]
"""Box names ("x1" .. "s3", either case) to texts; boxes not given keep their start-up texts."""

ANSWER_KEYS: Final[tuple[str, ...]]
"""("ansX", "ansY", "ansA", "ansR", "ansRem"): the keys of an Answer, in order."""

EXPLANATION_KEYS: Final[tuple[str, ...]]
"""("why", "fix"): the keys explain=True adds to an Answer, in order."""

CANDIDATE_KEYS: Final[tuple[str, ...]]
"""("cand", "candX", "candY", "candA", "candR", "candSet", "touch"): the keys of a Candidate, in order."""

BOX_NAMES: Final[tuple[str, ...]]
"""The 24 box names in box order: "x1", "y1", "d1", "a1", "b1", "c1", "r1", "s1", "x2", ... "s3"."""

EXAMPLES: Final[dict[str, dict[str, str]]]
"""One input per catalogue calculation, all 24 boxes: {"1.1 angle of two points": {"x1": "0", ...}, ...}."""

FRAME_COLUMNS: Final[tuple[str, ...]]
"""("ansX", "ansY", "ansA", "ansR", "ansRem", "ansCalc"): the columns calculate_frame adds, in order."""

CANDIDATE_FRAME_COLUMNS: Final[tuple[str, ...]]
"""FRAME_COLUMNS, then "cand", "candX", ... "candSet", "candT1X" .. "candT3Y": the columns candidates_frame adds."""

class Answer(TypedDict):
    """The five captions of a calculation, as calculate gives them; with explain=True also why and fix."""

    ansX: str
    ansY: str
    ansA: str
    ansR: str
    ansRem: str
    why: NotRequired[str]
    fix: NotRequired[str]

class Candidate(TypedDict):
    """One answer of the construction, as candidates gives it."""

    cand: str
    candX: str
    candY: str
    candA: str
    candR: str
    candSet: str
    touch: list[tuple[float, float]]

class Numbers(NamedTuple):
    """A calculation's answer as numbers, as calculate_numbers gives it.

    x, y, a, r: the captions X, Y, A, R read as floats (float(caption)), None
    where the caption is empty; remark: the remark ("" for an answer);
    calculation: the catalogue number of the calculation that ran ("3.4"), ""
    when the D codes choose none; texts: the captions as calculate gives them,
    to the character (with explain=True also why and fix).
    """

    x: Optional[float]
    y: Optional[float]
    a: Optional[float]
    r: Optional[float]
    remark: str
    calculation: str
    texts: Answer


class CandidateNumbers(NamedTuple):
    """One answer of the construction as numbers, as candidates_numbers gives it.

    number: its number (1 .. n); x, y: its point; a: its direction in degrees,
    None where the calculation has no angle; r: its radius, None where it is
    no circle (each the --all field read as a float, the same double); edits:
    the box edits that select it (candSet: "" for the answer as given, "-"
    when no edits give it, "+" for a construction no calculation gives);
    touch: its touching points as (x, y) floats; calculation: the catalogue
    number of the calculation that gives it ("" for a construction no
    calculation gives: a fillet, a circle through a point touching a line, a
    foot of a perpendicular);
    texts: the candidate as candidates gives it, to the character.
    """

    number: int
    x: float
    y: float
    a: Optional[float]
    r: Optional[float]
    edits: str
    touch: list[tuple[float, float]]
    calculation: str
    texts: Candidate

def calculate(
    boxes: Boxes, *, explain: bool = False, strict: bool = False, lang: Literal["en", "ja"] = "en"
) -> Answer:
    """calculate(boxes, *, explain=False, strict=False, lang="en") -> dict[str, str]

    The five captions of one calculation, as the window shows them after
    Calculate and draftcalc-cli writes them: "ansX", "ansY", "ansA", "ansR" (a
    number text or "") and "ansRem" (the remark: "", or a short Japanese message
    when there is no answer).

    boxes maps box names to texts: x1 y1 d1 a1 b1 c1 r1 s1 are the columns X, Y,
    D, A, B, C, R, S of row 1, then x2 .. s2 and x3 .. s3, in either case. A box
    not given keeps the window's start-up text: X and Y "0.000", D of row 3 "99",
    every other box empty. A str is read as the window reads a typed box (its
    longest leading number: "3,5" is 3, "" and "abc" are 0); an int or a float
    stands for the text int and float write for it (repr: 0.1 is "0.1", 1e-7
    is "1e-07", 10**20 is "100000000000000000000").

    With explain=True the dict has two more keys: "why", the reason there is a
    remark instead of an answer, in one sentence with the numbers that decide it
    ("the centres are 20 apart; radii 5 + 5 reach 10: 10 short"), and "fix", the
    nearest input that gives an answer as box words ("r1=15"), the smallest
    change of one box to the captions' four decimals; both "" for an answer,
    "fix" "" when no one box edit gives one. lang="ja" gives "why" in Japanese
    ("中心間は 20。半径 5 + 5 で届くのは 10: 10 足りません"); the remark and the
    fix are the same in both.

    Raises TypeError when boxes is not a mapping, a name is not a str, or a text
    is not a str, int or float (True and False are refused); ValueError when a
    name is no box, a box is given twice ("x1" and "X1") or a float is infinite
    or NaN or lang is neither "en" nor "ja", and with strict=True when a box
    text is not read whole as a number
    ('r2 "8,5" is read as 8': text after the number, a decimal comma, a text
    with no number, a number beyond the double range).
    """

def candidates(boxes: Boxes) -> list[Candidate]:
    """candidates(boxes) -> list[dict[str, str | list[tuple[float, float]]]]

    Every answer of the construction the boxes ask for, in the candidates'
    order, each as the fields draftcalc-cli --all writes: "cand" its number
    ("1" .. "n"); "candX", "candY" its point; "candA" its direction in degrees
    in (-180, 180] where the calculation has an angle, else ""; "candR" its
    radius where it is a circle, else ""; numbers as the shortest text that
    reads back to the same double. "candSet" holds the box edits that make the
    calculation show it ("r3=-10 s3=-1", a line walked the other way
    "a1=225 b1=-5"): "" for the answer of the boxes as given, "-" when no edits
    give it. "touch" lists where the answer touches the elements it was made
    to touch, as (x, y) floats in full precision, in row order (draftcalc-cli's
    candT1X .. candT3Y): a tangent line's touching points on its circles, an
    answer circle's on each line, circle and tangent it touches; [] for
    intersections, the angle of two points and the circle through three
    points. An empty list when the construction has no candidates (where
    draftcalc-cli writes one record with cand "0").

    The boxes as for calculate, with the same errors. The search runs without
    the GIL: other Python threads run meanwhile.
    """

class Calculations(Iterator[Answer]):
    """The iterator calculate_many returns: one answer dict per record."""

    def __iter__(self) -> Calculations: ...
    def __next__(self) -> Answer: ...

def calculate_many(
    records: Iterable[Boxes], *, explain: bool = False, strict: bool = False, lang: Literal["en", "ja"] = "en"
) -> Calculations:
    """calculate_many(records, *, explain=False, strict=False, lang="en") -> Calculations

    calculate for each mapping of boxes that the iterable records yields, in
    order, explain, strict and lang as there: the same answers as
    map(calculate, records), one element table
    serving all records. The iterator takes the next record only when asked
    for its answer, so a stream of any length runs in constant memory.

    A record that cannot be read raises as calculate would, its number (from 0)
    in front of the message ("record 3: 'x4' is not an input box ..."); asked
    again, the iterator goes on with the next record. TypeError at once when
    records is not iterable.
    """

def calculate_numbers(
    boxes: Boxes, *, explain: bool = False, strict: bool = False, lang: Literal["en", "ja"] = "en"
) -> Numbers:
    """calculate_numbers(boxes, *, explain=False, strict=False, lang="en") -> Numbers

    calculate's answer as numbers: a Numbers named tuple (x, y, a, r, remark,
    calculation, texts). x, y, a and r are the captions read as floats, the
    same doubles float() reads from the texts calculate gives (53.1301 for
    "53.1301"), None where the caption is empty; remark is the remark ("" for
    an answer); calculation is the catalogue number of the calculation that
    ran ("3.4"), "" when the D codes choose none; texts is the dict calculate
    gives for the same boxes, to the character (with explain=True also "why"
    and "fix").

    The boxes, options and errors as for calculate.
    """

def candidates_numbers(boxes: Boxes) -> list[CandidateNumbers]:
    """candidates_numbers(boxes) -> list[CandidateNumbers]

    candidates as numbers: one CandidateNumbers named tuple per candidate, in
    the same order (number, x, y, a, r, edits, touch, calculation, texts).
    number is cand as an int; x, y, a, r are candX, candY, candA, candR read as
    floats (the same doubles: those texts are the shortest that read back to
    them), a and r None where the field is empty; edits is candSet; touch the
    touching points as (x, y) floats; calculation the catalogue number of the
    calculation that gives the candidate ("3.1"); texts the dict candidates
    gives. An empty list when there are none.

    The boxes and errors as for candidates; the search runs without the GIL.
    """

class NumberCalculations(Iterator[Numbers]):
    """The iterator calculate_many_numbers returns: one Numbers per record."""

    def __iter__(self) -> NumberCalculations: ...
    def __next__(self) -> Numbers: ...

def calculate_many_numbers(
    records: Iterable[Boxes], *, explain: bool = False, strict: bool = False, lang: Literal["en", "ja"] = "en"
) -> NumberCalculations:
    """calculate_many_numbers(records, *, explain=False, strict=False, lang="en") -> NumberCalculations

    calculate_many giving each answer as calculate_numbers gives it: a Numbers
    per record, in order, lazily, with the same errors.
    """

def calculate_frame(frame: pandas.DataFrame, *, texts: bool = False, copy: bool = True) -> pandas.DataFrame:
    """calculate_frame(frame, *, texts=False, copy=True) -> pandas.DataFrame

    Every row of a pandas DataFrame calculated: the frame's columns, then
    ansX, ansY, ansA, ansR (float64: the captions read as numbers, NaN where
    a caption is empty), ansRem (str: the remark, "" for an answer) and
    ansCalc (str: the catalogue number of the calculation that ran, "3.4",
    "" when the D codes choose none), under the frame's own index. With
    texts=True the columns are those draftcalc-cli writes for the same CSV:
    the frame's columns, then ansX .. ansRem as the captions' texts (str),
    without ansCalc.

    The box columns are those named x1 .. s3 (either case; any of them,
    other columns kept as they are); a box that no column feeds keeps its
    start-up text, as in draftcalc-cli. Columns named as those written
    (ansX .. ansRem, and ansCalc without texts) are replaced. A cell of a
    box column gives the box text: a str as it is (read as the window reads
    a typed box); a missing cell (None, NaN, pandas.NA) an empty box; an int
    its digits; a float a text that reads back to it (1.5 is "1.5", 1e-07
    "1e-07": the value repr writes), a whole one without a point (8.0 is
    "8", a D code as the int 8 is: pandas holds a column of ints with a
    missing cell as floats). To keep each text exactly as a CSV file has it
    ("3.0" is no D code), read the file with dtype=str and
    keep_default_na=False.

    Raises TypeError for a frame that is no DataFrame or a cell of another
    type (a bool, bytes), naming its row (from 0) and column; ValueError for
    an infinite float, and when the columns name no box, name one twice
    ("x1" and "X1") or would name one but for blanks (" x1"). The rows are
    calculated in C++ without the GIL. Needs pandas (apt-get install
    python3-pandas); the package imports without it.

    The frame is left as it is. Its columns in the result are copies, as
    with pandas' own copy=True; copy=False saves copying them when every
    column is kept: the result then shares them with the frame (as
    frame.copy(deep=False) does), so that a cell changed in place in one
    changes in the other.
    """

def candidates_frame(frame: pandas.DataFrame) -> pandas.DataFrame:
    """candidates_frame(frame) -> pandas.DataFrame

    Every answer of each row's construction, one row per candidate as
    draftcalc-cli --all writes them, with numbers: the frame's columns
    (repeated for each candidate, under the row's own index), the columns
    of calculate_frame, then cand (int64: 1 .. n; 0 on the one row of a
    row without candidates), candX, candY, candA, candR (float64, NaN where
    the field is empty), candSet (str: the box edits that select it) and
    candT1X .. candT3Y (float64: the touching points, NaN where there are
    fewer). The columns, cells and errors as for calculate_frame; the
    search runs without the GIL.
    """
