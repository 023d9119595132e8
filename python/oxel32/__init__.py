"""oxel32 for Python: parse and check OXEL boundary-scan descriptions through liboxel32 (ctypes).

    import oxel32
    with oxel32.parse("board.oxel") as description:      # ParseError on failure
        report = description.check()                    # .result, .errors, .warnings, .messages
        for component in description.components:
            print(component.name, [pin.name for pin in component.pins])

The library holds one description for the process: parsing a file releases the one held before,
which then raises ReleasedDescriptionError when asked to use the library. A lock serialises every
call into the library, so threads may share the package on those terms.

The library is found through OXEL32_LIBRARY, then where an install of the package recorded it,
beside the package, in the build tree of the checkout, or by the system's search, in that order.
"""
from .codes import (CellFunction, InstructionKind, MessageKind, Mode, PinType, RegisterKind, Result,
                    Standard)
from .description import Description, import_bsdl, is_oxel, parse, version
from .errors import CheckError, OxelError, ParseError, ReleasedDescriptionError
from .model import (MAX_BUS_WIDTH, BusElement, Cell, CellFunctionEntry, CheckReport, Component,
                    Instruction, Message, Pin, Register)

__all__ = ["BusElement", "Cell", "CellFunction", "CellFunctionEntry", "CheckError", "CheckReport",
           "Component", "Description", "Instruction", "InstructionKind", "MAX_BUS_WIDTH", "Message",
           "MessageKind", "Mode", "OxelError", "ParseError", "Pin", "PinType", "Register",
           "RegisterKind", "ReleasedDescriptionError", "Result", "Standard", "is_oxel", "parse",
           "version", "import_bsdl"]
