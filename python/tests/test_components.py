"""The components read from the records, beside what the tool shows of them, what the library's
queries answer and what the file wrote."""
import ctypes
import json

import pytest

import oxel32
from oxel32 import CellFunction, InstructionKind, Mode, PinType, Standard, _library
from conftest import SOURCE

# A component whose pins, instructions and cells take the less common forms.
ODD = """
COMPONENT ODD
  STANDARD : JTAG_V2.0
  PIN_LIST
    1 TDI TDI -
    (1, 2, 5:7) Q(4:7, 0) IO -
    (J1, J2) N(1:0) OUT -
    (3) F(0:1) IN -
    (100:70099) W(0:69999) IN -
  END PIN_LIST
  INSTRUCTION_REGISTER IR
    LENGTH 2
    INSTRUCTION_LIST
      EXTEST "00" BSR EXTERNAL -
      MYINST "01" BSR MYMODE -
      SAMPLE "10" BSR - -
    END INSTRUCTION_LIST
  END INSTRUCTION_REGISTER
  BOUNDARY_SCAN_REGISTER BSR
    LENGTH 9
    CHAIN_LIST
      0 BC_1 TDI [a b] [B] - - -
      1 BC_1 Q(4) - q - 1 -
      2 BC_1 Q(0) - q - 7 -
      3 my_control - - - - 5 Z
      4 BC_2 - - - - - -
      5 BC_1 - [x] - - "12 " -
      6 BC_1 - - [y] - "12a" -
      7 BC_1 - - [y] - "" -
      8 BC_1 - [p1 p2 p3 p4 p5 p6 p7 p8 p9 p10 p11] - - - -
    END CHAIN_LIST
  END BOUNDARY_SCAN_REGISTER
END COMPONENT
"""


@pytest.mark.parametrize("name", ["jx200", "dual_jx200_board", "vrak_sequences"])
def test_the_components_are_what_the_tool_shows(example, name):
    """The tool walks the library's own cursors: its golden listing is what the records must give."""
    shown = json.loads((SOURCE / "tests" / "tools" / "golden" / (name + ".show.json")).read_text())
    read = oxel32.parse(example(name + ".oxel")).components
    assert [c.name for c in read] == [c["name"] for c in shown["components"]]
    for component, expected in zip(read, shown["components"]):
        assert component.standard.text == expected["standard"]
        assert [(p.name, p.number, p.type.text) for p in component.pins] == [
            (p["name"].split("(")[0], None if p["bus"] else p["number"], p["type"])
            for p in expected["pins"]]
        assert [(i.kind, i.name, i.code, i.register) for i in component.instructions] == [
            (i["kind_code"], i["kind"], i["opcode"], i["register"]) for i in expected["instructions"]]
        assert [(c.position, c.name, c.pin if c.pin_index is None else "%s(%d)" % (c.pin, c.pin_index),
                 [(f.function.text, f.function, f.parameter) for f in c.functions],
                 c.control_cell, c.disable_value) for c in component.cells] == [
            (c["position"], c["name"], c["pin"],
             [(f["function"], f["code"], f["name"]) for f in c["functions"]],
             c["control_cell"], c["disable_value"]) for c in expected["cells"]]
        lengths = {r.kind: r.length for r in component.registers}
        assert (lengths.get("instruction", 0), lengths.get("boundary_scan")) == (
            expected["instruction_register"]["length"], expected["boundary_scan_register_length"])


def _library_cells(component_name):
    """Function list, control cell and disable value of each cell, as the library's queries tell
    them for the component held."""
    library = _library.load()
    assert library.oxel_open_component(None, component_name.encode()) == 1
    names, codes = (ctypes.c_char_p * 32)(), (ctypes.c_int32 * 32)()
    cells = []
    more = library.oxel_get_current_component_first_cell(None)
    while more:
        count = library.oxel_get_current_component_current_cell_function_list(None, names, codes, 32)
        functions = [(None if names[i] is None else names[i].decode(), codes[i]) for i in range(count)]
        control = library.oxel_get_current_component_current_cell_CD_output(None)
        disable = library.oxel_get_current_component_current_cell_CD_value(None)
        cells.append((functions, None if control == -1 else control,
                      None if disable == b"\0" else disable.decode()))
        more = library.oxel_get_current_component_next_cell(None)
    return cells


@pytest.mark.parametrize("name", ["jx200.oxel", "kx300_bridge.oxel", "px240_port_expander.oxel", None])
def test_a_cells_functions_are_what_the_librarys_query_answers(example, oxel_file, name):
    description = oxel32.parse(example(name) if name else oxel_file(ODD))
    for component in description.components:
        ours = [([(f.parameter, f.function) for f in c.functions], c.control_cell, c.disable_value)
                for c in component.cells]
        assert ours == _library_cells(component.name), component.name


def test_the_less_common_forms_of_pins_instructions_and_cells(oxel_file):
    odd = oxel32.parse(oxel_file(ODD)).components[0]
    assert odd.standard is Standard.JTAG_V2_0 and odd.standard.text == "JTAG_V2_0"
    assert [(i.kind, i.kind.text, i.name, i.mode, i.mode_name) for i in odd.instructions] == [
        (InstructionKind.EXTEST, "EXTEST", "EXTEST", Mode.EXTERNAL, None),
        (InstructionKind.NAMED, "USERINST", "MYINST", Mode.NAMED, "MYMODE"),
        (InstructionKind.NAMED, "USERINST", "SAMPLE", Mode.NONE, None)]
    functions = [[(f.parameter, f.function.name) for f in c.functions] for c in odd.cells]
    assert functions[:5] == [[("a", "INPUT"), ("b", "BIDIR")], [("q", "OUTPUT")], [("q", "TRISTATE")],
                             [(None, "CONTROL")], [(None, "INTERNAL")]]
    assert [c.control_cell for c in odd.cells[5:8]] == [12, None, 0]
    assert [f.parameter for f in odd.cells[8].functions] == ["p%d" % i for i in range(1, 11)]
    assert odd.cells[3].disable_value == "Z" and odd.cells[3].name == "my_control"


