"""explain=True and strict=True: the reasons draftcalc-cli --explain gives, and
boxes not read whole refused naming the box."""

import re

import pytest

import draftcalc
from generated_inputs import all_boxes_records

RECORDS = all_boxes_records(1200, seed=20)

# A line and a circle (2.2) with R as typed.
LINE_AND_CIRCLE = {"x1": 0, "y1": 0, "d1": 3, "a1": 30, "x2": 10, "y2": 0, "d2": 0, "r2": 8.5, "s2": 1}


def test_explain_adds_the_reason_and_fix_of_draftcalc_cli_explain(cli):
    expected = cli.batch(RECORDS, options=["--explain"])
    got = [draftcalc.calculate(record, explain=True) for record in RECORDS]
    assert [g for g, e in zip(got, expected) if g != e] == []
    assert list(draftcalc.calculate_many(RECORDS, explain=True)) == got
    # A reason for every remark and for nothing else; fixes among them.
    assert all(bool(answer["why"]) == bool(answer["ansRem"]) for answer in got)
    assert sum(bool(answer["fix"]) for answer in got) > 50


def test_without_explain_the_answer_is_the_five_captions():
    answer = draftcalc.calculate({"d1": 0, "r1": 5, "d2": 5, "c2": 0, "x3": 20, "d3": 0, "r3": 5, "s3": 1})
    assert tuple(answer) == draftcalc.ANSWER_KEYS
    explained = draftcalc.calculate({"d1": 0, "r1": 5, "d2": 5, "c2": 0, "x3": 20, "d3": 0, "r3": 5, "s3": 1},
                                    explain=True)
    assert tuple(explained) == draftcalc.ANSWER_KEYS + draftcalc.EXPLANATION_KEYS
    assert {key: explained[key] for key in draftcalc.ANSWER_KEYS} == answer
    assert explained["why"] == "the centres are 20 apart; radii 5 + 5 reach 10: 10 short"
    assert explained["fix"] == "r1=15"


@pytest.mark.parametrize(
    "text, refusal",
    [
        ("8,5", 'r2 "8,5" is read as 8'),
        ("12abc", 'r2 "12abc" is read as 12'),
        ("point", 'r2 "point" is read as 0'),
        ("８", 'r2 "８" is read as 0'),
        ("1e400", 'r2 "1e400" is read as 0'),
        (" 8.5 ", None),
        ("&H10", None),
        ("", None),
        (8.5, None),
    ],
)
def test_strict_refuses_a_box_not_read_whole_naming_it(text, refusal):
    boxes = {**LINE_AND_CIRCLE, "r2": text}
    lenient = draftcalc.calculate(boxes)
    if refusal is None:
        assert draftcalc.calculate(boxes, strict=True) == lenient
        return
    with pytest.raises(ValueError, match=f"^{re.escape(refusal)}$"):
        draftcalc.calculate(boxes, strict=True)
    results = draftcalc.calculate_many([LINE_AND_CIRCLE, boxes, LINE_AND_CIRCLE], strict=True)
    assert next(results)["ansRem"] == ""
    with pytest.raises(ValueError, match=f"^record 1: {re.escape(refusal)}$"):
        next(results)
    assert next(results)["ansRem"] == "", "the stream goes on after a refused record"


def test_explain_and_strict_are_keywords_only():
    with pytest.raises(TypeError):
        draftcalc.calculate(LINE_AND_CIRCLE, True)


def test_lang_ja_gives_the_reason_in_japanese_and_the_rest_the_same():
    boxes = {"d1": 0, "r1": 5, "s1": 1, "d2": 5, "c2": 0, "x3": 20, "d3": 0, "r3": 5, "s3": 1}
    english = draftcalc.calculate(boxes, explain=True)
    japanese = draftcalc.calculate(boxes, explain=True, lang="ja")
    assert japanese["why"] == "中心間は 20。半径 5 + 5 で届くのは 10: 10 足りません"
    assert {k: v for k, v in japanese.items() if k != "why"} == {k: v for k, v in english.items() if k != "why"}
    assert [a["why"] for a in draftcalc.calculate_many([boxes], explain=True, lang="ja")] == [japanese["why"]]
    assert draftcalc.calculate(boxes, explain=True, lang="en") == english


def test_lang_other_than_en_or_ja_is_refused():
    for lang in ["fr", "", "EN"]:
        with pytest.raises(ValueError, match='lang must be "en" or "ja"'):
            draftcalc.calculate({}, lang=lang)
        with pytest.raises(ValueError, match='lang must be "en" or "ja"'):
            draftcalc.calculate_many([], lang=lang)
