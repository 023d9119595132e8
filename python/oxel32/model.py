"""What a description holds, as plain values: messages, check reports and components."""
import enum
from dataclasses import dataclass
from typing import Optional, Tuple


class Result(enum.IntEnum):
    OK = 0
    WARNINGS = 1        # a check found warnings only
    FAILED = 4
    NO_CONTEXT = 8


class PinType(enum.IntEnum):
    IN = 1
    OUT = 2
    OUTZ = 3
    IO = 4
    IOZ = 5
    NC = 6
    PWR = 7
    GND = 8
    TMS = 9
    TDI = 10
    TDO = 11
    TCK = 12
    TRST = 13


KIND_WORDS = ("error", "warning", "note", "progress", "status")


@dataclass(frozen=True)
class Message:
    kind: str                   # "error", "warning", "note", "progress" or "status"
    level: int
    text: str
    file: Optional[str] = None  # where the message points, when it points into a source
    line: Optional[int] = None


@dataclass(frozen=True)
class CheckReport:
    result: Result
    errors: int
    warnings: int
    messages: Tuple[Message, ...]

    @property
    def ok(self):
        """The description passed: no errors (warnings allowed)."""
        return self.result in (Result.OK, Result.WARNINGS)


@dataclass(frozen=True)
class Pin:
    """An entry of the component's first pin list: a single pin or a bus."""
    name: Optional[str]         # None for "-"
    number: Optional[str]       # a single pin's number as written; None for a bus
    type: int                   # a PinType as written (a plain int outside its codes)
    bus: bool
    family: Optional[str]


@dataclass(frozen=True)
class Instruction:
    """An instruction of the component's first instruction register."""
    kind: int                   # InstructionKind code
    name: str                   # "EXTEST", "SAMPLE/PRELOAD", ..., a named instruction's own name
    code: Optional[str]         # opcode as written
    register: Optional[str]     # register between TDI and TDO; None for "-"
    mode: int                   # ModeCode
    registers: Tuple[Optional[str], ...] = ()


@dataclass(frozen=True)
class Register:
    kind: str                   # "instruction", "boundary_scan", "bypass", "identification",
                                # "usercode", "bist" or "data"
    name: Optional[str]
    length: int
    capture: Optional[str]      # None when not given, and always for boundary_scan


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


@dataclass(frozen=True)
class Component:
    name: Optional[str]
    standard: int               # StandardCode
    pins: Tuple[Pin, ...] = ()
    instructions: Tuple[Instruction, ...] = ()
    registers: Tuple[Register, ...] = ()    # kind by kind as in Register.kind, file order within
    cells: Tuple[Cell, ...] = ()
