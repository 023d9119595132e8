"""What a description holds, as plain values: messages, check reports and components."""
from dataclasses import dataclass
from typing import Iterator, List, NamedTuple, Optional, Tuple, Union

from .codes import (CellFunction, InstructionKind, MessageKind, Mode, PinType, RegisterKind,
                    Result, Standard)

# The codes were defined here first; they stay importable from here.
__all__ = ["BusElement", "Cell", "CellFunctionEntry", "CheckReport", "Component", "Instruction",
           "MAX_BUS_WIDTH", "Message", "Pin", "PinType", "Register", "Result"]

# The widest bus the check accepts; a wider one is not listed element by element.
MAX_BUS_WIDTH = 65536


@dataclass(frozen=True)
class Message:
    """One message of the library. A text the library lays out over two lines is one line here,
    its parts joined by ": ". A syntax error carries in `detail` what was expected there."""
    kind: MessageKind
    level: int                  # 1 errors, 2 warnings, 3 notes, 4 progress and status
    text: str
    file: Optional[str] = None  # where the message points, when it points into a source
    line: Optional[int] = None  # that file's own line, from 1
    column: Optional[int] = None
    detail: Optional[str] = None

    def __str__(self) -> str:
        """The message as the oxel tool writes it: "FILE:LINE:COLUMN: kind: text"."""
        place = "%s:%d:%d: " % (self.file, self.line or 0, self.column or 0) if self.file else ""
        detail = ": " + self.detail if self.detail else ""
        return "%s%s: %s%s" % (place, self.kind, self.text, detail)


@dataclass(frozen=True)
class CheckReport:
    result: Result
    errors: int
    warnings: int
    messages: Tuple[Message, ...]

    @property
    def ok(self) -> bool:
        """The description passed: no errors (warnings allowed)."""
        return self.result in (Result.OK, Result.WARNINGS)


# An entry of a bus's index list or pin number list as written: a number or a range as
# (first, last), a pin number written as a name as its text.
Span = Tuple[int, int]


@dataclass(frozen=True)
class BusElement:
    """One element of a bus: its index and its pin number."""
    index: int
    number: Optional[str]       # None when the bus lists fewer pin numbers than indices


def _values(span: Span) -> range:
    """The values of a span, low to high: a range written high to low stands for none."""
    return range(span[0], span[1] + 1)


@dataclass(frozen=True)
class Pin:
    """An entry of the component's first pin list: a single pin or a bus. A bus pairs its pin
    numbers with its indices in the order both are written: (6:21) D(0:15) puts pin 6 at D(0)."""
    name: Optional[str]         # None for "-"
    number: Optional[str]       # a single pin's number as written; None for a bus
    type: PinType
    bus: bool
    family: Optional[str]
    index_spans: Tuple[Span, ...] = ()                  # a bus's index list as written
    number_spans: Tuple[Union[str, Span], ...] = ()     # a bus's pin numbers as written

    @property
    def width(self) -> int:
        """How many indices a bus has (0 for a single pin)."""
        return sum(len(_values(span)) for span in self.index_spans)

    @property
    def index_range(self) -> Optional[Span]:
        """The lowest and the highest index of a bus; None for a single pin."""
        spans = [s for s in self.index_spans if len(_values(s))]
        if not spans:
            return None
        return min(s[0] for s in spans), max(s[1] for s in spans)

    def _written_numbers(self) -> Iterator[Optional[str]]:
        for entry in self.number_spans:
            if isinstance(entry, str):
                yield entry
            else:
                yield from (str(value) for value in _values(entry))

    @property
    def elements(self) -> Tuple[BusElement, ...]:
        """Each element of a bus with its pin number, in index order; none for a single pin.
        ValueError for a bus wider than MAX_BUS_WIDTH (the check refuses it)."""
        if self.width > MAX_BUS_WIDTH:
            raise ValueError("bus %s has %d indices, more than %d" % (self.name, self.width,
                                                                       MAX_BUS_WIDTH))
        numbers = list(self._written_numbers())[:self.width]
        numbers += [None] * (self.width - len(numbers))
        written = [index for span in self.index_spans for index in _values(span)]
        paired = sorted(zip(written, numbers), key=lambda element: element[0])
        return tuple(BusElement(index, number) for index, number in paired)

    @property
    def indices(self) -> Tuple[int, ...]:
        """A bus's indices, in index order."""
        return tuple(element.index for element in self.elements)

    @property
    def numbers(self) -> Tuple[Optional[str], ...]:
        """A bus's pin numbers, in index order."""
        return tuple(element.number for element in self.elements)

    def number_of(self, index: int) -> Optional[str]:
        """The pin number of a bus's element; None when the bus has no such index."""
        offset = 0
        for span in self.index_spans:
            if index in _values(span):
                offset += index - span[0]
                break
            offset += len(_values(span))
        else:
            return None
        for entry in self.number_spans:
            count = 1 if isinstance(entry, str) else len(_values(entry))
            if offset < count:
                return entry if isinstance(entry, str) else str(entry[0] + offset)
            offset -= count
        return None


