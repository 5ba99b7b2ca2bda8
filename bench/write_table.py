#!/usr/bin/env python3
"""Writes docs/performance.md from the JSON of volmar-bench and of its
peak-memory mode: one table of every figure with its yardstick, ratio, target
and verdict, and the machine it ran on."""

import argparse
import json
import os
import platform
import re
import statistics
import subprocess
from dataclasses import dataclass

UNIT_TO_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


@dataclass
class Row:
    figure: str
    value: str
    median: str = "—"
    yardstick: str = "—"
    ratio: str = "—"
    target: str = "—"
    verdict: str = "—"


@dataclass
class Timing:
    fastest: float  # ms
    median: float  # ms


def cpu_timings(bench_json):
    """The fastest and the median CPU time in milliseconds of the repetitions
    of every benchmark, by name. A benchmark that reported an error in any
    repetition maps to None."""
    runs, failed = {}, set()
    for entry in bench_json.get("benchmarks", []):
        if entry.get("run_type", "iteration") != "iteration":
            continue
        name = entry.get("run_name", entry["name"])
        if entry.get("error_occurred"):
            failed.add(name)
            continue
        ms = entry["cpu_time"] * UNIT_TO_MS[entry.get("time_unit", "ns")]
        runs.setdefault(name, []).append(ms)
    timings = {name: Timing(min(ms), statistics.median(ms)) for name, ms in runs.items()}
    timings.update({name: None for name in failed})
    return timings


def format_ms(ms):
    if ms is None:
        return "not measured"
    if ms >= 100:
        return f"{ms:.0f} ms"
    if ms >= 10:
        return f"{ms:.1f} ms"
    if ms >= 1:
        return f"{ms:.2f} ms"
    us = ms * 1e3
    return f"{us:.0f} µs" if us >= 100 else f"{us:.1f} µs"


def fastest(timing):
    return timing.fastest if timing else None


def timing_row(label, timing):
    row = Row(label, format_ms(fastest(timing)))
    if timing:
        row.median = format_ms(timing.median)
    return row


def verdict(ok):
    return "meets" if ok else "**MISSED**"


def time_row(times, name, label, limit_ms=None):
    """A figure against an absolute limit (strictly below it), or shown only."""
    ms = fastest(times.get(name))
    row = timing_row(label, times.get(name))
    if limit_ms is not None:
        row.target = f"< {format_ms(limit_ms)}"
        row.verdict = verdict(ms is not None and ms < limit_ms)
    return row


def added_row(times, name, label, yardstick_name, yardstick_label, limit_ms):
    """A figure whose cost beyond a yardstick of the same run must stay below a limit."""
    ms, base = fastest(times.get(name)), fastest(times.get(yardstick_name))
    row = timing_row(label, times.get(name))
    row.yardstick = f"{yardstick_label} {format_ms(base)}"
    row.target = f"< {yardstick_label} + {format_ms(limit_ms)}"
    row.verdict = verdict(ms is not None and base is not None and ms - base < limit_ms)
    return row


def ratio_row(times, name, label, yardstick_name, yardstick_label, limit, strict):
    """A figure against a multiple of a yardstick measured in the same run."""
    ms, base = fastest(times.get(name)), fastest(times.get(yardstick_name))
    row = timing_row(label, times.get(name))
    row.yardstick = f"{yardstick_label} {format_ms(base)}"
    sign = "<" if strict else "≤"
    row.target = f"{sign} {limit:.2f} × {yardstick_label}"
    if ms is None or not base:
        row.verdict = verdict(False)
        return row
    ratio = ms / base
    row.ratio = f"{ratio:.2f}"
    row.verdict = verdict(ratio < limit if strict else ratio <= limit)
    return row


def png_names(times):
    prefix = "BM_PngDecode/"
    return sorted(n[len(prefix):] for n in times if n.startswith(prefix))


def png_rows(times):
    rows = []
    for name in png_names(times):
        ours = f"BM_PngDecode/{name}"
        label = f"PNG decode, {name}"
        rows.append(ratio_row(times, ours, label, f"BM_LibpngDecode/{name}", "libpng", 1.0, True))
        rows.append(ratio_row(times, ours, label, f"BM_ZlibInflate/{name}", "zlib inflate", 1.25,
                              False))
    return rows


def peak_row(peak, empty):
    kib = peak.get("peak_resident_kib") if peak else None
    value = f"{kib / 1024:.1f} MiB" if kib and kib > 0 else "not measured"
    windows = peak.get("windows", 1000) if peak else 1000
    row = Row(f"Peak resident memory, editor with {windows:,} windows painted once", value)
    base = empty.get("peak_resident_kib") if empty else None
    if base and base > 0:
        row.yardstick = f"empty editor {base / 1024:.1f} MiB"
        if kib and kib > 0:
            row.ratio = f"{kib / base:.2f}"
    return row


