#!/usr/bin/python3
"""Compares what two builds of oxel print, byte for byte, over many inputs.

A restructuring of the library must not change a message, its order, its place, a result or a
record. This runs the old and the new `oxel` (each with the liboxel32.so beside it) on the same
files from the checkout's root, so that include directives resolve alike, and compares standard
output, standard error and the exit status of every command:

  parse --level 4, check --level 4, check --json, show, show --json, components, is-oxel

The inputs: every example, every golden input of the tests, the test tool's inputs, the bench
corpus generated at small sizes, and broken variants of all of these made by deterministic
mutations (truncations, lines and tokens deleted, doubled or swapped, keywords exchanged). Then
targeted variants, which reach rules that random mutations seldom do: each example with one of
its lines left out, in turn, and a component whose instruction list holds every instruction kind
with every register and every mode (once with an identification register, once with that
register made a usercode register).

  tools/compare_builds.py --old DIR --new DIR [--variants 1000] [--seed N] [--work build/compare]

Exit status 0 when every output agrees; otherwise the differing runs are listed (the first few
with their outputs) and the status is 1. With --ignore-places, the places messages point at
(`file:line:column:` before a message, the file, line and column of a JSON message) are left out
of the comparison, for a change that moves findings and nothing else; --list-moves then lists
each message text whose place changed, with its old and new place, once per text and move.
"""
import argparse
import concurrent.futures
import glob
import os
import random
import re
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

COMMANDS = [
    ["--level", "4", "parse"],
    ["--level", "4", "check"],
    ["check", "--json"],
    ["show"],
    ["show", "--json"],
    ["components"],
    ["is-oxel"],
]

# Words swapped in for one another: keywords of every section, so that a flipped keyword may
# still parse and reach the checks.
KEYWORDS = """OXEL END COMPONENT BOARD PIN_LIST IN OUT OUTZ IO IOZ NC PWR GND TMS TDI TDO TCK TRST
INSTRUCTION_REGISTER BYPASS_REGISTER IDENTIFICATION_REGISTER USERCODE_REGISTER BIST_REGISTER
DATA_REGISTER BOUNDARY_SCAN_REGISTER PURPOSE LENGTH CAPTURE CAPTURE_STATUS_LIST INSTRUCTION_LIST
CHAIN_LIST MANUFACTURER_IDCODE PARTNUMBER_IDCODE VERSION_IDCODE CONCATENATION PRELOAD COVERAGE CLOCK
MIN_DURATION ALTERED_REGISTERS PARALLEL_OUTPUTS CELL INIT_UPDATE DATA_INPUTS DATA_OUTPUTS DATA_SELECT
MODE_LIST EXTEST BYPASS SAMPLE_PRELOAD SAMPLE INTEST RUNBIST IDCODE USERCODE CLAMP HIGHZ HIZ
INTERNAL EXTERNAL PRIVATE SELECT UPDATE SI Z STANDARD IEEE_1149.1_1990 JTAG_V2_0 UNKNOWN
OXEL_HEADER CREATION_LOG CHANGE_LOG PIN_FAMILY GLOBAL_FAMILY SETUP_TIME HOLD_TIME TPLH TPHL
INPUT_CURRENT INPUT_VOLTAGE OUTPUT_CURRENT OUTPUT_VOLTAGE VCC_VOLTAGE TEST_FREQUENCY CLOCK_FREQUENCY
TEMPERATURE_RANGE TCK_STOP_AT_ONE YES NO BOARD_LEVEL_CHAIN BOARD_LEVEL_TAP PART_CHAIN NETLIST_MAP
TEST_SEQUENCE ILLEGAL_VECTORS RST WTN DRS BPV CNF TAP ITP PPA CMT R0 R1 T P - : ; , ( ) [ ]""".split()

TOKEN = re.compile(r'"[^"\n]*"|[^\s"]+')


def base_inputs():
    """The well-formed (and deliberately broken) files the checkout holds, relative to ROOT."""
    patterns = ["examples/*.oxel", "tests/*/golden/*.oxel", "tests/tools/inputs/*",
                "tests/tools/inputs/parts/*.oxel", "tests/query/*.oxel"]
    files = []
    for pattern in patterns:
        files += sorted(f for f in glob.glob(os.path.join(ROOT, pattern)) if os.path.isfile(f))
    return [os.path.relpath(f, ROOT) for f in files]


def bench_inputs(work):
    """The bench corpus's shapes at small sizes."""
    generator = os.path.join(ROOT, "bench", "generate_corpus.py")
    shapes = [("board", ["--megabytes", "0.2"]), ("chain", ["--count", "400"]),
              ("netlist", ["--count", "600"]), ("vrak", ["--count", "800"])]
    files = []
    for shape, arguments in shapes:
        path = os.path.join(work, "bench_" + shape + ".oxel")
        if not os.path.exists(path):
            subprocess.run([sys.executable, generator, shape, path] + arguments, check=True)
        files.append(os.path.relpath(path, ROOT))
    return files


