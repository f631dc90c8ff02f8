"""The package's result types: the texts as dicts, the numbers as named tuples."""

from typing import NamedTuple, NotRequired, Optional, TypedDict


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
