"""Parsing and checking through the package: messages, results, and which description is held."""
import os
import subprocess
import sys

import pytest

import oxel32
from oxel32 import _library

BROKEN = "OXEL\nCOMPONENT U1\n  PIN_LIST 1 TDI TDI -\nEND OXEL\n"


def test_a_failed_parse_raises_with_the_messages_its_level_chooses(tmp_path):
    path = tmp_path / "broken.oxel"
    path.write_text(BROKEN)
    with pytest.raises(oxel32.ParseError) as raised:
        oxel32.parse(path, level=4)
    assert raised.value.result == oxel32.Result.FAILED
    messages = raised.value.messages
    assert [(m.kind, m.level) for m in messages] == [("progress", 4), ("error", 1), ("note", 3)]
    assert messages[0].text == "Reading file '%s'" % path
    assert messages[1].text == 'syntax error >> line 4 near "OXEL"'
    assert (messages[0].file, messages[0].line, messages[1].file, messages[1].line) == (None, None, str(path), 4)
    for level, kinds in [(0, []), (1, ["error"]), (3, ["error", "note"])]:
        with pytest.raises(oxel32.ParseError) as raised:
            oxel32.parse(path, level=level)
        assert [m.kind for m in raised.value.messages] == kinds, level


@pytest.mark.parametrize("name, result", [("jx200.oxel", oxel32.Result.OK),
                                          ("kx300_bridge.oxel", oxel32.Result.WARNINGS),
                                          ("vrak_sequences.oxel", oxel32.Result.WARNINGS)])
def test_a_check_reports_its_result_and_counts_what_it_sent(example, name, result):
    description = oxel32.parse(example(name))
    report = description.check()
    assert report.result == result and report.ok
    assert report.errors == sum(m.kind == "error" for m in report.messages) == 0
    assert report.warnings == sum(m.kind == "warning" for m in report.messages)
    assert (report.warnings > 0) == (result == oxel32.Result.WARNINGS)
    if report.warnings:
        assert any(m.file == example(name) and m.line > 0 for m in report.messages)
    assert description.held and description.check().result == result


def test_a_check_with_errors_releases_the_description(tmp_path):
    path = tmp_path / "twice.oxel"
    path.write_text("OXEL\nCOMPONENT U1 END COMPONENT\nCOMPONENT U1 END COMPONENT\nEND OXEL\n")
    description = oxel32.parse(path)
    report = description.check()
    assert report.result == oxel32.Result.FAILED and not report.ok
    assert report.errors == sum(m.kind == "error" for m in report.messages) > 0
    assert not description.held
    assert [c.name for c in description.components] == ["U1", "U1"]
    with pytest.raises(oxel32.OxelError):
        description.check()


def test_one_description_is_held_at_a_time(example):
    first = oxel32.parse(example("jx200.oxel"))
    second = oxel32.parse(example("kx300_bridge.oxel"))
    assert not first.held and second.held
    assert [c.name for c in first.components] == ["JX200"]
    with pytest.raises(oxel32.OxelError):
        first.check()
    with second:
        assert second.check().ok
    assert not second.held
    assert _library.load().oxel_nr_components() == 0


def test_paths_outside_ascii_reach_the_library(tmp_path, example):
    folder = tmp_path / "b\u00e4nd \u00fc"
    folder.mkdir()
    path = folder / "jx200.oxel"
    path.write_bytes(open(example("jx200.oxel"), "rb").read())
    assert oxel32.is_oxel(path)
    description = oxel32.parse(path, level=4)
    assert description.messages[0].text == "Reading file '%s'" % path
    assert [c.name for c in description.components] == ["JX200"]
    assert not oxel32.is_oxel(tmp_path / "missing.oxel")


def test_the_library_named_by_the_environment_must_load():
    script = "import oxel32\ntry:\n    oxel32.version()\nexcept OSError:\n    print('refused')\n"
    environment = dict(os.environ, OXEL32_LIBRARY=os.devnull, PYTHONPATH=os.path.dirname(oxel32.__path__[0]))
    run = subprocess.run([sys.executable, "-c", script], env=environment, capture_output=True, text=True)
    assert run.stdout == "refused\n", run.stderr
    assert _library.candidates()[0] == os.environ["OXEL32_LIBRARY"]
    assert oxel32.version().count(".") == 2


def test_a_description_no_longer_referenced_is_released(example):
    oxel32.parse(example("jx200.oxel"))
    assert _library.load().oxel_nr_components() == 0
    kept = oxel32.parse(example("jx200.oxel"))
    assert _library.load().oxel_nr_components() == 1 and kept.held