def mutate(text, rng, gentle):
    """One variant of a text by a mutation chosen at random; a gentle one (a line deleted or
    doubled, a number or a name changed) mostly still parses and reaches the checks."""
    lines = text.split("\n")
    kind = rng.choice([1, 2, 8, 8]) if gentle else rng.randrange(9)
    if kind == 0 and text:                                   # cut short
        return text[:rng.randrange(len(text))]
    if kind in (1, 2, 3) and len(lines) > 1:
        i = rng.randrange(len(lines))
        if kind == 1:                                        # a line deleted
            del lines[i]
        elif kind == 2:                                      # a line doubled
            lines.insert(i, lines[i])
        else:                                                # two lines swapped
            j = rng.randrange(len(lines))
            lines[i], lines[j] = lines[j], lines[i]
        return "\n".join(lines)
    tokens = list(TOKEN.finditer(text))
    if not tokens:
        return text + "\n" + rng.choice(KEYWORDS)
    pick = tokens[rng.randrange(len(tokens))]
    start, end = pick.span()
    if kind == 4:                                            # a token deleted
        return text[:start] + text[end:]
    if kind == 5:                                            # a token doubled
        return text[:start] + pick.group() + " " + text[start:]
    if kind == 6:                                            # two tokens swapped
        other = tokens[rng.randrange(len(tokens))]
        a, b = sorted([pick, other], key=lambda m: m.start())
        if a.end() > b.start():
            return text
        return text[:a.start()] + b.group() + text[a.end():b.start()] + a.group() + text[b.end():]
    if kind == 7:                                            # a keyword exchanged
        return text[:start] + rng.choice(KEYWORDS) + text[end:]
    # a number changed, or a word of a name
    word = pick.group()
    if word.isdigit():
        return text[:start] + str(int(word) + rng.choice([-1, 1, 7])) + text[end:]
    return text[:start] + word + "X" + text[end:]


def variants(inputs, count, work, seed):
    rng = random.Random(seed)
    texts, weights = [], []
    for path in inputs:
        with open(os.path.join(ROOT, path), "rb") as f:
            data = f.read()
        # The big bench files would make every variant slow: only their first part is mutated.
        texts.append(data[:60000].decode("latin-1"))
        # The lexer's and the scanner's inputs are mostly no descriptions: they are drawn less.
        weights.append(1 if re.match(r"tests/(lexer|scan)/", path) else 6)
    folder = os.path.join(work, "variants")
    os.makedirs(folder, exist_ok=True)
    files = []
    for n in range(count):
        text = rng.choices(texts, weights)[0]
        gentle = n % 2 == 0
        for _ in range(1 + rng.randrange(2)):
            text = mutate(text, rng, gentle)
        path = os.path.join(folder, "v%04d.oxel" % n)
        with open(path, "wb") as f:
            f.write(text.encode("latin-1"))
        files.append(os.path.relpath(path, ROOT))
    return files


def targeted(work):
    folder = os.path.join(work, "targeted")
    os.makedirs(folder, exist_ok=True)
    files = []

    def write(name, text):
        path = os.path.join(folder, name)
        with open(path, "wb") as f:
            f.write(text.encode("latin-1"))
        files.append(os.path.relpath(path, ROOT))

    for example in sorted(glob.glob(os.path.join(ROOT, "examples", "*.oxel"))):
        with open(example, "rb") as f:
            lines = f.read().decode("latin-1").split("\n")
        stem = os.path.splitext(os.path.basename(example))[0]
        for i in range(len(lines)):
            write("%s_without_%03d.oxel" % (stem, i + 1), "\n".join(lines[:i] + lines[i + 1:]))
    with open(os.path.join(ROOT, "examples", "jx200.oxel"), "rb") as f:
        component = f.read().decode("latin-1")
    kinds = ["EXTEST", "BYPASS", "SAMPLE_PRELOAD", "PRELOAD", "INTEST", "RUNBIST", "IDCODE", "USERCODE",
             "CLAMP", "HIGHZ", "SCANTEST2"]
    registers = ["BSR", "BPR", "IDR", "BISTR", "SCANREG", "NOSUCH"]
    modes = ["EXTERNAL", "SAMPLE", "INTERNAL", "HIGHZ", "HIZ", "PRIVATE"]
    for usercode in (False, True):
        text = component.replace("IDENTIFICATION_REGISTER", "USERCODE_REGISTER") if usercode else component
        for kind in kinds:
            for register in registers:
                entries = "".join('      %s "0110" %s %s -\n' % (kind, register, mode) for mode in modes)
                write("instructions_%s_%s%s.oxel" % (kind, register, "_uc" if usercode else ""),
                      text.replace("    INSTRUCTION_LIST\n", "    INSTRUCTION_LIST\n" + entries, 1))
    return files