def all_rows(times, peak, empty):
    rows = [
        time_row(times, "BM_FormTextRead", "Form text read, 100,000 definitions", 100),
        time_row(times, "BM_FormTextWrite", "Form text write, 100,000 definitions", 50),
    ]
    rows += png_rows(times)
    rows += [
        time_row(times, "BM_CanvasRepaint/10", "Canvas repaint, 10 windows"),
        time_row(times, "BM_CanvasRepaint/100", "Canvas repaint, 100 windows", 2),
        time_row(times, "BM_CanvasRepaint/1000", "Canvas repaint, 1,000 windows"),
        time_row(times, "BM_CanvasRepaintLongName", "Canvas repaint, one window named with 10 MB",
                 5),
        time_row(times, "BM_GroupMoveStep/10", "Group move, one pointer step, 10 windows"),
        time_row(times, "BM_GroupMoveStep/100", "Group move, one pointer step, 100 windows", 5),
        time_row(times, "BM_UndoRedoGroupMove/100", "Undo then redo of a group move, 100 windows", 5),
        time_row(times, "BM_CanvasDragStep/10", "Creation drag, one pointer step, 10 windows"),
        time_row(times, "BM_CanvasDragStep/100", "Creation drag, one pointer step, 100 windows"),
        time_row(times, "BM_ZoomedFrameDragStep/1000/1", "Frame drag, one pointer step, 1,000 windows at 100 %"),
        time_row(times, "BM_ZoomedFrameDragStep/1000/2", "Frame drag, one pointer step, 1,000 windows at 200 %", 4),
        time_row(times, "BM_GuideDragStep/1000/0",
                 "Moving a window, one pointer step, 1,000 windows, no snapping to windows"),
        time_row(times, "BM_GuideDragStep/1000/1",
                 "Moving a window, one pointer step, 1,000 windows, snapping to windows", 4),
        time_row(times, "BM_CanvasRepaintBackground/0", "Canvas repaint, 10 windows, no picture"),
        added_row(times, "BM_CanvasRepaintBackground/1",
                  "Canvas repaint, 10 windows, a 640x480 background picture",
                  "BM_CanvasRepaintBackground/0", "no picture", 1),
        time_row(times, "BM_SelectAll/10000", "Select All, 10,000 windows", 100),
        time_row(times, "BM_SelectAllFirst/10000",
                 "Select All, the first of a session, 10,000 windows"),
        time_row(times, "BM_ClearSelection/10000", "Clearing a selection of 10,000 windows"),
        time_row(times, "BM_ArrowStep/10000", "Arrow key, 10,000 windows selected", 50),
        time_row(times, "BM_Paste/100000", "Paste, 100,000 windows", 1000),
        time_row(times, "BM_StartupToFirstPaint", "Start-up to first paint of the canvas"),
        peak_row(peak, empty),
    ]
    return rows


def table(rows):
    lines = ["| Figure | Value | Median | Yardstick | Ratio | Target | Result |",
             "|---|---:|---:|---|---:|---|---|"]
    for r in rows:
        lines.append(f"| {r.figure} | {r.value} | {r.median} | {r.yardstick} | {r.ratio} | "
                     f"{r.target} | {r.verdict} |")
    return "\n".join(lines)


def read_text(path):
    try:
        with open(path, encoding="utf-8", errors="replace") as f:
            return f.read()
    except OSError:
        return ""


def cpu_model():
    match = re.search(r"^model name\s*:\s*(.+)$", read_text("/proc/cpuinfo"), re.M)
    return match.group(1).strip() if match else platform.processor() or "unknown"


def memory_gib():
    match = re.search(r"^MemTotal:\s*(\d+) kB", read_text("/proc/meminfo"), re.M)
    return f"{int(match.group(1)) / 1024 / 1024:.1f} GiB" if match else "unknown"


def os_name():
    match = re.search(r'^PRETTY_NAME="?([^"\n]+)"?', read_text("/etc/os-release"), re.M)
    name = match.group(1) if match else platform.system()
    return f"{name}, Linux {platform.release()}"


def compiler(build_dir):
    match = re.search(r"^CMAKE_CXX_COMPILER:\w+=(.+)$",
                      read_text(os.path.join(build_dir, "CMakeCache.txt")), re.M)
    path = match.group(1).strip() if match else "c++"
    try:
        out = subprocess.run([path, "--version"], capture_output=True, text=True, check=True)
        return out.stdout.splitlines()[0]
    except (OSError, subprocess.CalledProcessError, IndexError):
        return path


def build_type(build_dir):
    match = re.search(r"^CMAKE_BUILD_TYPE:\w+=(.*)$",
                      read_text(os.path.join(build_dir, "CMakeCache.txt")), re.M)
    return match.group(1).strip() if match else "unknown"


def git(*args):
    try:
        out = subprocess.run(["git", *args], capture_output=True, text=True, check=True)
        return out.stdout.strip()
    except (OSError, subprocess.CalledProcessError):
        return None


