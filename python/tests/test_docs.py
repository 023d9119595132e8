"""The Python tour in doc/python.md runs as written: its examples in order, in one namespace,
from the top of the source tree, each printing what the page shows."""
import doctest
import re

from conftest import SOURCE


def test_the_python_tour_prints_what_it_shows(monkeypatch):
    page = SOURCE / "doc" / "python.md"
    text = page.read_text()
    monkeypatch.chdir(SOURCE)
    parser, runner = doctest.DocTestParser(), doctest.DocTestRunner(optionflags=doctest.ELLIPSIS)
    names = {}
    report = []
    blocks = list(re.finditer(r"^```python\n(.*?)^```", text, re.S | re.M))
    assert len(blocks) >= 6
    for block in blocks:
        line = text.count("\n", 0, block.start(1))
        test = parser.get_doctest(block.group(1), names, "python.md", str(page), line)
        assert test.examples, "a block without examples at line %d" % (line + 1)
        runner.run(test, out=report.append, clear_globs=False)
        names = test.globs              # a test runs in a copy of the names it is given
    assert runner.failures == 0, "".join(report)
