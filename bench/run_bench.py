#!/usr/bin/python3
"""Benchmark runner: times each path of the library on generated descriptions.

For every corpus file it prints the median time of each path as a ratio to `wc -w` on the same
file (measured in the same run, so that machine noise cancels), and the peak resident memory of
the path as a ratio to the file size. Time is the processor time of the child (user and system):
other builds on the machine stretch the wall time of a run but hardly its processor time.
"""
import argparse
import os
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))


def run_once(command, limit):
    """Processor seconds and peak resident bytes of one run; None for the time past the limit."""
    start = time.monotonic()
    with open(os.devnull, "wb") as sink:
        child = subprocess.Popen(command, stdout=sink, stderr=sink)
    while True:
        pid, status, usage = os.wait4(child.pid, os.WNOHANG)
        if pid:
            break
        if time.monotonic() - start > limit:
            child.kill()
            os.wait4(child.pid, 0)
            return None, 0
        time.sleep(0.002)
    elapsed = usage.ru_utime + usage.ru_stime
    if os.waitstatus_to_exitcode(status) not in (0, 1):
        sys.exit(f"bench: {' '.join(command)} failed with status {status}")
    return elapsed, usage.ru_maxrss * 1024


def measure(command, runs, limit):
    """Median seconds and the largest peak memory over `runs` runs; (None, 0) when too slow."""
    times, peak = [], 0
    for _ in range(runs):
        elapsed, resident = run_once(command, limit)
        if elapsed is None:
            return None, 0
        times.append(elapsed)
        peak = max(peak, resident)
    return statistics.median(times), peak


def corpus(work, name, arguments):
    path = os.path.join(work, name + ".oxel")
    if not os.path.exists(path):
        print(f"generating {name} ...", file=sys.stderr, flush=True)
        subprocess.run([sys.executable, os.path.join(HERE, "generate_corpus.py")] + arguments
                       + [path], check=True)
    return path


