"""calculate_frame and candidates_frame: the answers of draftcalc-cli on the
same CSV, read as numbers; the columns as a frame has them; every kind of cell."""

import csv
import io
import math
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

import pytest

import draftcalc
from generated_inputs import all_boxes_records, some_boxes_records, text_of

pandas = pytest.importorskip("pandas", reason="the frame functions need pandas (apt-get install python3-pandas)")
numpy = pytest.importorskip("numpy")

RECORDS = all_boxes_records(2000, seed=24)
NUMBER_COLUMNS = ["ansX", "ansY", "ansA", "ansR"]
TWO_POINTS = {"x1": "0", "y1": "0", "d1": "8", "x2": "3", "y2": "4", "d2": "8"}


def csv_of(records, extra=True):
    """A CSV text of the records under all 24 box names, with a column of
    other data before and after them."""
    out = io.StringIO()
    writer = csv.writer(out, lineterminator="\n")
    writer.writerow(["id", *draftcalc.BOX_NAMES, "note"] if extra else draftcalc.BOX_NAMES)
    for index, record in enumerate(records):
        texts = {name.lower(): text_of(value) for name, value in record.items()}
        row = [texts.get(name, "") for name in draftcalc.BOX_NAMES]
        writer.writerow([f"r{index}", *row, "a, b"] if extra else row)
    return out.getvalue()


def read_texts(text):
    """A CSV read with every value as its text, as a user keeps them exact."""
    return pandas.read_csv(io.StringIO(text), dtype=str, keep_default_na=False)


def as_number(text):
    return float(text) if text else math.nan


def assert_numbers_equal(got, expected_texts):
    """Float columns against texts read as numbers: equal, NaN where empty."""
    expected = numpy.array([as_number(text) for text in expected_texts], dtype=float)
    mismatched = ~((got.to_numpy() == expected) | (numpy.isnan(got.to_numpy()) & numpy.isnan(expected)))
    assert not mismatched.any(), (got[mismatched].head(), expected[mismatched][:5])


@pytest.fixture(scope="module")
def cli_output(cli):
    return read_texts(cli.run([], csv_of(RECORDS)))


def test_the_answers_are_draftcalc_cli_s_read_as_numbers(cli_output):
    got = draftcalc.calculate_frame(read_texts(csv_of(RECORDS)))
    for column in NUMBER_COLUMNS:
        assert got[column].dtype == numpy.float64
        assert_numbers_equal(got[column], cli_output[column])
    assert got["ansRem"].tolist() == cli_output["ansRem"].tolist()
    assert got["ansRem"].ne("").sum() > 100 and got["ansR"].notna().sum() > 100
    assert list(got.columns) == ["id", *draftcalc.BOX_NAMES, "note", *draftcalc.FRAME_COLUMNS]


def test_texts_give_draftcalc_cli_s_output_to_the_character(cli_output):
    got = draftcalc.calculate_frame(read_texts(csv_of(RECORDS)), texts=True)
    assert got.equals(cli_output)
    assert got.to_csv(index=False, lineterminator="\n") == cli_output.to_csv(index=False, lineterminator="\n")


def test_the_calculation_column_is_the_one_calculate_numbers_names():
    records = [{name.lower(): text_of(value) for name, value in r.items()} for r in RECORDS[:300]]
    got = draftcalc.calculate_frame(pandas.DataFrame(records))
    assert got["ansCalc"].tolist() == [draftcalc.calculate_numbers(r).calculation for r in RECORDS[:300]]


