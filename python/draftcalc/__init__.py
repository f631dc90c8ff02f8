"""draftcalc: the calculation engine of the draftcalc calculator.

The same captions as the window and draftcalc-cli, to the character, and
every answer of each construction (the candidates)::

    >>> import draftcalc
    >>> draftcalc.calculate({"x1": 0, "y1": 0, "d1": 8, "x2": 3, "y2": 4, "d2": 8})
    {'ansX': '0', 'ansY': '0', 'ansA': '53.1301', 'ansR': '', 'ansRem': ''}

calculate(boxes) gives the five captions, candidates(boxes) every answer of
the construction with the box edits that select it, calculate_many(records)
the captions of many records, lazily and fast. EXAMPLES holds one input for
each calculation of the catalogue.
"""

from typing import NotRequired, TypedDict

from ._draftcalc import (
    ANSWER_KEYS,
    BOX_NAMES,
    CANDIDATE_KEYS,
    EXAMPLES,
    EXPLANATION_KEYS,
    Calculations,
    __version__,
    calculate,
    calculate_many,
    candidates,
)


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


__all__ = [
    "ANSWER_KEYS",
    "BOX_NAMES",
    "CANDIDATE_KEYS",
    "EXAMPLES",
    "EXPLANATION_KEYS",
    "Answer",
    "Calculations",
    "Candidate",
    "calculate",
    "calculate_many",
    "candidates",
]