@dataclass(frozen=True)
class Instruction:
    """An instruction of the component's first instruction register."""
    kind: InstructionKind
    name: str                   # "EXTEST", "SAMPLE/PRELOAD", ..., a named instruction's own name
    code: Optional[str]         # opcode as written
    register: Optional[str]     # register between TDI and TDO; None for "-"
    mode: Mode
    registers: Tuple[Optional[str], ...] = ()
    mode_name: Optional[str] = None     # a named mode's own name


@dataclass(frozen=True)
class Register:
    kind: RegisterKind
    name: Optional[str]
    length: int
    capture: Optional[str]      # None when not given, and always for boundary_scan


class CellFunctionEntry(NamedTuple):
    parameter: Optional[str]    # the PI or PO parameter; None for the cell itself
    function: CellFunction


# At most this many PI and this many PO parameters count for a cell's functions.
_PARAMETER_LIMIT = 10
# A control list longer than this is not read.
_LIST_LIMIT = 65536
_WHITE = " \t\n\v\f\r"


def _folded(text: str) -> str:
    """The text with ASCII letters in lower case: names compare so, ignoring case."""
    return "".join(chr(ord(c) + 32) if "A" <= c <= "Z" else c for c in text)


def _parameters(entries: Tuple[Optional[str], ...]) -> Tuple[str, ...]:
    """The first ten entries other than "-"."""
    return tuple(e for e in entries if e is not None and e != "-")[:_PARAMETER_LIMIT]


@dataclass(frozen=True)
class Cell:
    """An element of the chain of the component's first boundary-scan register."""
    position: int
    name: Optional[str]         # the cell's kind: BC_1, ...
    pin: Optional[str]          # pin or bus served; None for "-"
    pin_index: Optional[int]    # the bus element, when one element is served
    inputs: Tuple[Optional[str], ...] = ()
    outputs: Tuple[Optional[str], ...] = ()
    controls: Tuple[Optional[str], ...] = ()
    disables: Tuple[Optional[str], ...] = ()

    @property
    def control_cell(self) -> Optional[int]:
        """The chain position of the cell that controls this one, read from its first control
        parameter; None when there is none or it is no number."""
        first = self.controls[0] if 0 < len(self.controls) <= _LIST_LIMIT else None
        if first is None or first == "-":
            return None
        digits = first.lstrip(_WHITE)
        end = 0
        while end < len(digits) and "0" <= digits[end] <= "9":
            end += 1
        if end < len(digits) and digits[end] not in _WHITE:
            return None
        value = int(digits[:end] or "0")
        return value if value <= 2**31 - 1 else None

    @property
    def disable_value(self) -> Optional[str]:
        """The first character of the first disable value ("0", "1", "Z", ...); None for none."""
        first = self.disables[0] if 0 < len(self.disables) <= _LIST_LIMIT else None
        return first[0] if first and first != "-" else None

    @property
    def functions(self) -> Tuple[CellFunctionEntry, ...]:
        """What the cell does: for each of its first ten PI parameters INPUT, or BIDIR when it is
        also a PO parameter; then for each of its first ten PO parameters that is no PI
        parameter OUTPUT, or TRISTATE when another cell controls it. A cell with neither is one
        entry without a parameter: CONTROL for a cell named ...CONTROL... that has a control
        cell, else INTERNAL."""
        inputs, outputs = _parameters(self.inputs), _parameters(self.outputs)
        control = self.control_cell
        if not inputs and not outputs:
            named = "control" in _folded(self.name or "")
            own = CellFunction.CONTROL if control is not None and named else CellFunction.INTERNAL
            return (CellFunctionEntry(None, own),)
        folded_in = {_folded(p) for p in inputs}
        folded_out = {_folded(p) for p in outputs}
        entries = [CellFunctionEntry(p, CellFunction.BIDIR if _folded(p) in folded_out
                                     else CellFunction.INPUT) for p in inputs]
        driven = CellFunction.OUTPUT if control in (None, self.position) else CellFunction.TRISTATE
        entries += [CellFunctionEntry(p, driven) for p in outputs if _folded(p) not in folded_in]
        return tuple(entries)


@dataclass(frozen=True)
class Component:
    name: Optional[str]
    standard: Standard
    pins: Tuple[Pin, ...] = ()
    instructions: Tuple[Instruction, ...] = ()
    registers: Tuple[Register, ...] = ()    # kind by kind as in RegisterKind, file order within
    cells: Tuple[Cell, ...] = ()

    def pin(self, name: str) -> Optional[Pin]:
        """The first pin or bus of that name (as written, case counts); None when there is none."""
        return next((p for p in self.pins if p.name == name), None)