def test_a_bus_pairs_its_pin_numbers_with_its_indices(oxel_file):
    pins = {p.name: p for p in oxel32.parse(oxel_file(ODD)).components[0].pins}
    tdi, q, n, f, w = (pins[name] for name in ("TDI", "Q", "N", "F", "W"))
    assert (tdi.bus, tdi.number, tdi.elements, tdi.index_range, tdi.number_of(0)) == (False, "1", (), None, None)
    # Written (1, 2, 5:7) Q(4:7, 0): pins 1, 2, 5, 6, 7 at indices 4, 5, 6, 7, 0.
    assert q.bus and q.number is None and q.width == 5 and q.index_range == (0, 7)
    assert [(e.index, e.number) for e in q.elements] == [(0, "7"), (4, "1"), (5, "2"), (6, "5"), (7, "6")]
    assert q.indices == (0, 4, 5, 6, 7) and q.numbers == ("7", "1", "2", "5", "6")
    assert [q.number_of(i) for i in range(-1, 9)] == [None, "7", None, None, None, "1", "2", "5", "6", None]
    # A range written high to low stands for no index, as the check counts it.
    assert (n.width, n.index_range, n.elements, n.number_spans) == (0, None, (), ("J1", "J2"))
    # Fewer pin numbers than indices: the elements without one say so.
    assert [(e.index, e.number) for e in f.elements] == [(0, "3"), (1, None)]
    # Wider than the check accepts: told, not listed; the numbers are still reachable one by one.
    assert w.width == 70000 and w.index_range == (0, 69999) and w.number_of(69999) == "70099"
    with pytest.raises(ValueError):
        w.elements


@pytest.mark.parametrize("name", ["jx200.oxel", "kx300_bridge.oxel", "px240_port_expander.oxel"])
def test_the_pin_a_cell_serves_on_a_bus_is_the_pin_its_parameters_name(example, name):
    """The examples name a bus element's pin number as the parameter of the cell that serves it."""
    for component in oxel32.parse(example(name)).components:
        buses = {p.name: p for p in component.pins if p.bus}
        served = [(c.pin, c.pin_index, next(p for p in c.inputs + c.outputs if p != "-"))
                  for c in component.cells if c.pin in buses and c.pin_index is not None]
        assert served
        assert all(buses[pin].number_of(index) == parameter for pin, index, parameter in served)


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
    assert jx200.pins[2] == oxel32.Pin("TDI", "3", PinType.TDI, False, None)
    assert jx200.pin("D") == oxel32.Pin("D", None, PinType.IOZ, True, None, ((0, 15),), ((6, 21),))
    assert [r.kind for r in jx200.registers] == ["instruction", "boundary_scan", "bypass",
                                                 "identification", "bist", "data"]
    assert jx200.registers[1].capture is None
    assert jx200.instructions[5].registers == ("BSR", "SCANREG")
    assert jx200.cells[13] == oxel32.Cell(13, "BC_2", None, None, ("-",), ("-",), ("-",), ("-",))
    assert jx200.cells[14] == oxel32.Cell(14, "BC_7", "D", 0, ("6",), ("6",), ("13",), ("0",))
    assert (jx200.cells[0].pin, jx200.cells[0].pin_index) == ("RESET_N", None)


def test_every_code_has_its_name_and_its_text():
    assert [(t.value, t.name) for t in PinType][1:] == list(enumerate(
        "IN OUT OUTZ IO IOZ NC PWR GND TMS TDI TDO TCK TRST".split(), start=1))
    assert [k.text for k in InstructionKind] == ["UNKNOWN", "EXTEST", "BYPASS", "SAMPLE/PRELOAD", "INTEST",
                                                 "RUNBIST", "IDCODE", "USERCODE", "USERINST", "CLAMP", "HIGHZ"]
    assert [(m.value, m.text) for m in Mode] == [
        (0, "UNKNOWN"), (1, "INTERNAL"), (2, "EXTERNAL"), (3, "SAMPLE"), (4, "PRIVATE"), (5, "HIGHZ"),
        (6, "HIZ"), (32, "NAMED"), (64, "NONE")]
    assert [s.text for s in Standard] == ["UNKNOWN", "IEEE_1149.1_1990", "JTAG_V2_0"]
    assert [(f.value, f.text) for f in CellFunction] == [
        (1, "input"), (2, "output"), (3, "tristate"), (4, "control"), (5, "internal"), (6, "bidir")]
    # Codes of different kinds that share a number keep their own texts.
    assert (PinType.IN.text, Standard.IEEE_1149_1_1990.text, CellFunction.INPUT.text) == (
        "IN", "IEEE_1149.1_1990", "input")
    assert "%s/%s" % (oxel32.MessageKind.WARNING, oxel32.RegisterKind.BOUNDARY_SCAN) == "warning/boundary_scan"