def test_a_frame_read_with_pandas_own_types_gives_the_same_answers(cli):
    # Numbers as pandas reads them: float64 columns, NaN for an empty cell.
    # Left out: the odd texts (pandas reads "1e400" as inf) and D codes
    # written with a point ("3.0" is no code, but pandas reads it as 3.0,
    # which the frame writes "3").
    def plain(name, value):
        text = text_of(value)
        return text == "" or text.lstrip("-").replace(".", "", name[0].lower() != "d").isdigit()

    records = [r for r in all_boxes_records(1500, seed=25) if all(plain(n, v) for n, v in r.items())]
    assert len(records) > 500
    text = csv_of(records, extra=False)
    frame = pandas.read_csv(io.StringIO(text))
    assert {frame[c].dtype.kind for c in frame.columns} >= {"i", "f"}
    expected = read_texts(cli.run([], text))
    got = draftcalc.calculate_frame(frame)
    for column in NUMBER_COLUMNS:
        assert_numbers_equal(got[column], expected[column])
    assert got["ansRem"].tolist() == expected["ansRem"].tolist()


def test_some_columns_in_any_case_with_others_kept_in_order(cli):
    records = some_boxes_records(300, seed=26)
    got_rows = []
    for record in records:
        frame = pandas.DataFrame({"before": ["b"], **{name.upper(): [text_of(v)] for name, v in record.items()},
                                  "after": [1]}, index=["only"])
        got = draftcalc.calculate_frame(frame) if record else None
        if got is None:
            continue
        assert list(got.columns) == list(frame.columns) + list(draftcalc.FRAME_COLUMNS)
        assert list(got.index) == ["only"] and got["after"].tolist() == [1]
        got_rows.append((record, got.iloc[0]))
    expected = [cli.calc(record) for record, _ in got_rows]
    for (record, row), captions in zip(got_rows, expected):
        for column in NUMBER_COLUMNS:
            assert (row[column] == as_number(captions[column])) or (math.isnan(row[column]) and not captions[column])
        assert row["ansRem"] == captions["ansRem"], record


def test_answer_columns_already_there_are_replaced():
    frame = pandas.DataFrame({"ansX": ["old"], **{k: [v] for k, v in TWO_POINTS.items()}, "ansCalc": ["old"]})
    got = draftcalc.calculate_frame(frame)
    assert list(got.columns) == list(TWO_POINTS) + list(draftcalc.FRAME_COLUMNS)
    assert got.loc[0, "ansA"] == 53.1301 and got.loc[0, "ansCalc"] == "1.1"
    # As draftcalc-cli: its own columns replaced, ansCalc passed on.
    assert list(draftcalc.calculate_frame(frame, texts=True).columns) == [
        *TWO_POINTS, "ansCalc", *draftcalc.ANSWER_KEYS]


# How each kind of cell becomes a box text: the answer of the cell equals
# that of the text.
CELLS = [
    ("str", "1.5", "1.5"),
    ("float", 1.5, "1.5"),
    ("small float", 1e-7, "1e-07"),
    ("float of many digits", 0.1 + 0.2, "0.30000000000000004"),
    ("negative zero", -0.0, "0"),
    ("whole float", 8.0, "8"),
    ("large float", 1.5e300, "1.5e+300"),
    ("int", 8, "8"),
    ("int beyond 64 bits", 10**20, "100000000000000000000"),
    ("numpy int", numpy.int64(-3), "-3"),
    ("numpy float", numpy.float64(2.25), "2.25"),
    ("None", None, ""),
    ("NaN", math.nan, ""),
    ("pandas.NA", pandas.NA, ""),
    ("text no number", "abc", "abc"),
    ("full-width digits", "１２", "１２"),
]


@pytest.mark.parametrize("cell, text", [(cell, text) for _, cell, text in CELLS], ids=[name for name, *_ in CELLS])
def test_a_cell_stands_for_its_text(cell, text):
    for example in [TWO_POINTS, draftcalc.EXAMPLES["1.2 tangent point-circle"]]:
        for box in ["x2", "r2", "a1"]:
            frame = pandas.DataFrame({**{k: [v] for k, v in example.items()}, box: pandas.Series([cell], dtype=object)})
            got = draftcalc.calculate_frame(frame, texts=True)
            assert got.loc[0, list(draftcalc.ANSWER_KEYS)].tolist() == list(
                draftcalc.calculate({**example, box: text}).values()), (box, example)


