"""The components read from the records, beside what the tool shows of them and what the file wrote."""
import json

import pytest

import oxel32
from conftest import SOURCE


@pytest.mark.parametrize("name", ["jx200", "dual_jx200_board"])
def test_the_components_are_what_the_tool_shows(example, name):
    """The tool walks the library's own cursors: its golden listing is what the records must give."""
    shown = json.loads((SOURCE / "tests" / "tools" / "golden" / (name + ".show.json")).read_text())
    read = oxel32.parse(example(name + ".oxel")).components
    assert [c.name for c in read] == [c["name"] for c in shown["components"]]
    for component, expected in zip(read, shown["components"]):
        assert [(p.name, p.number) for p in component.pins] == [
            (p["name"].split("(")[0], None if p["bus"] else p["number"]) for p in expected["pins"]]
        assert [(i.kind, i.name, i.code, i.register) for i in component.instructions] == [
            (i["kind_code"], i["kind"], i["opcode"], i["register"]) for i in expected["instructions"]]
        assert [(c.position, c.name, c.pin if c.pin_index is None else "%s(%d)" % (c.pin, c.pin_index))
                for c in component.cells] == [(c["position"], c["name"], c["pin"]) for c in expected["cells"]]
        lengths = {r.kind: r.length for r in component.registers}
        assert (lengths["instruction"], lengths["boundary_scan"]) == (
            expected["instruction_register"]["length"], expected["boundary_scan_register_length"])
        assert component.instructions and component.cells and component.pins


def test_the_values_the_check_settles_are_read_again(example):
    description = oxel32.parse(example("jx200.oxel"))
    jx200 = description.components[0]
    assert jx200.cells[30].disables == ("x",)
    assert jx200.registers[3] == oxel32.Register("identification", "IDR", 32,
                                                 "0001 0010001101000000 00000111111 1")
    description.check()
    settled = description.components[0]
    assert settled.cells[30].disables == ("0",)
    assert settled.registers[3].capture == "00010010001101000000000001111111"


def test_pins_buses_and_cells_keep_what_the_file_wrote(example):
    jx200 = oxel32.parse(example("jx200.oxel")).components[0]
    assert jx200.pins[2] == oxel32.Pin("TDI", "3", oxel32.PinType.TDI, False, None)
    assert jx200.pins[5] == oxel32.Pin("D", None, oxel32.PinType.IOZ, True, None)
    assert [r.kind for r in jx200.registers] == ["instruction", "boundary_scan", "bypass",
                                                 "identification", "bist", "data"]
    assert jx200.registers[1].capture is None
    assert jx200.instructions[5].registers == ("BSR", "SCANREG")
    assert jx200.cells[13] == oxel32.Cell(13, "BC_2", None, None, ("-",), ("-",), ("-",), ("-",))
    assert jx200.cells[14] == oxel32.Cell(14, "BC_7", "D", 0, ("6",), ("6",), ("13",), ("0",))
    assert (jx200.cells[0].pin, jx200.cells[0].pin_index) == ("RESET_N", None)
