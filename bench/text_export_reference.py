#!/usr/bin/env python3
"""Reference writers for text_export_bench: the same values as the text export, from
memory, through pandas.DataFrame.to_csv and numpy.savetxt with the same number format.

Usage: text_export_reference.py RECORDING.dta ROWS CHANNELS FACTOR OFFSET STEP OUTDIR
Prints "pandas WALL CPU" and "numpy WALL CPU" in seconds (the writing only; the reading
and the calibration happen before the clocks start)."""
import os
import sys
import time

import numpy
import pandas


def main():
    path, rows, channels, factor, offset, step, out_dir = sys.argv[1:8]
    rows, channels = int(rows), int(channels)
    factor, offset, step = float(factor), float(offset), float(step)
    raw = numpy.fromfile(path, dtype="<f4", count=rows * channels).reshape(rows, channels)
    values = numpy.empty((rows, channels + 1), dtype=numpy.float64)
    values[:, 0] = numpy.arange(rows, dtype=numpy.float64) * step
    values[:, 1:] = raw.astype(numpy.float64) * factor + offset
    del raw

    target = os.path.join(out_dir, "reference.txt")
    frame = pandas.DataFrame(values)
    start, cpu = time.perf_counter(), time.process_time()
    frame.to_csv(target, sep=" ", header=False, index=False, float_format="%15.6g",
                 lineterminator="\r\n")
    print("pandas %.3f %.3f" % (time.perf_counter() - start, time.process_time() - cpu),
          flush=True)
    del frame
    os.remove(target)

    start, cpu = time.perf_counter(), time.process_time()
    numpy.savetxt(target, values, fmt="%15.6g", delimiter=" ", newline="\r\n")
    print("numpy %.3f %.3f" % (time.perf_counter() - start, time.process_time() - cpu),
          flush=True)
    os.remove(target)


if __name__ == "__main__":
    main()
