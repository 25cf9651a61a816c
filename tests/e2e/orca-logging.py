#!/usr/bin/python3
"""Runs Orca, the installed screen reader, unchanged but for its debug log,
which Orca writes in blocks; written a line at a time, a test can read what
Orca has just spoken.  orca-logging.py DEBUG-FILE"""
import builtins
import runpy
import sys

LOG = sys.argv[1]
_open = builtins.open


def line_buffered(file, mode="r", buffering=-1, *args, **kwargs):
    if file == LOG and "w" in mode:
        buffering = 1
    return _open(file, mode, buffering, *args, **kwargs)


builtins.open = line_buffered
sys.argv = ["orca", "--debug-file", LOG]
runpy.run_path("/usr/bin/orca", run_name="__main__")
