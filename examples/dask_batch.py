#!/usr/bin/env python3
"""Calculates a folder of CSV files on a Dask cluster, one output file per input.

    python3 dask_batch.py INPUT_FOLDER OUTPUT_FOLDER [--scheduler ADDRESS] [--workers N]

Every *.csv file of INPUT_FOLDER is one partition of a Dask DataFrame; each
partition is calculated by draftcalc.calculate_frame on a worker of a
distributed cluster, and written to OUTPUT_FOLDER under the input's name:
the same bytes draftcalc-cli writes for that file (its columns as they are,
then ansX, ansY, ansA, ansR, ansRem). The files are read with every value
as a str, so that each text reaches the calculation and the output as it
stands in the file.

Without --scheduler the cluster is a LocalCluster of --workers processes
(2 by default) on this machine. With --scheduler tcp://host:8786 it is the
cluster of that scheduler (started with dask-scheduler, its workers with
dask-worker tcp://host:8786 on each machine): every worker needs the
draftcalc module (the package python3-draftcalc) and must reach both folders
under the same paths (a shared file system).

The files must be well-formed CSV in UTF-8, each record as wide as its
header, with column names that differ: draftcalc-cli leaves out a record of
another width (with a message) and writes a repeated column name as it is,
while pandas reads those otherwise.

Needs Debian's python3-pandas, python3-dask and python3-distributed. Exits
with status 77 when Dask is not installed.
"""

from __future__ import annotations

import argparse
import pathlib
import sys
import time

MISSING_DASK_STATUS = 77


def calculate_partition(partition, output_path: str) -> int:
    """Calculates a partition on a worker and writes it as draftcalc-cli
    writes its output; gives its number of records."""
    import draftcalc

    answers = draftcalc.calculate_frame(partition, texts=True, copy=False)
    write_whole(output_path, answers.to_csv(index=False, lineterminator="\n").encode("utf-8"))
    return len(answers)


def write_whole(path: str, data: bytes) -> None:
    """Writes the file whole or not at all: a new file beside it, flushed to
    the disk and only then renamed over it, so that a full disk or a file
    size limit leaves no cut output (and an older one as it was)."""
    import os
    import tempfile

    folder, name = os.path.split(path)
    fd, temporary = tempfile.mkstemp(prefix=f".{name}.", dir=folder or ".")
    try:
        with os.fdopen(fd, "wb") as file:
            file.write(data)
            file.flush()
            os.fsync(file.fileno())
        os.replace(temporary, path)
    except OSError as error:
        os.unlink(temporary)
        raise OSError(error.errno, error.strerror, path) from error
    except BaseException:
        os.unlink(temporary)
        raise


def run(inputs: list[pathlib.Path], output_folder: pathlib.Path) -> int:
    """Calculates the files on the cluster of the current distributed Client
    and writes one output file each; gives the number of records."""
    import dask
    import dask.dataframe

    frame = dask.dataframe.read_csv(
        [str(path) for path in inputs],
        blocksize=None,  # one partition per file, whole
        dtype=str,
        keep_default_na=False,
        na_filter=False,
        encoding="utf-8",
    )
    output_folder.mkdir(parents=True, exist_ok=True)
    # Each partition on its own, not as parts of one frame: the files may
    # have different columns, and each output keeps its input's.
    counts = [
        dask.delayed(calculate_partition)(partition, str(output_folder / path.name))
        for partition, path in zip(frame.to_delayed(), inputs)
    ]
    return sum(dask.compute(*counts))


def arguments(argv: list[str] | None) -> argparse.Namespace:
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("input_folder", type=pathlib.Path, help="the folder of *.csv files to calculate")
    parser.add_argument("output_folder", type=pathlib.Path, help="where each output file is written, by its input's name")
    parser.add_argument("--scheduler", help="the address of a running scheduler (tcp://host:8786); default: a LocalCluster")
    parser.add_argument("--workers", type=int, default=2, help="worker processes of the LocalCluster (default 2)")
    return parser.parse_args(argv)


def main(argv: list[str] | None = None) -> int:
    given = arguments(argv)
    try:
        from distributed import Client, LocalCluster
    except ImportError:
        print("dask_batch.py needs Dask: apt-get install python3-dask python3-distributed", file=sys.stderr)
        return MISSING_DASK_STATUS
    inputs = sorted(given.input_folder.glob("*.csv"))
    if not inputs:
        print(f"{given.input_folder}: no *.csv files", file=sys.stderr)
        return 2
    if given.scheduler:
        with Client(given.scheduler) as client:
            return report(inputs, given.output_folder, client)
    with LocalCluster(n_workers=given.workers, threads_per_worker=1, dashboard_address=None) as cluster:
        with Client(cluster) as client:
            return report(inputs, given.output_folder, client)


def report(inputs: list[pathlib.Path], output_folder: pathlib.Path, client) -> int:
    """Runs the files on the client's cluster, once it is up, and says how fast."""
    workers = len(client.scheduler_info()["workers"])
    start = time.perf_counter()
    try:
        records = run(inputs, output_folder)
    except OSError as error:  # a full disk, a file size limit: what was not written is not there
        print(f"dask_batch.py: cannot write {error.filename or output_folder}: {error.strerror or error}", file=sys.stderr)
        return 1
    seconds = time.perf_counter() - start
    print(f"{records} records in {len(inputs)} files on {workers} workers: {seconds:.2f} s, "
          f"{records / seconds:,.0f} records/s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
