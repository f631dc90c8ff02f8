"""The Dask example writes each output whole or not at all: a small output
(the path users take: it sits in a buffer until the end) that fails under a
file size limit or on a full disk leaves no cut file and an older one as it
was, and the failure names the file."""

import importlib.util
import os
import pathlib
import subprocess
import sys

import pytest

EXAMPLE = pathlib.Path(__file__).resolve().parents[2] / "examples" / "dask_batch.py"
SMALL_OUTPUT = b"x1,ansX\n" + b"0,1\n" * 200


def example():
    spec = importlib.util.spec_from_file_location("dask_batch", EXAMPLE)
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module


def expect_refused_whole(folder: pathlib.Path, write) -> None:
    target = folder / "out.csv"
    target.write_bytes(b"older\n")
    with pytest.raises(OSError) as refused:
        write(str(target))
    assert refused.value.filename == str(target)
    assert target.read_bytes() == b"older\n"
    assert sorted(p.name for p in folder.iterdir() if p.name.startswith(".out.csv")) == []


def test_a_written_output_replaces_the_older_one(tmp_path):
    target = tmp_path / "out.csv"
    target.write_bytes(b"older\n")
    example().write_whole(str(target), SMALL_OUTPUT)
    assert target.read_bytes() == SMALL_OUTPUT
    assert [p.name for p in tmp_path.iterdir()] == ["out.csv"]


def test_a_file_size_limit_leaves_no_cut_output(tmp_path):
    # In a child: the limit is the process's own.
    child = (
        "import resource, sys, importlib.util\n"
        f"spec = importlib.util.spec_from_file_location('e', {str(EXAMPLE)!r})\n"
        "e = importlib.util.module_from_spec(spec); spec.loader.exec_module(e)\n"
        "resource.setrlimit(resource.RLIMIT_FSIZE, (64, resource.getrlimit(resource.RLIMIT_FSIZE)[1]))\n"
        "try:\n"
        f"    e.write_whole(sys.argv[1], {SMALL_OUTPUT!r})\n"
        "except OSError as error:\n"
        "    print(error.filename); sys.exit(3)\n"
    )
    target = tmp_path / "out.csv"
    target.write_bytes(b"older\n")
    run = subprocess.run([sys.executable, "-c", child, str(target)], capture_output=True, text=True)
    assert run.returncode == 3, run.stderr
    assert run.stdout.strip() == str(target)
    assert target.read_bytes() == b"older\n"
    assert [p.name for p in tmp_path.iterdir()] == ["out.csv"]


@pytest.mark.skipif("DRAFTCALC_FULL_DISK" not in os.environ, reason="run by tests/on_full_disk.sh")
def test_a_full_disk_leaves_no_cut_output():
    folder = pathlib.Path(os.environ["DRAFTCALC_FULL_DISK"])
    (folder / "out.csv").write_bytes(b"older\n")
    filler = folder / "filler"
    with open(filler, "wb", buffering=0) as fill:
        try:
            while True:
                fill.write(b"\0" * 4096)
        except OSError:
            pass
    try:
        expect_refused_whole(folder, lambda path: example().write_whole(path, SMALL_OUTPUT))
    finally:
        filler.unlink()
