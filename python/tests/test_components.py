"""The components read from the records, beside what the library's own cursors walk."""
import ctypes

import pytest

import oxel32
from oxel32 import _library


def text(raw):
    return None if raw is None else raw.decode()


def walked(lib, context):
    """Each component as the cursors walk it: pins, instructions, register lengths and cells."""
    out = {}
    more = lib.oxel_get_first_component()
    while more:
        name = text(lib.oxel_get_current_component_name())
        pins = []
        lib.oxel_get_current_component_first_pin_nr()
        for _ in range(lib.oxel_nr_current_component_pins()):
            pins.append((text(lib.oxel_get_current_component_current_pin_name()),
                         text(lib.oxel_get_current_component_current_pin_nr())))
            lib.oxel_get_current_component_next_pin_nr()
        instructions = []
        kind = lib.oxel_get_current_component_first_instruction()
        while kind != -1:
            instructions.append((kind, text(lib.oxel_get_current_component_current_instruction_name()),
                                 text(lib.oxel_get_current_component_current_instruction_code()),
                                 text(lib.oxel_get_current_component_register_selected())))
            kind = lib.oxel_get_current_component_next_instruction()
        cells = []
        more_cells = lib.oxel_get_current_component_first_cell(context)
        while more_cells:
            cells.append((lib.oxel_get_current_component_current_cell_position(),
                          text(lib.oxel_get_current_component_current_cell_name())))
            more_cells = lib.oxel_get_current_component_next_cell(context)
        out[name] = (lib.oxel_get_current_component_standard(context), pins, instructions, cells)
        more = lib.oxel_get_next_component()
    return out


@pytest.mark.parametrize("name", ["jx200.oxel", "kx300_bridge.oxel", "dual_jx200_board.oxel"])
def test_the_components_are_what_the_cursors_walk(example, name):
    description = oxel32.parse(example(name))
    lib = _library.load()
    context = ctypes.byref(_library.HostContext())
    read = {c.name: (c.standard,
                     [(p.name, p.number) for p in c.pins],
                     [(i.kind, i.name, i.code, i.register) for i in c.instructions],
                     [(cell.position, cell.name) for cell in c.cells])
            for c in description.components}
    assert read == walked(lib, context)
    for component in description.components:
        assert lib.oxel_open_component(context, component.name.encode()) == 1
        assert component.instructions and component.cells and component.pins
        for register in component.registers:
            assert register.length == lib.oxel_get_current_component_register_length(
                context, register.name.encode()), register


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
