#!/usr/bin/env python3
"""Records per second of draftcalc.calculate_frame on 1,000,000 rows (target:
>= 1,000,000 on one core), beside calculate_many through dicts; and of
examples/dask_batch.py on a LocalCluster of 2 workers against the same files
calculated in one process.

Run by hand after a build:

    PYTHONPATH=build/python /usr/bin/python3 bench/calculate_frame_bench.py [--rows N] [--files N]

The rows are the varied records of calculate_many_bench.py (the catalogue's
calculations with their numbers moved, fixed seed), all distinct. The frame
is timed as a user has it: read from CSV with every value a str (dtype=str,
as the Dask example reads it), and as pandas reads numbers by itself
(float64 and int64 columns). Each figure is the median of --repeats runs.
"""

import argparse
import importlib.util
import io
import pathlib
import random
import statistics
import tempfile
import time

import pandas

import draftcalc
from calculate_many_bench import varied

EXAMPLE = pathlib.Path(__file__).resolve().parent.parent / "examples" / "dask_batch.py"


def csv_text(rows):
    frame = pandas.DataFrame(rows, columns=draftcalc.BOX_NAMES)
    return frame.to_csv(index=False, lineterminator="\n")


def median_rate(run, count, repeats):
    rates = []
    for _ in range(repeats):
        start = time.perf_counter()
        run()
        rates.append(count / (time.perf_counter() - start))
    return statistics.median(rates), min(rates), max(rates)


def show(name, rates):
    median, low, high = rates
    print(f"{name:52s} {median:>11,.0f} records/s (range {low:,.0f} .. {high:,.0f})")


def frame_figures(rows, repeats):
    text = csv_text(rows)
    as_texts = pandas.read_csv(io.StringIO(text), dtype=str, keep_default_na=False)
    as_numbers = pandas.read_csv(io.StringIO(text))
    count = len(rows)
    show("calculate_frame(texts read as str)", median_rate(lambda: draftcalc.calculate_frame(as_texts), count, repeats))
    show("calculate_frame(texts read as str, copy=False)",
         median_rate(lambda: draftcalc.calculate_frame(as_texts, copy=False), count, repeats))
    show("calculate_frame(numbers as pandas reads them)",
         median_rate(lambda: draftcalc.calculate_frame(as_numbers), count, repeats))
    show("calculate_frame(texts read as str, texts=True)",
         median_rate(lambda: draftcalc.calculate_frame(as_texts, texts=True), count, repeats))
    records = as_texts.to_dict("records")
    show("list(calculate_many(dicts))", median_rate(lambda: list(draftcalc.calculate_many(records)), count, repeats))


def load_example():
    spec = importlib.util.spec_from_file_location("dask_batch", EXAMPLE)
    example = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(example)
    return example


def dask_figures(rows, files, repeats):
    from distributed import Client, LocalCluster

    example = load_example()
    with tempfile.TemporaryDirectory() as scratch:
        inputs = []
        per_file = len(rows) // files
        for number in range(files):
            path = pathlib.Path(scratch, f"in-{number}.csv")
            path.write_text(csv_text(rows[number * per_file:(number + 1) * per_file]))
            inputs.append(path)
        count = per_file * files
        output = pathlib.Path(scratch, "out")
        output.mkdir()

        def one_process():
            for path in inputs:
                frame = pandas.read_csv(path, dtype=str, keep_default_na=False, na_filter=False, encoding="utf-8")
                example.calculate_partition(frame, str(output / path.name))

        show(f"{files} files, one process (read, calculate_frame, write)", median_rate(one_process, count, repeats))
        for workers in (1, 2):
            with LocalCluster(n_workers=workers, threads_per_worker=1, dashboard_address=None) as cluster:
                with Client(cluster):
                    rates = median_rate(lambda: example.run(inputs, output), count, repeats)
            show(f"{files} files, dask_batch.py on {workers} worker(s)", rates)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--rows", type=int, default=1_000_000)
    parser.add_argument("--files", type=int, default=8, help="files for the Dask example (the rows split among them)")
    parser.add_argument("--repeats", type=int, default=3)
    parser.add_argument("--no-dask", action="store_true", help="only calculate_frame")
    arguments = parser.parse_args()

    rng = random.Random(20260101)
    examples = list(draftcalc.EXAMPLES.values())
    rows = [varied(rng, examples[i % len(examples)]) for i in range(arguments.rows)]
    print(f"{arguments.rows:,} varied rows of all 24 boxes, {arguments.repeats} runs each")
    frame_figures(rows, arguments.repeats)
    if not arguments.no_dask:
        dask_figures(rows, arguments.files, arguments.repeats)


if __name__ == "__main__":
    main()