def run(build, command, path):
    environment = dict(os.environ, LD_LIBRARY_PATH=build, NO_COLOR="1")
    done = subprocess.run([os.path.join(build, "oxel")] + command + [path], cwd=ROOT,
                          env=environment, stdin=subprocess.DEVNULL, capture_output=True, timeout=300)
    return done.returncode, done.stdout, done.stderr


PLACE_PREFIX = re.compile(rb"^(.*?):\d+:\d+: ", re.M)
JSON_PLACE = re.compile(rb'"(file|line|column)": ("[^"\n]*"|\d+)')


def without_places(output):
    status, out, err = output
    strip = lambda text: JSON_PLACE.sub(rb'"\1": -', PLACE_PREFIX.sub(rb"\1: ", text))
    return status, strip(out), strip(err)


def compare(old, new, command, path, ignore_places):
    a, b = run(old, command, path), run(new, command, path)
    if a == b or (ignore_places and without_places(a) == without_places(b)):
        return None, (a, b)
    return (command, path, a, b), (a, b)


MESSAGE_LINE = re.compile(rb"^(.*?)(?::(\d+):(\d+))?: (error|warning|note): (.*)$")


def moves(old_output, new_output):
    """The messages of one text run whose places differ, as (text, old place, new place)."""
    def placed(text):
        lines = []
        for line in text.split(b"\n"):
            m = MESSAGE_LINE.match(line)
            if m:
                place = m.group(1) + (b":" + m.group(2) + b":" + m.group(3) if m.group(2) else b"")
                lines.append((m.group(4) + b": " + m.group(5), place))
        return lines
    found = []
    for (text, was), (_, now) in zip(placed(old_output[1] + old_output[2]), placed(new_output[1] + new_output[2])):
        if was != now:
            found.append((text.decode("latin-1"), was.decode("latin-1"), now.decode("latin-1")))
    return found


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--old", required=True, help="folder of the reference oxel and liboxel32.so")
    parser.add_argument("--new", required=True, help="folder of the oxel and liboxel32.so to compare")
    parser.add_argument("--variants", type=int, default=1000)
    parser.add_argument("--seed", type=int, default=20240122, help="of the mutations; the default repeats a run")
    parser.add_argument("--work", default=os.path.join(ROOT, "build", "compare"))
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--ignore-places", action="store_true", help="compare without the messages' places")
    parser.add_argument("--list-moves", action="store_true", help="with --ignore-places: list moved messages")
    args = parser.parse_args()
    old, new = os.path.abspath(args.old), os.path.abspath(args.new)
    work = os.path.abspath(args.work)
    os.makedirs(work, exist_ok=True)

    inputs = base_inputs() + bench_inputs(work)
    files = inputs + variants(inputs, args.variants, work, args.seed) + targeted(work)
    runs = [(command, path) for path in files for command in COMMANDS]
    differences, moved = [], {}
    with concurrent.futures.ThreadPoolExecutor(max_workers=args.jobs) as pool:
        for (command, path), (result, outputs) in zip(
                runs, pool.map(lambda r: compare(old, new, *r, args.ignore_places), runs)):
            if result:
                differences.append(result)
            elif args.list_moves and command == ["--level", "4", "check"]:
                for text, was, now in moves(*outputs):
                    # A place is shown without its file's folder: the same move in many files counts once.
                    key = (text, re.sub(r"^.*/", "", was), re.sub(r"^.*/", "", now))
                    moved.setdefault(key, path)
    print(f"{len(files)} files ({len(inputs)} inputs, {len(files) - len(inputs)} variants), "
          f"{len(runs)} runs per build: {len(differences)} differ")
    for command, path, a, b in differences[:10]:
        print(f"--- oxel {' '.join(command)} {path}")
        for label, (status, out, err) in (("old", a), ("new", b)):
            print(f"  {label}: status {status}")
            print("  stdout: " + out.decode("latin-1")[-2000:].replace("\n", "\n  "))
            print("  stderr: " + err.decode("latin-1")[-2000:].replace("\n", "\n  "))
    for command, path, _, _ in differences[10:]:
        print(f"--- oxel {' '.join(command)} {path}")
    if args.list_moves:
        print(f"{len(moved)} moves of a message (check --level 4), each with a file that shows it:")
        for (text, was, now), path in sorted(moved.items()):
            print(f"  {text}\n      {was} -> {now}   ({path})")
    return 1 if differences else 0


if __name__ == "__main__":
    sys.exit(main())
