#!/usr/bin/python3
"""Opens oxel's pictures and pages in headless Chromium and checks them from the page itself.

For every file given it writes the report page and a drawing of each board and each component, opens each
in the browser (through chromedriver) and asks the page:
  - no console error and nothing fetched: a page holds all it shows;
  - one box per part of each scan chain and one cell per boundary-scan position, as `oxel show --json`
    lists them;
  - no two text labels' boxes intersect (the boxes the browser laid out);
  - the page does not run wider than a 1280 px window, and printed its pictures fit the paper;
  - the screenshot is not blank: more than one colour, and ink beyond the background.
With --self-test it first shows that each check catches the fault it is for, on pages made broken on
purpose. Exits 1 on any failure, naming the page and what is wrong.
"""
import argparse
import base64
import json
import os
import shutil
import subprocess
import sys
import tempfile
import zlib

WINDOW = (1280, 1000)
CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"
# Headless as root on a machine without a network: no sandbox, no GPU, and nothing in the background
# that would reach out.
CHROMIUM_FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                  "--disable-background-networking", "--disable-component-update", "--disable-sync",
                  "--disable-dev-shm-usage", "--hide-scrollbars"]

# What the page tells of itself: its labels' boxes, its parts and cells by picture, what it fetched.
PAGE_FACTS = r"""
const boxes = [];
for (const t of document.querySelectorAll('text')) {
  const r = t.getBoundingClientRect();
  if (r.width > 0 && r.height > 0)
    boxes.push([r.left + window.scrollX, r.top + window.scrollY, r.right + window.scrollX,
                r.bottom + window.scrollY, t.textContent]);
}
const chains = [...document.querySelectorAll('g.scan-chain')].map(
  c => [c.getAttribute('data-chain'), [...c.querySelectorAll('g.chain-part')].map(p => p.getAttribute('data-part'))]);
const strips = [...document.querySelectorAll('svg')].map(
  s => [...s.querySelectorAll('g.bsr-cell')].map(c => Number(c.getAttribute('data-position'))))
  .filter(cells => cells.length > 0);
const root = document.documentElement;
return {boxes: boxes, chains: chains, strips: strips,
        fetched: performance.getEntriesByType('resource').map(e => e.name),
        width: Math.max(root.scrollWidth, document.body ? document.body.scrollWidth : 0)};
"""

# Printed: the widest picture against the width the page gives it.
PRINT_FACTS = r"""
const main = document.querySelector('main');
const room = main ? main.getBoundingClientRect().width : window.innerWidth;
let widest = 0;
for (const s of document.querySelectorAll('figure svg'))
  widest = Math.max(widest, s.getBoundingClientRect().width);
return {room: room, widest: widest};
"""


def png_pixels(data):
    """Width, height and the rows of RGB(A) bytes of an 8-bit RGB or RGBA PNG."""
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG")
    at, idat, width, height, channels = 8, b"", 0, 0, 0
    while at < len(data):
        length = int.from_bytes(data[at:at + 4], "big")
        kind, body = data[at + 4:at + 8], data[at + 8:at + 8 + length]
        at += 12 + length
        if kind == b"IHDR":
            width, height = int.from_bytes(body[0:4], "big"), int.from_bytes(body[4:8], "big")
            depth, colour, interlace = body[8], body[9], body[12]
            if depth != 8 or colour not in (2, 6) or interlace:
                raise ValueError(f"a PNG of depth {depth}, colour type {colour}, interlace {interlace}")
            channels = 3 if colour == 2 else 4
        elif kind == b"IDAT":
            idat += body
    raw, stride, rows, previous = zlib.decompress(idat), width * channels, [], bytearray(width * channels)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 0xFF
        rows.append(bytes(line))
        previous = line
    return width, height, channels, rows


def blank_reason(png):
    """Why a screenshot is blank, or None: one colour, or ink on under one pixel in a thousand."""
    width, height, channels, rows = png_pixels(png)
    counts = {}
    for row in rows:
        for x in range(0, width * channels, channels):
            pixel = row[x:x + 3]
            counts[pixel] = counts.get(pixel, 0) + 1
    if len(counts) < 2:
        return "the screenshot is one colour"
    background = max(counts.values())
    if width * height - background < width * height / 1000:
        return "the screenshot is nearly all background"
    return None


def overlaps(boxes):
    """The first two labels whose boxes intersect (by more than half a pixel), or None."""
    boxes = sorted(boxes, key=lambda b: b[1])
    slack = 0.5
    for i, a in enumerate(boxes):
        for b in boxes[i + 1:]:
            if b[1] >= a[3] - slack:
                break
            if b[0] < a[2] - slack and a[0] < b[2] - slack:
                return f"labels {a[4]!r} and {b[4]!r} overlap"
    return None