def ratio(value, base):
    return "   >limit" if value is None else f"{value / base:8.2f}x"


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--build", required=True, help="the build folder holding oxel")
    parser.add_argument("--work", required=True, help="where the corpus goes")
    parser.add_argument("--sizes", default="5 20 50", help="board sizes in MB, separated by blanks")
    parser.add_argument("--shapes", default="chain netlist vrak", help="large shapes to add")
    parser.add_argument("--bsdl-cells", default="5000 100000",
                        help="boundary registers (in cells) of the BSDL devices whose import is timed")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--limit", type=float, default=120.0, help="seconds one run may take")
    args = parser.parse_args()
    os.makedirs(args.work, exist_ok=True)
    oxel = os.path.join(args.build, "oxel")

    files = []
    for size in args.sizes.replace(",", " ").split():
        files.append((f"board {size} MB", corpus(args.work, f"board_{size}mb",
                                                 ["board", "--megabytes", size])))
    shapes = {"chain": ("chain 200k cells", ["chain", "--count", "200000"]),
              "netlist": ("netlist 200k nodes", ["netlist", "--count", "200000"]),
              "vrak": ("DRS 1M words", ["vrak", "--count", "1000000"])}
    for shape in args.shapes.split():
        label, arguments = shapes[shape]
        files.append((label, corpus(args.work, shape, arguments)))

    paths = [("parse", lambda f: [oxel, "--level", "1", "parse", f]),
             ("scan", lambda f: [oxel, "--level", "1", "components", f]),
             ("show", lambda f: [oxel, "--level", "1", "show", f]),
             ("check", lambda f: [oxel, "--level", "1", "check", f])]
    print(f"medians of {args.runs} runs; time as a ratio to wc -w on the same file, memory (mem) as a "
          "ratio to the file size; show/P and check/P: ratio to the parse time")
    print(f"{'file':20} {'MB':>6} {'wc -w s':>8} {'parse':>9} {'mem':>6} {'scan':>9} {'show':>9} "
          f"{'show/P':>7} {'check':>9} {'check/P':>7} {'chk mem':>7}", flush=True)
    for label, path in files:
        size = os.path.getsize(path)
        words, _ = measure(["wc", "-w", path], args.runs, args.limit)
        results = {name: measure(command(path), args.runs, args.limit) for name, command in paths}
        parse_time = results["parse"][0]

        def versus_parse(name):
            value = results[name][0]
            if value is None or parse_time is None:
                return f"{'-':>7}"
            return f"{value / parse_time:6.2f}x"

        print(f"{label:20} {size / 1e6:6.1f} {words:8.3f} {ratio(results['parse'][0], words)} "
              f"{results['parse'][1] / size:5.2f}x {ratio(results['scan'][0], words)} "
              f"{ratio(results['show'][0], words)} {versus_parse('show')} "
              f"{ratio(results['check'][0], words)} {versus_parse('check')} "
              f"{results['check'][1] / size:6.2f}x", flush=True)
    bsdl_imports(oxel, args)

    # The pictures: a long boundary-scan register and a long chain, drawn and reported.
    pictures = [("device 5,000 cells", corpus(args.work, "device_5000", ["device", "--count", "5000"])),
                ("chain of 200 parts", corpus(args.work, "parts_200", ["parts", "--count", "200"]))]
    print(f"\npictures: medians of {args.runs} runs in processor seconds; draw/P and report/P: ratios to "
          "the parse time (report parses twice and checks)")
    print(f"{'file':20} {'parse s':>8} {'draw s':>8} {'draw/P':>7} {'report s':>9} {'report/P':>8}", flush=True)
    for label, path in pictures:
        parse, _ = measure([oxel, "--level", "1", "parse", path], args.runs, args.limit)
        draw, _ = measure([oxel, "--level", "1", "draw", path, "-o", os.devnull], args.runs, args.limit)
        report, _ = measure([oxel, "--level", "1", "report", path, "-o", os.devnull], args.runs, args.limit)

        def seconds(value):
            return f"{'>limit':>8}" if value is None else f"{value:8.3f}"

        def versus(value):
            return f"{'-':>7}" if value is None or not parse else f"{value / parse:6.2f}x"

        print(f"{label:20} {seconds(parse)} {seconds(draw)} {versus(draw)} {seconds(report):>9} "
              f"{versus(report):>8}", flush=True)
    return 0


def bsdl_imports(oxel, args):
    """The import of a BSDL device against the parse of the OXEL description it gives, written out."""
    counts = args.bsdl_cells.replace(",", " ").split()
    if not counts:
        return
    print(f"\nBSDL import: {'cells':>7} {'bsd MB':>7} {'import s':>9} {'oxel MB':>8} {'parse s':>8} "
          f"{'import/P':>8}   (aim: import under 2x the parse)", flush=True)
    for count in counts:
        bsd = os.path.join(args.work, f"bsdl_{count}.bsd")
        twin = os.path.join(args.work, f"bsdl_{count}.oxel")
        if not (os.path.exists(bsd) and os.path.exists(twin)):
            print(f"generating bsdl_{count} ...", file=sys.stderr, flush=True)
            subprocess.run([sys.executable, os.path.join(HERE, "generate_corpus.py"), "bsdl", bsd,
                            "--count", count, "--oxel", twin], check=True)
        imported, _ = measure([oxel, "--level", "1", "parse", bsd], args.runs, args.limit)
        parsed, _ = measure([oxel, "--level", "1", "parse", twin], args.runs, args.limit)
        versus = "-" if imported is None or not parsed else f"{imported / parsed:7.2f}x"
        print(f"{'':12} {count:>7} {os.path.getsize(bsd) / 1e6:7.2f} {imported or 0:9.4f} "
              f"{os.path.getsize(twin) / 1e6:8.2f} {parsed or 0:8.4f} {versus:>8}", flush=True)


if __name__ == "__main__":
    sys.exit(main())
