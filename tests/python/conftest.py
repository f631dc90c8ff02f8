"""draftcalc-cli, run as a user runs it, as the reference for the module."""

import csv
import io
import os
import subprocess

import pytest

import draftcalc
from generated_inputs import text_of


def with_touch_pairs(fields):
    """The --all fields as the module gives them: candT1X .. candT3Y as one
    list of (x, y) floats, as many as are given."""
    pairs = [(fields.pop(f"candT{t}X"), fields.pop(f"candT{t}Y")) for t in (1, 2, 3)]
    given = [x != "" for x, _ in pairs]
    assert given == sorted(given, reverse=True), f"a touching point after an empty one: {pairs}"
    assert all((x == "") == (y == "") for x, y in pairs)
    fields["touch"] = [(float(x), float(y)) for x, y in pairs if x]
    return fields


class Cli:
    def __init__(self, path):
        self.path = path

    def run(self, arguments, stdin=""):
        done = subprocess.run([self.path, *arguments], input=stdin.encode(), capture_output=True, check=False)
        assert done.returncode == 0, done.stderr.decode()
        return done.stdout.decode()

    def batch(self, records, all_candidates=False, options=()):
        """The output rows of a CSV run over records naming all 24 boxes, by
        record: its five answer columns, or with all_candidates its rows of
        candidate columns."""
        source = io.StringIO()
        writer = csv.writer(source, lineterminator="\n")
        writer.writerow(["id", *draftcalc.BOX_NAMES])
        for index, record in enumerate(records):
            texts = {name.lower(): text_of(value) for name, value in record.items()}
            writer.writerow([index, *(texts[name] for name in draftcalc.BOX_NAMES)])
        arguments = [*(["--all"] if all_candidates else []), *options]
        rows = list(csv.reader(io.StringIO(self.run(arguments, source.getvalue()))))
        header, rows = rows[0], rows[1:]
        answers = header.index("ansX")
        header = ["why" if name == "ansWhy" else "fix" if name == "ansFix" else name for name in header]
        if not all_candidates:
            assert [int(row[0]) for row in rows] == list(range(len(records)))
            return [dict(zip(header[answers:], row[answers:])) for row in rows]
        assert sorted({int(row[0]) for row in rows}) == list(range(len(records)))
        by_record = [[] for _ in records]
        candidates = header.index("cand")
        for row in rows:
            fields = dict(zip(header[candidates:], row[candidates:]))
            if fields["cand"] != "0":
                by_record[int(row[0])].append(with_touch_pairs(fields))
        return by_record

    def calc(self, record):
        """The five captions `calc` prints for the boxes the record names."""
        words = [f"{name}={text_of(value)}" for name, value in record.items()]
        lines = self.run(["calc", *words]).split("\n")
        # "X      10", or the label alone: the text stands from column 7 on.
        return dict(zip(draftcalc.ANSWER_KEYS, (line[7:] for line in lines[:5])))


@pytest.fixture(scope="session")
def cli():
    path = os.environ.get("DRAFTCALC_CLI")
    if not path:
        pytest.fail("DRAFTCALC_CLI must name the draftcalc-cli to compare with (CTest sets it)")
    return Cli(path)
