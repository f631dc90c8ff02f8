#!/usr/bin/env python3
"""Records per second of draftcalc.calculate_many (target: >= 200,000), beside
map(draftcalc.calculate, ...), on varied records of all 24 boxes.

Run by hand after a build:

    PYTHONPATH=build/python /usr/bin/python3 bench/calculate_many_bench.py [--records N]

The records cycle through --distinct varied ones (the catalogue's
calculations with their numbers moved at random, fixed seed, as cli_bench
varies them), so that the memory of a million dicts does not weigh on the
run; nothing is cached between records.
"""

import argparse
import collections
import itertools
import random
import statistics
import time

import draftcalc


def decimal(rng, value):
    return f"{value:.{rng.randint(0, 4)}f}"


def varied(rng, example):
    """The example with its numbers moved; codes, sides and value-row choices kept."""
    record = {}
    for name, text in example.items():
        column, value_row = name[0], example[f"d{name[1]}"] == "5"
        if text == "" or column in "ds" or (value_row and column != "c"):
            record[name] = text
        elif column == "c":
            value = float(text)
            record[name] = text if abs(value) <= 0.01 else decimal(rng, value * rng.uniform(0.5, 1.5))
        elif column == "r":
            record[name] = decimal(rng, float(text) * rng.uniform(0.8, 1.2))
        else:
            spread = {"x": 3, "y": 3, "a": 15, "b": 1}[column]
            record[name] = decimal(rng, float(text) + rng.uniform(-spread, spread))
    return record


def records_per_second(run, records, count, repeats):
    rates = []
    for _ in range(repeats):
        start = time.perf_counter()
        run(itertools.islice(itertools.cycle(records), count))
        rates.append(count / (time.perf_counter() - start))
    return rates


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--records", type=int, default=1_000_000)
    parser.add_argument("--distinct", type=int, default=100_000)
    parser.add_argument("--repeats", type=int, default=3)
    arguments = parser.parse_args()

    rng = random.Random(20260101)
    examples = list(draftcalc.EXAMPLES.values())
    records = [varied(rng, examples[i % len(examples)]) for i in range(arguments.distinct)]
    answers = list(draftcalc.calculate_many(records))
    print(f"{arguments.records:,} records ({arguments.distinct:,} distinct, "
          f"{sum(bool(a['ansRem']) for a in answers) / len(answers):.1%} with a remark), "
          f"{arguments.repeats} runs each")

    runs = {
        "list(calculate_many(records))": lambda stream: list(draftcalc.calculate_many(stream)),
        "for answer in calculate_many(records)": lambda stream: collections.deque(draftcalc.calculate_many(stream), 0),
        "list(map(calculate, records))": lambda stream: list(map(draftcalc.calculate, stream)),
    }
    for name, run in runs.items():
        rates = records_per_second(run, records, arguments.records, arguments.repeats)
        print(f"{name:40s} median {statistics.median(rates):>10,.0f} records/s "
              f"(range {min(rates):,.0f} .. {max(rates):,.0f})")


if __name__ == "__main__":
    main()