class Browser:
    """One headless Chromium through chromedriver, with a profile of its own, removed at the end."""

    def __init__(self):
        from selenium import webdriver
        from selenium.webdriver.chrome.service import Service
        self.profile = tempfile.mkdtemp(prefix="oxel-browser-")
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for flag in CHROMIUM_FLAGS + [f"--user-data-dir={self.profile}",
                                      f"--window-size={WINDOW[0]},{WINDOW[1]}"]:
            options.add_argument(flag)
        # The console, and the DevTools events that tell each request (file:// ones too, which the
        # page's own resource timing leaves out).
        options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
        try:
            self.driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
        except Exception:
            shutil.rmtree(self.profile, ignore_errors=True)
            raise

    def close(self):
        try:
            self.driver.quit()
        finally:
            shutil.rmtree(self.profile, ignore_errors=True)

    def inspect(self, path):
        """What the page at `path` tells of itself, its console errors and its screenshot."""
        driver = self.driver
        driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "screen"})
        driver.get_log("performance")   # what came before this page
        url = "file://" + os.path.abspath(path)
        driver.get(url)
        facts = driver.execute_script(PAGE_FACTS)
        facts["errors"] = [entry["message"] for entry in driver.get_log("browser")
                           if entry["level"] == "SEVERE"]
        for entry in driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            if message.get("method") == "Network.requestWillBeSent":
                requested = message["params"]["request"]["url"]
                if requested != url and requested not in facts["fetched"]:
                    facts["fetched"].append(requested)
        facts["screenshot"] = driver.get_screenshot_as_png()
        if path.endswith(".html"):
            driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "print"})
            facts["print"] = driver.execute_script(PRINT_FACTS)
            pdf = driver.execute_cdp_cmd("Page.printToPDF", {"printBackground": False})
            facts["pdf"] = base64.b64decode(pdf["data"])
            driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "screen"})
        return facts


def check_page(browser, path, chains=None, strips=None):
    """The faults of the page at `path`: a list of texts, empty when it passes. `chains` and `strips`,
    when given, are the parts of each chain and the cell positions of each strip it must show, in order."""
    facts = browser.inspect(path)
    faults = [f"console error: {message}" for message in facts["errors"]]
    faults += [f"fetched {name}" for name in facts["fetched"]]
    overlap = overlaps(facts["boxes"])
    if overlap:
        faults.append(overlap)
    if not facts["boxes"] and path.endswith(".svg"):
        faults.append("a picture without a label")
    if facts["width"] > WINDOW[0] and path.endswith(".html"):
        faults.append(f"the page is {facts['width']} px wide in a {WINDOW[0]} px window")
    if chains is not None:
        shown = [parts for _, parts in facts["chains"]]
        if shown != chains:
            faults.append(f"chains show parts {shown}, the description has {chains}")
    if strips is not None:
        shown = [sorted(cells) for cells in facts["strips"]]
        if shown != [sorted(cells) for cells in strips]:
            faults.append(f"strips show {[len(c) for c in shown]} cells, the description has "
                          f"{[len(c) for c in strips]} (or other positions)")
        for cells in facts["strips"]:
            if cells != sorted(cells, reverse=True):
                faults.append("a strip's cells do not run from the highest position to 0")
    reason = blank_reason(facts["screenshot"])
    if reason:
        faults.append(reason)
    if "print" in facts:
        if facts["print"]["widest"] > facts["print"]["room"] + 1:
            faults.append(f"printed, a picture is {facts['print']['widest']:.0f} px wide in "
                          f"{facts['print']['room']:.0f} px")
        if not facts["pdf"].startswith(b"%PDF"):
            faults.append("printing gave no PDF")
    return faults


def run(command):
    result = subprocess.run(command, capture_output=True)
    return result.returncode, result.stdout, result.stderr.decode("utf-8", "replace")


