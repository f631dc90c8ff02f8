"""calculate_many: lazy, in order, each record on its own."""

import collections.abc
import itertools
from concurrent.futures import ThreadPoolExecutor

import pytest

import draftcalc
from generated_inputs import all_boxes_records

EXAMPLES = list(draftcalc.EXAMPLES.values())


class CountingRecords:
    """An iterable that counts the records taken from it."""

    def __init__(self, records):
        self.taken = 0
        self._records = records

    def __iter__(self):
        for record in self._records:
            self.taken += 1
            yield record


def test_takes_a_record_only_when_its_answer_is_asked_for():
    records = CountingRecords(itertools.cycle(EXAMPLES))
    answers = draftcalc.calculate_many(records)
    assert records.taken == 0
    assert next(answers) == draftcalc.calculate(EXAMPLES[0])
    assert records.taken == 1
    assert list(itertools.islice(answers, 30)) == [draftcalc.calculate(r) for r in (EXAMPLES * 3)[1:31]]
    assert records.taken == 31


def test_is_its_own_iterator_and_ends_with_the_records():
    answers = draftcalc.calculate_many(iter(EXAMPLES[:2]))
    assert iter(answers) is answers
    assert isinstance(answers, draftcalc.Calculations)
    assert len(list(answers)) == 2
    with pytest.raises(StopIteration):
        next(answers)
    assert list(draftcalc.calculate_many([])) == []


def test_each_record_starts_from_the_startup_texts():
    # The element table and the boxes are kept from record to record: nothing
    # of a full record may remain for the ones after it.
    sparse = [{}, {"d3": "8"}, {"x2": "3", "d2": "8"}]
    records = [record for example in EXAMPLES for record in (example, *sparse)]
    assert list(draftcalc.calculate_many(records)) == [draftcalc.calculate(record) for record in records]


def test_a_record_that_cannot_be_read_raises_with_its_number_and_the_stream_goes_on():
    records = [EXAMPLES[0], {"x9": "1"}, EXAMPLES[1], ["x1"], {"x1": "1", "X1": "2"}, EXAMPLES[2]]
    answers = draftcalc.calculate_many(records)
    assert next(answers) == draftcalc.calculate(EXAMPLES[0])
    with pytest.raises(ValueError, match=r"^record 1: 'x9' is not an input box"):
        next(answers)
    assert next(answers) == draftcalc.calculate(EXAMPLES[1])
    with pytest.raises(TypeError, match=r"^record 3: the boxes must be a mapping"):
        next(answers)
    with pytest.raises(ValueError, match=r"^record 4: input box x1 is given twice"):
        next(answers)
    assert list(answers) == [draftcalc.calculate(EXAMPLES[2])]


def test_an_error_of_the_records_themselves_comes_through_as_it_is():
    def failing():
        yield EXAMPLES[0]
        raise OSError("the input file went away")

    answers = draftcalc.calculate_many(failing())
    next(answers)
    with pytest.raises(OSError, match="the input file went away"):
        next(answers)


def test_records_that_are_not_iterable_are_refused_at_once():
    with pytest.raises(TypeError):
        draftcalc.calculate_many(5)


def test_candidates_in_threads_are_those_found_one_after_another():
    records = all_boxes_records(200, seed=16)
    with ThreadPoolExecutor(max_workers=4) as pool:
        assert list(pool.map(draftcalc.candidates, records)) == [draftcalc.candidates(r) for r in records]


# Whatever fails in reading a record, Python's own errors included, says
# which record and which box, whole.
@pytest.mark.parametrize(
    "boxes, error, message",
    [
        ({"x1": 10**5000}, ValueError, "record 1: box 'x1': Exceeds the limit (4300 digits) for integer string"),
        ({"x1": "\ud800"}, ValueError, "record 1: box 'x1': 'utf-8' codec can't encode character '\\ud800'"),
        ({"x1\0y": "1"}, ValueError, "record 1: 'x1\\x00y' is not an input box: the boxes are x1 .. s3"),
        ({"x1": 1.5, "r2": float("nan")}, ValueError, "record 1: box 'r2': nan is not a finite number"),
        ({"y1": object()}, TypeError, "record 1: box 'y1': the text must be a str, int or float, not object"),
    ],
)
def test_a_record_that_cannot_be_read_names_itself_and_its_box(boxes, error, message):
    answers = draftcalc.calculate_many([EXAMPLES[0], boxes, EXAMPLES[1]])
    assert next(answers) == draftcalc.calculate(EXAMPLES[0])
    with pytest.raises(error) as raised:
        next(answers)
    assert str(raised.value).startswith(message), str(raised.value)
    assert next(answers) == draftcalc.calculate(EXAMPLES[1]), "the stream goes on"


class FailingMapping(collections.abc.Mapping):
    """A mapping whose own code fails while it is read."""

    def __getitem__(self, name):
        raise KeyError(name)

    def __iter__(self):
        raise RuntimeError("the mapping broke")

    def __len__(self):
        return 1


def test_an_error_of_the_mappings_own_code_says_which_record():
    with pytest.raises(RuntimeError, match="^record 0: the mapping broke$"):
        next(draftcalc.calculate_many([FailingMapping()]))
