"""calculate_frame and candidates_frame: pandas DataFrames in and out.

pandas is imported only when a frame function is called, so that the
package works without it. The box columns are handed to the C++ module as
numpy arrays, which copies their cells out as box texts and calculates the
rows without the GIL.
"""

from __future__ import annotations

from typing import TYPE_CHECKING, Any

from . import _draftcalc

if TYPE_CHECKING:
    import numpy
    import pandas

PANDAS_NEEDED = (
    "{function} needs pandas, which is not installed: "
    "apt-get install python3-pandas (Debian's), or pip install pandas"
)


def _pandas(function: str) -> Any:
    try:
        import pandas
    except ImportError as error:
        raise ImportError(PANDAS_NEEDED.format(function=function), name="pandas") from error
    return pandas


def _frame_argument(pandas: Any, frame: object, function: str) -> pandas.DataFrame:
    if not isinstance(frame, pandas.DataFrame):
        raise TypeError(f"{function} takes a pandas DataFrame, not {type(frame).__name__}")
    return frame


def _cells(series: pandas.Series) -> numpy.ndarray:
    """A box column's cells as an array the module reads: objects, int64,
    uint64 or float64 (narrower numbers widened). Other types, nullable and
    string ones included, as objects with None for a missing cell."""
    import numpy

    dtype = series.dtype
    if isinstance(dtype, numpy.dtype):
        if dtype.kind == "O":
            return series.to_numpy()
        if dtype.kind == "i":
            return series.to_numpy(dtype=numpy.int64)
        if dtype.kind == "u":
            return series.to_numpy(dtype=numpy.uint64)
        if dtype.kind == "f":
            return series.to_numpy(dtype=numpy.float64)
    return series.to_numpy(dtype=object, na_value=None)


def _box_columns(frame: pandas.DataFrame, form: str) -> tuple[list[tuple[int, str, numpy.ndarray]], list[int]]:
    """The (box number, label, cells) of each box column, and the positions of the columns kept."""
    boxes, kept = _draftcalc._frame_header(list(frame.columns), form)
    columns = [(box, repr(frame.columns[position]), _cells(frame.iloc[:, position])) for position, box in boxes]
    return columns, kept


def _taken(frame: pandas.DataFrame, rows: Any, columns: list[int]) -> pandas.DataFrame:
    """The rows and columns of frame (by position) as a frame of their own,
    to which columns are added without pandas warning of a copy."""
    return frame.iloc[rows, columns].copy(deep=False)


def _with_columns(base: pandas.DataFrame, columns: dict[str, numpy.ndarray]) -> pandas.DataFrame:
    """base, which is the caller's own, with the columns added after its own."""
    for name, values in columns.items():
        base[name] = values
    return base


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
    pandas = _pandas("calculate_frame")
    frame = _frame_argument(pandas, frame, "calculate_frame")
    columns, kept = _box_columns(frame, "texts" if texts else "numbers")
    answers = _draftcalc._calculate_columns(columns, len(frame), texts, pandas.NA)
    every_column = kept == list(range(frame.shape[1]))
    return _with_columns(frame.copy(deep=copy) if every_column else _taken(frame, slice(None), kept), answers)


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
    pandas = _pandas("candidates_frame")
    frame = _frame_argument(pandas, frame, "candidates_frame")
    columns, kept = _box_columns(frame, "candidates")
    rows, answers = _draftcalc._candidate_columns(columns, len(frame), pandas.NA)
    return _with_columns(_taken(frame, rows, kept), answers)