def check_example(browser, oxel, example, work):
    """Writes the report and the drawings of one example and checks each; the faults found."""
    name = os.path.splitext(os.path.basename(example))[0]
    status, out, err = run([oxel, "show", "--json", example])
    if status == 4:
        return [f"{example}: oxel show failed: {err}"]
    description = json.loads(out)
    chains = {}
    for board in description["boards"]:
        chains[board["name"]] = [[part["part"] for part in tap["scan_chain"]["parts"]]
                                 for tap in board["taps"]]
    strips = {component["name"]: [cell["position"] for cell in component["cells"]]
              for component in description["components"]}
    pages = []
    page = os.path.join(work, name + ".html")
    # The page's status is the check's: errors still write a page.
    status, _, err = run([oxel, "report", example, "-o", page])
    if status not in (0, 1, 4) or not os.path.exists(page) or not os.path.getsize(page):
        return [f"{example}: oxel report failed with {status}: {err}"]
    pages.append((page, [c for b in description["boards"] for c in chains[b["name"]]],
                  [strips[c["name"]] for c in description["components"] if strips[c["name"]]]))
    for i, board in enumerate(description["boards"]):
        picture = os.path.join(work, f"{name}.board{i + 1}.svg")
        status, _, err = run([oxel, "draw", "--board", board["name"], example, "-o", picture])
        if status not in (0, 1):
            return [f"{example}: oxel draw --board failed with {status}: {err}"]
        pages.append((picture, chains[board["name"]], []))
    for i, component in enumerate(description["components"]):
        picture = os.path.join(work, f"{name}.component{i + 1}.svg")
        status, _, err = run([oxel, "draw", "--component", component["name"], example, "-o", picture])
        if status not in (0, 1):
            return [f"{example}: oxel draw --component failed with {status}: {err}"]
        pages.append((picture, [], [strips[component["name"]]] if strips[component["name"]] else []))
    faults = []
    for path, expected_chains, expected_strips in pages:
        found = check_page(browser, path, expected_chains, expected_strips)
        faults += [f"{path}: {fault}" for fault in found]
        print(f"{'FAIL' if found else 'ok  '} {path}", flush=True)
    return faults


SELF_TESTS = {
    # Two labels on top of each other.
    "overlap.svg": ('<svg xmlns="http://www.w3.org/2000/svg" width="300" height="100">'
                    '<rect width="300" height="100" fill="#fff"/>'
                    '<text x="10" y="40" font-size="14">first label</text>'
                    '<text x="20" y="44" font-size="14">second label</text></svg>',
                    "overlap"),
    # A cell too few: positions 2 and 0 of three.
    "missing_cell.svg": ('<svg xmlns="http://www.w3.org/2000/svg" width="300" height="100">'
                         '<g class="bsr-cell" data-position="2"><text x="10" y="40">2</text></g>'
                         '<g class="bsr-cell" data-position="0"><text x="60" y="40">0</text></g></svg>',
                         "strips show"),
    # An image that cannot load, and a script that fails.
    "fetches.html": ('<!DOCTYPE html><html><body><main><svg width="100" height="50"><text x="5" y="20">x</text>'
                     '</svg><img src="missing.png"><script>undefined_function();</script></main></body></html>',
                     "console error"),
    # Nothing but white.
    "blank.svg": ('<svg xmlns="http://www.w3.org/2000/svg" width="300" height="100">'
                  '<text x="10" y="40" font-size="14" fill="#fff">white</text></svg>',
                  "screenshot"),
    # A picture that loads well, but from another file.
    "fetches_quietly.html": ('<!DOCTYPE html><html><body><main><svg width="100" height="50">'
                             '<text x="5" y="20">x</text></svg><img src="self-test-blank.svg"></main></body></html>',
                             "fetched"),
    # A page wider than the window.
    "wide.html": ('<!DOCTYPE html><html><body><main><figure><svg width="3000" height="50">'
                  '<text x="5" y="20">wide</text></svg></figure></main></body></html>',
                  "px wide"),
}


def self_test(browser, work):
    """Each check catches its fault on a page made broken for it; the faults of the checker itself."""
    faults = []
    for name, (content, expected) in SELF_TESTS.items():
        path = os.path.join(work, "self-test-" + name)
        with open(path, "w", encoding="utf-8") as page:
            page.write(content)
        strips = [[2, 1, 0]] if name == "missing_cell.svg" else None
        found = check_page(browser, path, None, strips)
        if not any(expected in fault for fault in found):
            faults.append(f"self-test {name}: the check did not find '{expected}' (it found {found})")
        print(f"{'FAIL' if faults and faults[-1].startswith('self-test ' + name) else 'ok  '} "
              f"self-test {name} finds: {'; '.join(found)}", flush=True)
    return faults


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--oxel", required=True, help="the oxel tool")
    parser.add_argument("--work", required=True, help="where the pages are written")
    parser.add_argument("--self-test", action="store_true", help="first show that each check catches its fault")
    parser.add_argument("examples", nargs="+")
    args = parser.parse_args()
    os.makedirs(args.work, exist_ok=True)
    try:
        browser = Browser()
    except Exception as error:   # no browser: say why, and fail
        print(f"browser-check: cannot start Chromium through chromedriver: {error}", file=sys.stderr)
        return 1
    faults = []
    try:
        if args.self_test:
            faults += self_test(browser, args.work)
        for example in args.examples:
            faults += check_example(browser, args.oxel, example, args.work)
    finally:
        browser.close()
    for fault in faults:
        print(fault, file=sys.stderr)
    print(f"browser-check: {len(faults)} fault(s)" if faults else "browser-check: every page passes")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
