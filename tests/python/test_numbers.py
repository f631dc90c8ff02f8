"""calculate_numbers, calculate_many_numbers, candidates_numbers: the same
results as the text forms, each number the float its text shows."""

import math
import pickle

import pytest

import draftcalc
from generated_inputs import all_boxes_records

RECORDS = all_boxes_records(1500, seed=23)
TWO_POINTS = {"x1": "0", "y1": "0", "d1": "8", "x2": "3", "y2": "4", "d2": "8"}


def number_of(text):
    return float(text) if text else None


def test_the_numbers_are_the_captions_read_as_floats():
    for record in RECORDS:
        texts = draftcalc.calculate(record)
        numbers = draftcalc.calculate_numbers(record)
        assert numbers.texts == texts
        assert (numbers.x, numbers.y, numbers.a, numbers.r) == tuple(
            number_of(texts[key]) for key in ("ansX", "ansY", "ansA", "ansR")
        ), record
        assert numbers.remark == texts["ansRem"]
    got = [draftcalc.calculate_numbers(record) for record in RECORDS]
    assert sum(n.r is not None for n in got) > 100 and sum(n.remark != "" for n in got) > 100


def test_the_calculation_is_the_catalogue_number_of_the_one_that_ran():
    for name, example in draftcalc.EXAMPLES.items():
        assert draftcalc.calculate_numbers(example).calculation == name.split()[0]
    # The answer as typed is the candidate of no edits, made by the same calculation.
    for record in RECORDS[:400]:
        numbers = draftcalc.calculate_numbers(record)
        as_typed = [c for c in draftcalc.candidates_numbers(record) if c.edits == ""]
        if numbers.remark == "" and as_typed:
            assert as_typed[0].calculation == numbers.calculation, record


def test_rows_in_an_order_no_calculation_takes_give_an_empty_calculation():
    numbers = draftcalc.calculate_numbers({"d1": "0", "r1": "10", "x2": "20", "d2": "5", "c2": "0"})
    assert numbers.calculation == ""
    assert numbers.remark != "" and (numbers.x, numbers.y, numbers.a, numbers.r) == (None, None, None, None)


def test_a_numbers_result_is_a_named_tuple_that_pickles():
    numbers = draftcalc.calculate_numbers(TWO_POINTS)
    x, y, a, r, remark, calculation, texts = numbers
    assert (x, y, a, r, remark, calculation) == (0.0, 0.0, 53.1301, None, "", "1.1")
    assert pickle.loads(pickle.dumps(numbers)) == numbers
    assert isinstance(numbers, draftcalc.Numbers) and numbers._fields[:4] == ("x", "y", "a", "r")


def test_explain_puts_the_reason_in_the_texts():
    boxes = {"d1": 0, "r1": 5, "d2": 5, "c2": 0, "x3": 20, "d3": 0, "r3": 5, "s3": 1}
    numbers = draftcalc.calculate_numbers(boxes, explain=True, lang="ja")
    assert numbers.texts == draftcalc.calculate(boxes, explain=True, lang="ja")
    assert numbers.texts["fix"] == "r1=15"


def test_calculate_many_numbers_gives_the_same_in_order_and_goes_on_after_an_error():
    assert list(draftcalc.calculate_many_numbers(RECORDS)) == [draftcalc.calculate_numbers(r) for r in RECORDS]
    stream = draftcalc.calculate_many_numbers([TWO_POINTS, {"x9": 1}, TWO_POINTS], strict=True)
    assert isinstance(stream, draftcalc.NumberCalculations) and iter(stream) is stream
    assert next(stream).a == 53.1301
    with pytest.raises(ValueError, match=r"^record 1: 'x9' is not an input box"):
        next(stream)
    assert next(stream).a == 53.1301
    with pytest.raises(StopIteration):
        next(stream)


def test_the_numbers_refuse_what_the_texts_refuse():
    for call in [draftcalc.calculate_numbers, draftcalc.candidates_numbers]:
        with pytest.raises(ValueError, match="input box x1 is given twice"):
            call({"x1": 1, "X1": 2})
        with pytest.raises(TypeError, match="the boxes must be a mapping"):
            call([("x1", 1)])
    with pytest.raises(ValueError, match='r2 "8,5" is read as 8'):
        draftcalc.calculate_numbers({**TWO_POINTS, "r2": "8,5"}, strict=True)


def test_candidate_numbers_are_the_candidate_texts_read_as_floats():
    found_any = 0
    for record in RECORDS[:500]:
        texts = draftcalc.candidates(record)
        numbers = draftcalc.candidates_numbers(record)
        assert [n.texts for n in numbers] == texts
        for n, t in zip(numbers, texts):
            assert n.number == int(t["cand"])
            assert (n.x, n.y, n.a, n.r) == (float(t["candX"]), float(t["candY"]), number_of(t["candA"]),
                                            number_of(t["candR"]))
            assert n.edits == t["candSet"] and n.touch == t["touch"]
            if n.edits == "+":  # a construction no calculation gives
                assert n.calculation == ""
            else:
                assert n.calculation in {name.split()[0] for name in draftcalc.EXAMPLES}
            found_any += 1
    assert found_any > 500


def test_a_construction_without_candidates_gives_an_empty_list():
    assert draftcalc.candidates_numbers({"d1": "0", "r1": "10", "x2": "20", "d2": "5", "c2": "0"}) == []


def test_the_full_precision_of_a_candidate_survives():
    [number] = [c for c in draftcalc.candidates_numbers(
        {"d1": 0, "r1": 10, "s1": 1, "d2": 5, "c2": -5, "x3": 20, "d3": 0, "r3": 10, "s3": 1}) if c.number == 3]
    assert number.y == math.sqrt(125) and number.r == 5.0 and number.a is None
