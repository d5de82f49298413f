#!/usr/bin/env python3
"""Prints the medians of a benchmark JSON file as a table, with the loader's speed-up."""
import json
import sys

UNIT_SCALE = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def medians(path):
    with open(path, encoding="utf-8") as f:
        runs = json.load(f)["benchmarks"]
    out = {}
    for run in runs:
        if run.get("aggregate_name") != "median":
            continue
        name = run["run_name"].replace("/iterations:1", "").replace("/manual_time", "")
        ms = run["real_time"] * UNIT_SCALE[run["time_unit"]]
        out[name] = (ms, run.get("VmHWM_MB"))
    return out


def time_text(ms):
    return f"{ms * 1000:.1f} µs" if ms < 1 else f"{ms:.2f} ms"


def ratio_text(ratio):
    return f"{ratio:.1f}×" if ratio < 10 else f"{ratio:.0f}×"


def main(path):
    rows = medians(path)
    print(f"\n| {'benchmark':30} | {'median':>10} | {'reference':>10} | {'speed-up':>8} "
          f"| {'VmHWM':>8} |")
    print(f"|{'-' * 32}|{'-' * 11}:|{'-' * 11}:|{'-' * 9}:|{'-' * 9}:|")
    for name, (ms, peak) in rows.items():
        if name.startswith("ReferenceLoad/"):
            continue
        ref = rows.get(name.replace("MenuLoad/", "ReferenceLoad/")) if name.startswith(
            "MenuLoad/") else None
        ref_text = time_text(ref[0]) if ref else ""
        ratio = ratio_text(ref[0] / ms) if ref else ""
        peak_text = f"{peak:.1f} MB" if peak is not None else ""
        print(f"| {name:30} | {time_text(ms):>10} | {ref_text:>10} | {ratio:>8} "
              f"| {peak_text:>8} |")


if __name__ == "__main__":
    main(sys.argv[1])
