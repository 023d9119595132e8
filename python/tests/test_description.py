"""Parsing and checking through the package: messages, results, errors, and which description is held."""
import gc
import os
import subprocess
import sys

import pytest

import oxel32
from oxel32 import MessageKind, Result, _library

BROKEN = "COMPONENT U1\n  PIN_LIST 1 TDI TDI -"
TWICE = "COMPONENT U1 END COMPONENT\nCOMPONENT U1 END COMPONENT"


def test_a_syntax_error_keeps_what_was_expected_at_every_level(oxel_file):
    path = oxel_file(BROKEN, "broken.oxel")
    for level, kinds in [(0, []), (1, ["error"]), (2, ["error"]), (3, ["error"]), (4, ["progress", "error"])]:
        with pytest.raises(oxel32.ParseError) as raised:
            oxel32.parse(path, level=level)
        assert raised.value.result == Result.FAILED
        assert [m.kind for m in raised.value.messages] == kinds, level
    progress, error = raised.value.messages
    assert (progress.text, progress.level, progress.file, progress.line) == ("Reading file '%s'" % path, 4, None, None)
    assert error == oxel32.Message(MessageKind.ERROR, 1, 'syntax error >> line 4 near "OXEL"', path, 4, 5,
                                   "Pin definition or END PIN_LIST expected")
    assert str(error) == '%s:4:5: error: syntax error >> line 4 near "OXEL": Pin definition or END PIN_LIST ' \
                         'expected' % path
    assert str(raised.value) == 'oxel32: %s: syntax error >> line 4 near "OXEL": Pin definition or END ' \
                                'PIN_LIST expected' % path
    # The program name stands in the syntax message; the detail stays its own.
    with pytest.raises(oxel32.ParseError) as raised:
        oxel32.parse(path, program_name="checker")
    assert [(m.text, m.detail) for m in raised.value.messages] == [
        ('syntax error: checker >> line 4 near "OXEL"', "Pin definition or END PIN_LIST expected")]


def test_a_message_the_library_lays_out_over_two_lines_is_one_line(oxel_file):
    """An include file that cannot be read is told, and the parse goes on without it."""
    path = oxel_file('#include "nowhere.oxel"\nCOMPONENT U1 END COMPONENT', "includes.oxel")
    description = oxel32.parse(path)
    assert [(m.kind, m.text, m.detail, m.line, m.column) for m in description.messages] == [
        ("error", "syntax error >> line 3: Couldn't open #include file nowhere.oxel", None, 2, 1),
        ("error", "syntax error >> line 3: Ignoring #include directive", None, 2, 1)]
    assert [c.name for c in description.components] == ["U1"]


def test_notes_beyond_the_level_asked_stay_out(oxel_file):
    """A parse that sends notes of its own (a signal list given twice in a PPA) shows them from level 3."""
    sequence = "COMPONENT U1\n  TEST_SEQUENCE S\n    PPA(T, G (TDI: A) (TDI: B))\n  END TEST_SEQUENCE\nEND COMPONENT"
    path = oxel_file(sequence)
    assert oxel32.parse(path, level=2).messages == ()
    notes = oxel32.parse(path, level=3).messages
    assert [(m.kind, m.text) for m in notes] == [("note", "Redefinition of TDI list in PPA instruction")]


@pytest.mark.parametrize("name, result", [("jx200.oxel", Result.OK), ("kx300_bridge.oxel", Result.WARNINGS),
                                          ("vrak_sequences.oxel", Result.WARNINGS)])
def test_a_check_reports_its_result_and_counts_what_it_sent(example, name, result):
    description = oxel32.parse(example(name))
    report = description.check(strict=True)
    assert report.result == result and report.ok and description.report is report
    assert report.errors == sum(m.kind == "error" for m in report.messages) == 0
    assert report.warnings == sum(m.kind == "warning" for m in report.messages)
    assert (report.warnings > 0) == (result == Result.WARNINGS)
    if report.warnings:
        assert all(m.file == example(name) and m.line > 0 and m.column > 0 for m in report.messages)
    assert description.held and description.check().result == result
    assert oxel32.parse(example(name), strict=True).report == report


def test_a_check_with_errors_releases_the_description_and_raises_when_asked(oxel_file):
    path = oxel_file(TWICE)
    description = oxel32.parse(path)
    report = description.check()
    assert report.result == Result.FAILED and not report.ok
    assert report.errors == sum(m.kind == "error" for m in report.messages) > 0
    assert not description.held
    assert [c.name for c in description.components] == ["U1", "U1"]
    with pytest.raises(oxel32.ReleasedDescriptionError, match="its check found errors"):
        description.check()
    with pytest.raises(oxel32.CheckError) as raised:
        oxel32.parse(path, strict=True)
    assert raised.value.report.messages == raised.value.messages == report.messages
    assert raised.value.result == Result.FAILED and str(raised.value).startswith("oxel32: %s: " % path)
    with pytest.raises(oxel32.CheckError):
        oxel32.parse(path).check(strict=True)


CAPTURES_ZEROS = ("COMPONENT U1\n  INSTRUCTION_REGISTER IR PURPOSE \"Instructions\" LENGTH 2 CAPTURE \"00\"\n"
                  "    INSTRUCTION_LIST BYPASS \"11\" BPR SAMPLE - END INSTRUCTION_LIST\n"
                  "  END INSTRUCTION_REGISTER\n"
                  "  BYPASS_REGISTER BPR PURPOSE \"Bypass\" LENGTH 1 CAPTURE \"0\" END BYPASS_REGISTER\n"
                  "END COMPONENT")


def test_the_strict_rules_run_on_request_only(oxel_file, example):
    path = oxel_file(CAPTURES_ZEROS)
    description = oxel32.parse(path)
    assert description.check().result == Result.OK
    report = description.check(strict_rules=True)
    assert (report.result, report.errors, report.warnings) == (Result.FAILED, 1, 0)
    [finding] = report.messages
    assert (finding.kind, finding.text, finding.line) == (
        "error", 'Instruction-register capture value "00" of "IR" does not end in 01', 3)
    assert not description.held
    with pytest.raises(oxel32.CheckError):
        oxel32.parse(path).check(strict=True, strict_rules=True)
    # A bundled example that keeps the rules keeps its result.
    assert oxel32.parse(example("jx200.oxel")).check(strict_rules=True).result == Result.OK


def test_one_description_is_held_at_a_time(example):
    first = oxel32.parse(example("jx200.oxel"))
    second = oxel32.parse(example("kx300_bridge.oxel"))
    assert not first.held and second.held
    assert [c.name for c in first.components] == ["JX200"]
    with pytest.raises(oxel32.ReleasedDescriptionError) as raised:
        first.check()
    assert "jx200.oxel" in str(raised.value) and "kx300_bridge.oxel was parsed after it" in str(raised.value)
    # The first one, closed or collected, leaves the second one held.
    first.close()
    del first
    gc.collect()
    assert second.held
    with second:
        assert second.check().ok
    assert not second.held
    with pytest.raises(oxel32.ReleasedDescriptionError, match="it was closed"):
        second.check()
    assert _library.load().oxel_nr_components() == 0


def test_a_failed_parse_releases_what_was_held(example, oxel_file):
    held = oxel32.parse(example("jx200.oxel"))
    with pytest.raises(oxel32.ParseError):
        oxel32.parse(oxel_file(BROKEN))
    assert not held.held and _library.load().oxel_nr_components() == 0


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