def test_a_whole_float_is_a_code_as_its_int_is():
    # pandas keeps an int column with a missing cell as floats: its D codes
    # must stay codes (a float's repr, "0.0", is none: calculate reads it as a point).
    codes = pandas.DataFrame({"d1": [0.0, 8.0, math.nan], "r1": 10.0, "x2": 20, "d2": [0, 0, 0], "r2": 15})
    got = draftcalc.calculate_frame(codes)
    assert got.equals(draftcalc.calculate_frame(codes.assign(d1=["0", "8", ""])).assign(d1=codes["d1"]))
    assert got["ansCalc"].tolist() == ["1.3", "1.2", "1.2"]  # two circles, then a point and a circle
    assert draftcalc.calculate_numbers({"d1": 0.0, "r1": 10.0, "x2": 20, "d2": 0, "r2": 15}).calculation == "1.2"


@pytest.mark.parametrize(
    "column, expected",
    [
        (pandas.Series([3, None], dtype="Int64"), ["3", ""]),
        (pandas.Series(["3", None], dtype="string"), ["3", ""]),
        (pandas.Series(["3", "4"], dtype="category"), ["3", "4"]),
        (pandas.Series([3.5, 4.0], dtype="float32"), ["3.5", "4"]),
        (pandas.Series([3, 4], dtype="uint8"), ["3", "4"]),
        (pandas.Series([3.5, math.nan]), ["3.5", ""]),
    ],
    ids=["nullable Int64", "string", "category", "float32", "uint8", "float64 with NaN"],
)
def test_every_column_type_gives_the_texts_of_its_values(column, expected):
    frame = pandas.DataFrame({"d1": "8", "x2": column, "y2": "4", "d2": "8"})
    got = draftcalc.calculate_frame(frame)
    assert got["ansA"].tolist() == [draftcalc.calculate_numbers({"d1": "8", "x2": t, "y2": "4", "d2": "8"}).a
                                    for t in expected]


@pytest.mark.parametrize(
    "cell, error, message",
    [
        (True, TypeError, "row 1, column 'R2': a cell must be a str, an int, a float or missing (None, NaN), not bool"),
        (b"1", TypeError, "row 1, column 'R2': a cell must be a str, an int, a float or missing (None, NaN), not bytes"),
        (math.inf, ValueError, "row 1, column 'R2': inf is not a finite number"),
        (-math.inf, ValueError, "row 1, column 'R2': -inf is not a finite number"),
        ("x\ud800", ValueError, "row 1, column 'R2': 'utf-8' codec can't encode character '\\ud800'"),
    ],
    ids=["bool", "bytes", "inf", "-inf", "lone surrogate"],
)
def test_a_cell_that_is_no_text_names_its_row_and_column(cell, error, message):
    frame = pandas.DataFrame({"d1": ["8", "8"], "R2": pandas.Series(["1", cell], dtype=object)})
    for function in [draftcalc.calculate_frame, draftcalc.candidates_frame]:
        with pytest.raises(error) as raised:
            function(frame)
        assert str(raised.value).startswith(message), str(raised.value)


def test_a_bool_column_is_refused():
    with pytest.raises(TypeError, match="not bool"):
        draftcalc.calculate_frame(pandas.DataFrame({"d1": [True]}))


@pytest.mark.parametrize(
    "columns, message",
    [
        (["id", "note"], "the frame's columns: the header names no input box (x1 … s3)"),
        (["x1", "X1"], "the frame's columns: header names input box x1 twice"),
        ([" x1", "y1"], "the frame's columns: column \" x1\" is not x1; write x1"),
    ],
    ids=["no box", "a box twice", "blank before a box name"],
)
def test_columns_that_name_no_box_or_one_twice_are_refused(columns, message):
    frame = pandas.DataFrame([["1"] * len(columns)], columns=columns)
    for function in [draftcalc.calculate_frame, draftcalc.candidates_frame]:
        with pytest.raises(ValueError) as raised:
            function(frame)
        assert str(raised.value) == message


