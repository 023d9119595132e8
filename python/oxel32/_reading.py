"""Reading the library's component records into the package's plain values."""
import ctypes
import os
from typing import Any, List, Optional, Tuple, Type, Union

from . import _records as r
from .codes import InstructionKind, Mode, PinType, RegisterKind, Standard, code
from .model import Cell, Component, Instruction, Pin, Register, Span

# Register kinds in the order a component gives them: the kind, the record field, the record.
_REGISTER_KINDS: Tuple[Tuple[RegisterKind, str, Type[ctypes.Structure]], ...] = (
    (RegisterKind.INSTRUCTION, "instruction_registers", r.InstructionRegisterRecord),
    (RegisterKind.BOUNDARY_SCAN, "boundary_scan_registers", r.BoundaryScanRegisterRecord),
    (RegisterKind.BYPASS, "bypass_registers", r.BypassRegisterRecord),
    (RegisterKind.IDENTIFICATION, "identification_registers", r.IdRegisterRecord),
    (RegisterKind.USERCODE, "usercode_registers", r.IdRegisterRecord),
    (RegisterKind.BIST, "bist_registers", r.BistRegisterRecord),
    (RegisterKind.DATA, "data_registers", r.DataRegisterRecord),
)


def text(raw: Optional[bytes]) -> Optional[str]:
    """A text of the description; None stays None. Bytes that are not UTF-8 survive as
    surrogates, as file names do."""
    return None if raw is None else raw.decode("utf-8", "surrogateescape")


def path_text(raw: Optional[bytes]) -> Optional[str]:
    return None if raw is None else os.fsdecode(raw)


def _texts(list_pointer: Any) -> Tuple[Optional[str], ...]:
    return tuple(text(ctypes.c_char_p(a).value) if a else None for a in r.addresses(list_pointer))


def _first(list_pointer: Any, record: Type[r._Record]) -> Optional[r._Record]:
    found = r.items(list_pointer, record)
    return found[0] if found else None


def kind_text(kind: int, name: Optional[bytes] = None) -> str:
    """The display name of an instruction kind; a named instruction's own name."""
    if kind == InstructionKind.NAMED and name is not None:
        return text(name) or ""
    return code(InstructionKind, kind).text


def _spans(list_pointer: Any, names: bool) -> Tuple[Union[str, Span], ...]:
    """A bus's index or pin number entries as written; names only where `names` is asked."""
    spans: List[Union[str, Span]] = []
    for entry in r.items(list_pointer, r.IndexRecord):
        if entry.kind == r.INDEX_NUMBER:
            spans.append((entry.first, entry.first))
        elif entry.kind == r.INDEX_RANGE:
            spans.append((entry.first, entry.last))
        elif entry.kind == r.INDEX_NAME and names and entry.first:
            spans.append(text(ctypes.c_char_p(entry.first).value) or "")
    return tuple(spans)


def _pin(record: r.PinRecord) -> Pin:
    bus = record.form == r.FORM_BUS
    numbering = record.numbering.contents if record.numbering else None
    number = None if bus or numbering is None else text(numbering.number)
    indices: Tuple[Span, ...] = ()
    numbers: Tuple[Union[str, Span], ...] = ()
    if bus and numbering is not None:
        indices = tuple(s for s in _spans(numbering.indices, False) if not isinstance(s, str))
        numbers = _spans(numbering.numbers, True)
    return Pin(text(record.name), number, code(PinType, record.type), bus, text(record.family),
               indices, numbers)


def _instruction(record: r.InstructionRecord) -> Instruction:
    return Instruction(code(InstructionKind, record.kind), kind_text(record.kind, record.name),
                       text(record.code), text(record.register_name), code(Mode, record.mode),
                       _texts(record.registers), text(record.mode_name))


def _register(kind: RegisterKind, record: Any) -> Register:
    return Register(kind, text(record.name), record.length,
                    text(getattr(record, "capture_value", None)))


def _cell(record: r.ChainElementRecord) -> Cell:
    pin, index = None, None
    if record.pin:
        reference = record.pin.contents
        pin = text(reference.name)
        if reference.kind == r.PINREF_ELEMENT:
            index = reference.selector
    return Cell(record.position, text(record.cell_name), pin, index, _texts(record.input_params),
                _texts(record.output_params), _texts(record.control_cells),
                _texts(record.disable_values))


def _first_list(list_of_lists: Any) -> Any:
    found = r.addresses(list_of_lists)
    return ctypes.cast(found[0], ctypes.POINTER(r.ItemList)) if found and found[0] else None


def component(record: r.ComponentRecord) -> Component:
    """One component with what the library's own queries walk: the first pin list, the first
    instruction register's instructions and the first boundary-scan register's chain."""
    pins = r.items(_first_list(record.pin_lists), r.PinRecord)
    ir = _first(record.instruction_registers, r.InstructionRegisterRecord)
    bsr = _first(record.boundary_scan_registers, r.BoundaryScanRegisterRecord)
    registers = [_register(kind, register)
                 for kind, field, layout in _REGISTER_KINDS
                 for register in r.items(getattr(record, field), layout)]
    instructions = r.items(ir.instructions if ir else None, r.InstructionRecord)
    chain = r.items(bsr.chain if bsr else None, r.ChainElementRecord)
    return Component(text(record.name), code(Standard, record.standard),
                     tuple(_pin(p) for p in pins), tuple(_instruction(i) for i in instructions),
                     tuple(registers), tuple(_cell(c) for c in chain))


def components(root: r.DescriptionRoot) -> Tuple[Component, ...]:
    return tuple(component(c) for c in r.items(root.components, r.ComponentRecord))


def holds_anything(root: r.DescriptionRoot) -> bool:
    """The library holds a description: a parse that succeeded leaves one of its roots set."""
    return bool(root.header or root.boards or root.components or root.pin_families)
