"""Reading the library's component records into the package's plain values."""
import ctypes
import os

from . import _records as r
from .model import Cell, Component, Instruction, Pin, PinType, Register

_FORM_BUS = 1
_INSTRUCTION_NAMED = 8
_PINREF_ELEMENT = 1
_INSTRUCTION_KIND_TEXTS = ("UNKNOWN", "EXTEST", "BYPASS", "SAMPLE/PRELOAD", "INTEST", "RUNBIST",
                           "IDCODE", "USERCODE", "USERINST", "CLAMP", "HIGHZ")

# Register kinds in the order a component gives them: the name, the record field, the record.
_REGISTER_KINDS = (
    ("instruction", "instruction_registers", r.InstructionRegisterRecord),
    ("boundary_scan", "boundary_scan_registers", r.BoundaryScanRegisterRecord),
    ("bypass", "bypass_registers", r.BypassRegisterRecord),
    ("identification", "identification_registers", r.IdRegisterRecord),
    ("usercode", "usercode_registers", r.IdRegisterRecord),
    ("bist", "bist_registers", r.BistRegisterRecord),
    ("data", "data_registers", r.DataRegisterRecord),
)


def text(raw):
    """A text of the description; None stays None. Bytes that are not UTF-8 survive as
    surrogates, as file names do."""
    return None if raw is None else raw.decode("utf-8", "surrogateescape")


def path_text(raw):
    return None if raw is None else os.fsdecode(raw)


def _texts(list_pointer):
    return tuple(None if a is None else text(ctypes.c_char_p(a).value) for a in r.items(list_pointer))


def _first(list_pointer, record):
    found = r.items(list_pointer, record)
    return found[0] if found else None


def kind_text(kind, name=None):
    if kind == _INSTRUCTION_NAMED and name is not None:
        return text(name)
    return _INSTRUCTION_KIND_TEXTS[kind] if 1 <= kind <= 10 else "UNKNOWN"


def _pin(record):
    bus = record.form == _FORM_BUS
    numbering = record.numbering.contents if record.numbering else None
    number = None if bus or numbering is None else text(numbering.number)
    kind = PinType(record.type) if record.type in PinType._value2member_map_ else record.type
    return Pin(text(record.name), number, kind, bus, text(record.family))


def _instruction(record):
    return Instruction(record.kind, kind_text(record.kind, record.name), text(record.code),
                       text(record.register_name), record.mode, _texts(record.registers))


def _register(kind, record):
    return Register(kind, text(record.name), record.length, text(getattr(record, "capture_value", None)))


def _cell(record):
    pin, index = None, None
    if record.pin:
        reference = record.pin.contents
        pin = text(reference.name)
        if reference.kind == _PINREF_ELEMENT:
            index = reference.selector
    return Cell(record.position, text(record.cell_name), pin, index, _texts(record.input_params),
                _texts(record.output_params), _texts(record.control_cells), _texts(record.disable_values))


def _first_list(list_of_lists):
    found = r.items(list_of_lists)
    return ctypes.cast(found[0], ctypes.POINTER(r.ItemList)) if found and found[0] else None


def component(record):
    """One component with what the library's own queries walk: the first pin list, the first
    instruction register's instructions and the first boundary-scan register's chain."""
    pins = r.items(_first_list(record.pin_lists), r.PinRecord)
    ir = _first(record.instruction_registers, r.InstructionRegisterRecord)
    bsr = _first(record.boundary_scan_registers, r.BoundaryScanRegisterRecord)
    registers = [_register(kind, register)
                 for kind, field, layout in _REGISTER_KINDS
                 for register in r.items(getattr(record, field), layout)]
    return Component(text(record.name), record.standard,
                     tuple(_pin(p) for p in pins),
                     tuple(_instruction(i) for i in r.items(ir.instructions if ir else None,
                                                            r.InstructionRecord)),
                     tuple(registers),
                     tuple(_cell(c) for c in r.items(bsr.chain if bsr else None, r.ChainElementRecord)))


def components(root):
    return tuple(component(c) for c in r.items(root.components, r.ComponentRecord))