def test_labels_that_are_no_str_are_kept_and_feed_no_box():
    frame = pandas.DataFrame({0: ["zero"], ("a", "b"): ["pair"], **{k: [v] for k, v in TWO_POINTS.items()}})
    got = draftcalc.calculate_frame(frame)
    assert list(got.columns[:2]) == [0, ("a", "b")] and got.loc[0, "ansA"] == 53.1301


def test_something_other_than_a_frame_is_refused():
    for given in [{"x1": [1]}, [TWO_POINTS], pandas.Series(TWO_POINTS)]:
        with pytest.raises(TypeError, match="takes a pandas DataFrame, not "):
            draftcalc.calculate_frame(given)


def test_an_empty_frame_gives_the_columns_and_their_types():
    got = draftcalc.calculate_frame(pandas.DataFrame({"note": [], "x1": [], "d1": []}))
    assert got.empty and list(got.columns) == ["note", "x1", "d1", *draftcalc.FRAME_COLUMNS]
    assert got["ansX"].dtype == numpy.float64 and got["ansRem"].dtype == object
    candidates = draftcalc.candidates_frame(pandas.DataFrame({"x1": []}))
    assert candidates.empty and list(candidates.columns) == ["x1", *draftcalc.CANDIDATE_FRAME_COLUMNS]


def test_the_frame_is_left_as_it_is_and_copy_false_shares_its_columns():
    frame = pandas.DataFrame({k: [v, v] for k, v in TWO_POINTS.items()})
    before = frame.copy()
    copied = draftcalc.calculate_frame(frame)
    copied.loc[0, "x1"] = "changed"
    assert frame.equals(before)
    shared = draftcalc.calculate_frame(frame, copy=False)
    assert numpy.shares_memory(shared["x1"].to_numpy(), frame["x1"].to_numpy())
    assert list(frame.columns) == list(TWO_POINTS), "no column added to the frame itself"


def test_frames_in_threads_give_the_answers_of_one_frame():
    frame = read_texts(csv_of(RECORDS))
    whole = draftcalc.calculate_frame(frame)
    parts = [frame.iloc[i:i + 250] for i in range(0, len(frame), 250)]
    with ThreadPoolExecutor(max_workers=4) as pool:
        answers = list(pool.map(draftcalc.calculate_frame, parts))
    assert pandas.concat(answers).equals(whole)


def test_candidates_are_the_rows_of_all_read_as_numbers(cli):
    records = RECORDS[:300]
    text = csv_of(records)
    expected = read_texts(cli.run(["--all"], text))
    frame = read_texts(text)
    frame.index = [f"row {i}" for i in range(len(frame))]
    got = draftcalc.candidates_frame(frame)
    assert len(got) == len(expected) > len(records)
    assert list(got.index) == [f"row {int(i[1:])}" for i in expected["id"]]
    assert got["cand"].dtype == numpy.int64 and (got["cand"] == 0).any()
    assert got["cand"].tolist() == [int(c) for c in expected["cand"]]
    numeric = [c for c in draftcalc.CANDIDATE_FRAME_COLUMNS if c not in ("ansRem", "ansCalc", "cand", "candSet")]
    for column in numeric:
        assert_numbers_equal(got[column], expected[column])
    for column in ["id", "note", *draftcalc.BOX_NAMES, "ansRem", "candSet"]:
        assert got[column].tolist() == expected[column].tolist(), column


def test_without_pandas_the_package_works_and_the_frame_functions_say_what_to_install():
    script = """
import sys
sys.modules["pandas"] = None  # as if it were not installed
import draftcalc
assert draftcalc.calculate({"d1": 8})["ansA"] == "90"
for function in [draftcalc.calculate_frame, draftcalc.candidates_frame]:
    try:
        function(None)
    except ImportError as error:
        print(error)
"""
    done = subprocess.run([sys.executable, "-c", script], capture_output=True, text=True, check=True)
    assert done.stdout.splitlines() == [
        f"{name} needs pandas, which is not installed: apt-get install python3-pandas (Debian's), or pip install pandas"
        for name in ["calculate_frame", "candidates_frame"]
    ]
