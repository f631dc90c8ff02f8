#!/usr/bin/env python3
"""examples/dask_batch.py on a LocalCluster of 2 workers over 4 small CSV
files: each output file has the same bytes draftcalc-cli writes for its
input. Exits 77 (skipped) when Dask is not installed.

Usage: dask_example_test.py DRAFTCALC_CLI EXAMPLE   (PYTHONPATH names the module)
"""

import csv
import io
import pathlib
import subprocess
import sys
import tempfile

SKIPPED = 77

sys.path.insert(0, str(pathlib.Path(__file__).parent / "python"))


def csv_text(rows, line_end="\n"):
    out = io.StringIO()
    csv.writer(out, lineterminator=line_end).writerows(rows)
    return out.getvalue()


def generated_file(seed, count, capitals):
    """Records of all 24 boxes (the catalogue moved, odd texts, random rows)
    between columns of other data, box names in capitals when asked."""
    from generated_inputs import all_boxes_records, text_of

    import draftcalc

    names = [name.upper() if capitals else name for name in draftcalc.BOX_NAMES]
    rows = [["id", *names[:12], "note", *names[12:]]]
    for index, record in enumerate(all_boxes_records(count, seed)):
        texts = {name.lower(): text_of(value) for name, value in record.items()}
        values = [texts[name] for name in draftcalc.BOX_NAMES]
        rows.append([f"r{index}", *values[:12], f"note {index}, with a comma", *values[12:]])
    return rows


def input_files():
    """Four files as users have them: generated records (one with CRLF line
    ends and boxes in capitals), a file of some boxes with quotes, line
    breaks, Japanese and an earlier answer column, and one of no record."""
    quoted = [
        ["name", "x1", "y1", "d1", "x2", "y2", "d2", "ansX", "memo"],
        ["a", "0", "0", "8", "3", "4", "8", "old", 'said "hello"'],
        ["b", "1", "", "8", "", "4", "8", "", "two\nlines"],
        ["穴", "-0", "1e-310", "8", "１２", "3,5", "8", "", "日本語"],
        ["c", "&H10", "abc", "8", " 7 ", "1e400", "8", "", ""],
    ]
    return {
        "1-generated.csv": csv_text(generated_file(31, 300, capitals=False)),
        "2-generated-crlf.csv": csv_text(generated_file(32, 300, capitals=True), line_end="\r\n"),
        "3-quoted.csv": csv_text(quoted),
        "4-header-only.csv": "id,d1,r1,x2,d2\n",
    }


def main():
    cli, example = sys.argv[1], sys.argv[2]
    try:
        import dask  # noqa: F401
        import distributed  # noqa: F401
    except ImportError:
        print("skipped: Dask is not installed (apt-get install python3-dask python3-distributed)")
        return SKIPPED
    with tempfile.TemporaryDirectory() as scratch:
        inputs, outputs = pathlib.Path(scratch, "in"), pathlib.Path(scratch, "out")
        inputs.mkdir()
        for name, text in input_files().items():
            (inputs / name).write_bytes(text.encode())
        done = subprocess.run([sys.executable, example, str(inputs), str(outputs), "--workers", "2"],
                              capture_output=True, text=True, check=False)
        if done.returncode != 0:
            print(f"dask_batch.py exited {done.returncode}:\n{done.stdout}{done.stderr}")
            return 1
        print(done.stdout.strip())
        failures = []
        for source in sorted(inputs.iterdir()):
            expected = subprocess.run([cli, str(source)], capture_output=True, check=True).stdout
            written = (outputs / source.name).read_bytes()
            if written != expected:
                lines = zip(written.decode().split("\n"), expected.decode().split("\n"))
                first = next((pair for pair in lines if pair[0] != pair[1]), ("(shorter)", "(longer)"))
                failures.append(f"{source.name}: differs from draftcalc-cli\n  dask: {first[0]!r}\n  cli:  {first[1]!r}")
        records = sum(len(list(csv.reader(io.StringIO(text)))) - 1 for text in input_files().values())
        if f"{records} records in 4 files on 2 workers" not in done.stdout:
            failures.append(f"expected {records} records reported: {done.stdout}")
        print("\n".join(failures) or "4 output files, each the same bytes as draftcalc-cli's")
        return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
