"""oxel32 for Python: parse and check OXEL boundary-scan descriptions through liboxel32 (ctypes).

    import oxel32
    description = oxel32.parse("board.oxel")        # raises oxel32.ParseError on failure
    report = description.check()                    # report.result, .errors, .warnings, .messages
    for component in description.components:
        print(component.name, [pin.name for pin in component.pins])

The library is found through OXEL32_LIBRARY, beside the package, in the build tree of the
checkout, or by the system's search, in that order.
"""
from .description import Description, OxelError, ParseError, is_oxel, parse, version
from .model import (Cell, CheckReport, Component, Instruction, Message, Pin, PinType, Register,
                    Result)

__all__ = ["Cell", "CheckReport", "Component", "Description", "Instruction", "Message", "OxelError",
           "ParseError", "Pin", "PinType", "Register", "Result", "is_oxel", "parse", "version"]