def commit():
    """The commit measured, and whether the measured code had changes beyond it."""
    head = git("rev-parse", "--short", "HEAD")
    if head is None:
        return "unknown"
    changed = git("status", "--porcelain", "--untracked-files=all", "--", "src", "bench",
                  "CMakeLists.txt")
    return f"{head} with uncommitted changes" if changed else head


def machine(context, build_dir):
    load = context.get("load_avg") or []
    return "\n".join([
        f"- CPU: {cpu_model()}; {context.get('num_cpus', os.cpu_count())} logical cores "
        f"at {context.get('mhz_per_cpu', '?')} MHz",
        f"- Memory: {memory_gib()}",
        f"- OS: {os_name()}",
        f"- Compiler: {compiler(build_dir)}, CMake build type {build_type(build_dir)}",
        f"- Qt: {context.get('qt_version', 'unknown')} (offscreen platform)",
        f"- Date: {context.get('date', 'unknown')}; load average at the start "
        f"{', '.join(f'{x:.2f}' for x in load) or 'unknown'}",
        f"- Source: commit {commit()}",
    ])


INTRO = """# Performance

Written by `bench/run`, which builds `volmar-bench` as a Release build in
`build-release/`, runs every benchmark {reps} times (the repetitions of all
benchmarks in one random order, after a warm-up), measures the peak memory in
processes of their own, and writes this page with `bench/write_table.py`.
Do not edit it by hand: run `bench/run` again.

Times are **CPU time**, not wall time. All the work measured runs on one
thread, and the machine these figures come from is shared with other builds
and low-priority fuzzers: wall time there counts the time our thread waited
for a core, CPU time counts only the work done. CPU time is not immune to a
loaded machine either (the two cores share caches and memory bandwidth, and
the load changes over a run; one repetition may take 20 % longer than the
next), but that interference only ever adds time. So *Value*, the figure the
targets are judged on, is the **fastest repetition** (each repetition is the
mean of many iterations over at least half a second); *Median* is the median
repetition, shown so the spread is in view. The yardsticks (libpng, zlib
alone) run in the same process and the same run as our own code, their
repetitions interleaved with ours, and each ratio compares fastest with
fastest.

A figure that misses its target is shown as **MISSED**; "—" means the figure
has no target or no yardstick.

"""

NOTES = """
What each figure measures:

- *Form text read/write*: 100,000 window definitions, every other with a
  Japanese name, from bytes to definitions (CP932 codec included) and back.
- *PNG decode*: our reader decoding a photo-like picture to the image the
  editor paints, against libpng decoding the same file to RGBA, and against
  zlib alone inflating its image data, the floor of any PNG reader.
- *Canvas repaint*: one whole repaint of the 640x480 canvas (grid and windows
  of 200x100 spread over it, each composed from the built-in skin).
- *Group move*: one pointer step of a move of that many selected windows,
  with the frames' updates and the repaint it causes.
- *Creation drag*: one pointer step of a window-creation drag on the main
  window over that many windows (status texts, rulers, rubber band, hint).
- *Canvas repaint, one window named with 10 MB*: the same repaint with one
  window of 200x100 whose name is five million characters.
- *Select All*, *Arrow key*, *Paste*: the main window with that many windows
  spread over the canvas: Select All with nothing selected before (a frame
  appears over every window); one arrow key press with every window selected;
  pasting that many windows into an empty document. Each includes what the
  event loop does next: the repaint and what was left to be done late.
  Frames that go are kept for the next selection, so *Select All* repeated
  reuses them; *the first of a session* makes every frame anew. *Clearing a
  selection* is a click on the empty margin with every window selected.
- *Start-up to first paint*: constructing the main window (settings read from
  an empty settings folder, built-in skin, menus, tool bar) and showing it
  until its canvas has finished its first paint, offscreen.
- *Peak resident memory*: VmHWM of a process that creates the main window,
  opens a project of 1,000 windows of 200x100 spread over the canvas through
  the Open command, and paints once; the yardstick is the same process with
  an empty project.
"""


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--bench", required=True)
    parser.add_argument("--peak", required=True)
    parser.add_argument("--peak-empty", required=True)
    parser.add_argument("--build-dir", default="build-release")
    parser.add_argument("--out", required=True)
    args = parser.parse_args()

    with open(args.bench, encoding="utf-8") as f:
        bench_json = json.load(f)

    def load_peak(path):
        try:
            with open(path, encoding="utf-8") as f:
                return json.loads(f.read() or "{}")
        except (OSError, ValueError):
            return {}

    context = bench_json.get("context", {})
    reps = max((e.get("repetitions", 1) for e in bench_json.get("benchmarks", [])), default=1)
    rows = all_rows(cpu_timings(bench_json), load_peak(args.peak), load_peak(args.peak_empty))
    text = (INTRO.format(reps=reps) + table(rows) + "\n" + NOTES + "\n## Machine\n\n" +
            machine(context, args.build_dir) + "\n")
    with open(args.out, "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    main()
