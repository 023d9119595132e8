"""The coded fields of a description and of its messages, as enums with readable names.

Each code enum is an IntEnum holding the library's own number; `.name` is its readable name and
`.text` the word the library and the oxel tool write for it. The two kinds that the package has
always given as words (a message's kind, a register's kind) are string enums, equal to those words.
"""
import enum
from typing import Dict, Tuple, Type, TypeVar


class Result(enum.IntEnum):
    """What a parse or a check came to."""
    OK = 0
    WARNINGS = 1        # a check found warnings only
    FAILED = 4
    NO_CONTEXT = 8


class _Code(enum.IntEnum):
    """A code of the library, with the word it is written as."""

    @property
    def text(self) -> str:
        # Members of different code enums with one number are equal: the key names the enum.
        return _TEXTS.get((type(self), self.value), self.name)


class Standard(_Code):
    """The STANDARD a component follows."""
    UNKNOWN = 0                 # UNKNOWN, or no STANDARD given
    IEEE_1149_1_1990 = 1        # written IEEE_1149.1_1990 or IEEE_1149.1-1990
    JTAG_V2_0 = 2               # written JTAG_V2_0 or JTAG_V2.0


class PinType(_Code):
    """The type of a pin or bus; TMS to TRST are the test access port's signals."""
    UNKNOWN = 0                 # no pin list gives it: a code no parse yields
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


class InstructionKind(_Code):
    """The kind of an instruction; a named instruction (NAMED) keeps its own name."""
    UNKNOWN = 0
    EXTEST = 1
    BYPASS = 2
    SAMPLE_PRELOAD = 3          # written SAMPLE_PRELOAD or PRELOAD
    INTEST = 4
    RUNBIST = 5
    IDCODE = 6
    USERCODE = 7
    NAMED = 8                   # any other name, SAMPLE and HIZ among them
    CLAMP = 9
    HIGHZ = 10


class Mode(_Code):
    """The mode of an instruction; a named mode (NAMED) keeps its own name."""
    UNKNOWN = 0
    INTERNAL = 1
    EXTERNAL = 2
    SAMPLE = 3
    PRIVATE = 4
    HIGHZ = 5
    HIZ = 6
    NAMED = 32
    NONE = 64                   # written "-"


class CellFunction(_Code):
    """What a boundary-scan cell does for a pin it serves, or for itself."""
    INPUT = 1                   # a PI parameter that is not also a PO parameter
    OUTPUT = 2                  # a PO parameter, the cell its own control (or none)
    TRISTATE = 3                # a PO parameter under another cell's control
    CONTROL = 4                 # the cell itself: a control cell
    INTERNAL = 5                # the cell itself: anything else
    BIDIR = 6                   # both a PI and a PO parameter


_TEXTS: Dict[Tuple[type, int], str] = {
    (Standard, Standard.IEEE_1149_1_1990): "IEEE_1149.1_1990",
    (InstructionKind, InstructionKind.SAMPLE_PRELOAD): "SAMPLE/PRELOAD",
    (InstructionKind, InstructionKind.NAMED): "USERINST",
    **{(CellFunction, function): function.name.lower() for function in CellFunction},
}


class _Word(str, enum.Enum):
    """A word the package has always given as a string: equal to it, and printed as it."""

    def __str__(self) -> str:
        return str(self.value)

    def __format__(self, format_spec: str) -> str:
        return format(str(self.value), format_spec)


class MessageKind(_Word):
    ERROR = "error"
    WARNING = "warning"
    NOTE = "note"
    PROGRESS = "progress"
    STATUS = "status"


class RegisterKind(_Word):
    """The kinds of register, in the order Component.registers gives them."""
    INSTRUCTION = "instruction"
    BOUNDARY_SCAN = "boundary_scan"
    BYPASS = "bypass"
    IDENTIFICATION = "identification"
    USERCODE = "usercode"
    BIST = "bist"
    DATA = "data"


_Enum = TypeVar("_Enum", bound=_Code)


def code(kind: Type[_Enum], value: int) -> _Enum:
    """The member of a code enum for a value of a record; its UNKNOWN member for a value outside
    its codes (no parse yields one)."""
    try:
        return kind(value)
    except ValueError:
        return kind["UNKNOWN"]
