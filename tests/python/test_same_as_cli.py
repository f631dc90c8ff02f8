"""The module gives what draftcalc-cli gives, to the character, on generated inputs."""

import pytest

import draftcalc
from generated_inputs import all_boxes_records, some_boxes_records

ALL_BOXES = all_boxes_records(2400, seed=14)
SOME_BOXES = some_boxes_records(200, seed=15)


def mismatches(records, got, expected):
    return [(record, g, e) for record, g, e in zip(records, got, expected) if g != e]


@pytest.fixture(scope="module")
def batch_answers(cli):
    return cli.batch(ALL_BOXES)


def test_the_inputs_cover_every_calculation_and_the_odd_texts():
    assert len(ALL_BOXES) + len(SOME_BOXES) >= 2000
    assert all(example in ALL_BOXES for example in draftcalc.EXAMPLES.values())
    given = {value for record in ALL_BOXES for value in record.values()}
    for text in ["", "abc", "1e400", "-0", "1e-310", "&H10", "１２", "3,5"]:
        assert text in given
    assert any(isinstance(value, float) for value in given) and any(type(value) is int for value in given)


def test_calculate_gives_the_captions_of_a_csv_run(batch_answers):
    got = [draftcalc.calculate(record) for record in ALL_BOXES]
    assert mismatches(ALL_BOXES, got, batch_answers) == []
    # Remarks and every kind of answer are among them, not only empty captions.
    assert sum(bool(answer["ansRem"]) for answer in got) > 100
    assert sum(bool(answer["ansR"]) for answer in got) > 100


def test_calculate_many_gives_the_same_in_order(batch_answers):
    assert mismatches(ALL_BOXES, list(draftcalc.calculate_many(ALL_BOXES)), batch_answers) == []


def test_boxes_not_given_keep_their_startup_texts_as_in_calc(cli):
    expected = [cli.calc(record) for record in SOME_BOXES]
    assert mismatches(SOME_BOXES, [draftcalc.calculate(record) for record in SOME_BOXES], expected) == []
    assert mismatches(SOME_BOXES, list(draftcalc.calculate_many(SOME_BOXES)), expected) == []


def test_candidates_are_the_rows_of_all(cli):
    records = ALL_BOXES[:400]
    expected = cli.batch(records, all_candidates=True)
    got = [draftcalc.candidates(record) for record in records]
    assert mismatches(records, got, expected) == []
    assert sum(len(found) for found in got) > 400
    assert any(found == [] for found in got)
