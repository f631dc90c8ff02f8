"""draftcalc: the calculation engine of the draftcalc calculator.

The same captions as the window and draftcalc-cli, to the character, and
every answer of each construction (the candidates)::

    >>> import draftcalc
    >>> draftcalc.calculate({"x1": 0, "y1": 0, "d1": 8, "x2": 3, "y2": 4, "d2": 8})
    {'ansX': '0', 'ansY': '0', 'ansA': '53.1301', 'ansR': '', 'ansRem': ''}
    >>> draftcalc.calculate_numbers({"x1": 0, "y1": 0, "d1": 8, "x2": 3, "y2": 4, "d2": 8}).a
    53.1301

calculate(boxes) gives the five captions, candidates(boxes) every answer of
the construction with the box edits that select it, calculate_many(records)
the captions of many records, lazily and fast; calculate_numbers,
candidates_numbers and calculate_many_numbers give the same as numbers.
calculate_frame(frame) and candidates_frame(frame) calculate every row of a
pandas DataFrame. EXAMPLES holds one input for each calculation of the
catalogue.
"""

from ._draftcalc import (
    ANSWER_KEYS,
    BOX_NAMES,
    CANDIDATE_FRAME_COLUMNS,
    CANDIDATE_KEYS,
    EXAMPLES,
    EXPLANATION_KEYS,
    FRAME_COLUMNS,
    Calculations,
    NumberCalculations,
    __version__,
    calculate,
    calculate_many,
    calculate_many_numbers,
    calculate_numbers,
    candidates,
    candidates_numbers,
)
from ._frames import calculate_frame, candidates_frame
from ._types import Answer, Candidate, CandidateNumbers, Numbers

__all__ = [
    "ANSWER_KEYS",
    "BOX_NAMES",
    "CANDIDATE_FRAME_COLUMNS",
    "CANDIDATE_KEYS",
    "EXAMPLES",
    "EXPLANATION_KEYS",
    "FRAME_COLUMNS",
    "Answer",
    "Calculations",
    "Candidate",
    "CandidateNumbers",
    "NumberCalculations",
    "Numbers",
    "calculate",
    "calculate_frame",
    "calculate_many",
    "calculate_many_numbers",
    "calculate_numbers",
    "candidates",
    "candidates_frame",
    "candidates_numbers",
]
