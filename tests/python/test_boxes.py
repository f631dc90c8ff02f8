"""How the module reads the boxes: names, texts and numbers, and what it refuses."""

import collections
import enum
import re
import types
from collections.abc import Mapping
from decimal import Decimal

import pytest

import draftcalc

TWO_POINTS = {"x1": "0", "y1": "0", "d1": "8", "x2": "3", "y2": "4", "d2": "8"}


class Boxes(Mapping):
    """A mapping that is no dict."""

    def __init__(self, items):
        self._items = dict(items)

    def __getitem__(self, name):
        return self._items[name]

    def __iter__(self):
        return iter(self._items)

    def __len__(self):
        return len(self._items)


def every_entry_point(boxes):
    """Each function on the same boxes; calculate_many on a one-record stream."""
    return [
        lambda: draftcalc.calculate(boxes),
        lambda: draftcalc.candidates(boxes),
        lambda: list(draftcalc.calculate_many([boxes])),
    ]


def test_an_answer_has_the_five_captions_in_column_order():
    answer = draftcalc.calculate(TWO_POINTS)
    assert list(answer) == list(draftcalc.ANSWER_KEYS) == ["ansX", "ansY", "ansA", "ansR", "ansRem"]
    assert answer == {"ansX": "0", "ansY": "0", "ansA": "53.1301", "ansR": "", "ansRem": ""}


def test_a_remark_comes_whole():
    points_in_line = {"d1": "8", "x2": "1", "y2": "1", "d2": "8", "x3": "2", "y3": "2", "d3": "8"}
    assert draftcalc.calculate(points_in_line)["ansRem"] == "求められない"


def test_names_in_capitals_and_any_mapping_give_the_same():
    expected = draftcalc.calculate(TWO_POINTS)
    capitals = {name.upper(): text for name, text in TWO_POINTS.items()}
    for boxes in [capitals, Boxes(TWO_POINTS), types.MappingProxyType(TWO_POINTS), collections.OrderedDict(capitals)]:
        assert draftcalc.calculate(boxes) == expected
        assert draftcalc.candidates(boxes) == draftcalc.candidates(TWO_POINTS)


class Flag(enum.IntEnum):
    THREE = 3


class LoudFloat(float):
    def __repr__(self):
        return "99"

    __str__ = __repr__


@pytest.mark.parametrize(
    "number, text",
    [
        (3, "3"),
        (-7, "-7"),
        (10**20, "100000000000000000000"),
        (10**400, "1" + "0" * 400),
        (0.1, "0.1"),
        (1e-7, "1e-07"),
        (-0.0, "-0.0"),
        (1e-310, "1e-310"),
        (1.5e300, "1.5e+300"),
        (Flag.THREE, "3"),
        (LoudFloat(2.5), "2.5"),
    ],
)
def test_a_number_stands_for_the_text_its_base_type_writes(number, text):
    for name in ["x2", "a2", "r2"]:
        for rows in [TWO_POINTS, draftcalc.EXAMPLES["1.2 tangent point-circle"]]:
            assert draftcalc.calculate({**rows, name: number}) == draftcalc.calculate({**rows, name: text})


@pytest.mark.parametrize("name", ["x4", "z1", "x0", "x", "", "x1 ", " x1", "ｘ1", "x11", "ans"])
def test_a_name_that_is_no_box_is_refused(name):
    for call in every_entry_point({**TWO_POINTS, name: "1"}):
        with pytest.raises(ValueError, match=re.escape(f"'{name}' is not an input box: the boxes are x1 .. s3")):
            call()


def test_a_box_given_twice_is_refused():
    for call in every_entry_point({**TWO_POINTS, "X2": "3"}):
        with pytest.raises(ValueError, match="input box x2 is given twice"):
            call()


@pytest.mark.parametrize("name", [1, None, b"x1", ("x", 1)])
def test_a_name_that_is_no_str_is_refused(name):
    for call in every_entry_point({**TWO_POINTS, name: "1"}):
        with pytest.raises(TypeError, match="box names are str, not "):
            call()


@pytest.mark.parametrize("text", [None, b"1", True, False, [1], Decimal("1"), 1j])
def test_a_text_of_another_type_is_refused(text):
    for call in every_entry_point({**TWO_POINTS, "Y2": text}):
        expected = rf"box 'Y2': the text must be a str, int or float, not ([\w.]+\.)?{type(text).__name__}$"
        with pytest.raises(TypeError, match=expected):
            call()


@pytest.mark.parametrize("number", [float("inf"), float("-inf"), float("nan")])
def test_a_float_that_is_not_finite_is_refused(number):
    for call in every_entry_point({**TWO_POINTS, "r2": number}):
        with pytest.raises(ValueError, match=f"box 'r2': {number!r} is not a finite number"):
            call()


def test_a_text_that_is_not_unicode_is_refused_naming_its_box():
    for call in every_entry_point({**TWO_POINTS, "x2": "3\ud800"}):
        with pytest.raises(ValueError, match=re.escape("box 'x2': 'utf-8' codec can't encode character '\\ud800'")) as raised:
            call()
        assert isinstance(raised.value.__cause__, UnicodeEncodeError)


def test_an_int_too_long_to_write_is_refused_naming_its_box():
    for call in every_entry_point({**TWO_POINTS, "r2": 10**5000}):
        with pytest.raises(ValueError, match=r"^(record 0: )?box 'r2': Exceeds the limit \(4300 digits\) for integer string"):
            call()


@pytest.mark.parametrize(
    "name, shown",
    [("x1\0", r"'x1\x00'"), ("\0x1", r"'\x00x1'"), ("x\ud800", r"'x\ud800'"), ("x1\n", r"'x1\n'")],
)
def test_a_name_is_shown_whole_whatever_it_holds(name, shown):
    for call in every_entry_point({**TWO_POINTS, name: "1"}):
        with pytest.raises(ValueError) as raised:
            call()
        assert shown + " is not an input box: the boxes are x1 .. s3" in str(raised.value)


@pytest.mark.parametrize("boxes", [[("x1", "1")], None, "x1=1", 5, {"x1", "y1"}])
def test_boxes_that_are_no_mapping_are_refused(boxes):
    for call in every_entry_point(boxes):
        with pytest.raises(TypeError, match="the boxes must be a mapping of box names to texts, not "):
            call()

