# The types of the draftcalc package. The docstrings are those of the module
# itself (a test keeps the two the same).
from typing import Final, Iterable, Iterator, Literal, Mapping, NotRequired, TypedDict, Union

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
