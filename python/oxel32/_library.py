"""Finding liboxel32 and declaring its exports and host context as oxel32.h lays them out."""
import ctypes
import ctypes.util
import importlib
import os
import sys
from ctypes import POINTER, c_char_p, c_double, c_int32, c_size_t, c_void_p
from pathlib import Path
from typing import Any, Dict, List, Optional, Tuple

from ._records import ComponentRecord, DescriptionRoot

# The callback is stdcall on 32-bit Windows, as the header's OXEL_CALLBACK.
if sys.platform == "win32" and ctypes.sizeof(c_void_p) == 4:
    _callback_type: Any = getattr(ctypes, "WINFUNCTYPE")
else:
    _callback_type = ctypes.CFUNCTYPE

# uintptr_t: an unsigned word as wide as a pointer.
c_uintptr = c_size_t


class MessageCounters(ctypes.Structure):
    _fields_ = [("reserved", c_int32), ("errors", c_int32), ("warnings", c_int32)]


class MessageRecord(ctypes.Structure):
    _fields_ = [("kind", c_int32), ("level", c_int32), ("zero", c_int32), ("text", c_char_p),
                ("one", c_int32)]


MessageCallback = _callback_type(c_int32, c_void_p, POINTER(MessageRecord))
# Receives the written description piece by piece: (user, bytes, length).
TextSink = _callback_type(None, c_void_p, POINTER(ctypes.c_char), c_int32)


class HostContext(ctypes.Structure):
    _fields_ = [("host_word1", c_uintptr), ("host_word2", c_uintptr), ("callback", MessageCallback),
                ("host_word4", c_uintptr), ("counters", POINTER(MessageCounters)),
                ("user_data", c_void_p), ("host_word7", c_uintptr), ("message_level", c_int32)]


_context = POINTER(HostContext)

_Signature = Tuple[Any, List[Any]]

# Every export the package calls, with its result and arguments: the lower-case cdecl names.
_EXPORTS: Dict[str, _Signature] = {
    "oxel_version": (c_char_p, []),
    "oxel_initialize": (c_int32, [_context]),
    "oxel_parse": (c_int32, [_context, c_char_p]),
    "oxel_check": (c_int32, [_context]),
    "oxel_check_strict": (c_int32, [_context]),
    "file_is_oxel": (c_int32, [_context, c_char_p]),
    "oxel_destroy": (None, [_context]),
    "oxel_get_info": (POINTER(DescriptionRoot), []),
    "oxel_get_syntax_errors": (c_int32, []),
    "oxel_set_syntax_errors": (None, [c_int32]),
    "oxel_set_prog_name": (c_int32, [_context, c_char_p]),
    "oxel_import_bsdl": (c_int32, [_context, c_char_p, c_char_p]),
    "oxel_write_description": (c_int32, [_context, TextSink, c_void_p]),
    # The component cursor and its walks.
    "oxel_nr_components": (c_int32, []),
    "oxel_get_first_component": (c_int32, []),
    "oxel_get_next_component": (c_int32, []),
    "oxel_get_current_component_entry": (POINTER(ComponentRecord), []),
    "oxel_get_current_component_name": (c_char_p, []),
    "oxel_open_component": (c_int32, [_context, c_char_p]),
    "oxel_get_current_component_standard": (c_int32, [_context]),
    "oxel_get_current_component_highest_frequency": (c_double, []),
    "oxel_nr_current_component_pins": (c_int32, []),
    "oxel_get_current_component_first_pin_nr": (c_char_p, []),
    "oxel_get_current_component_next_pin_nr": (c_char_p, []),
    "oxel_get_current_component_current_pin_name": (c_char_p, []),
    "oxel_get_current_component_current_pin_nr": (c_char_p, []),
    "oxel_get_current_component_first_instruction": (c_int32, []),
    "oxel_get_current_component_next_instruction": (c_int32, []),
    "oxel_get_current_component_current_instruction_name": (c_char_p, []),
    "oxel_get_current_component_current_instruction_code": (c_char_p, []),
    "oxel_get_current_component_register_selected": (c_char_p, []),
    "oxel_get_current_component_register_length": (c_int32, [_context, c_char_p]),
    "oxel_get_current_component_first_cell": (c_int32, [_context]),
    "oxel_get_current_component_next_cell": (c_int32, [_context]),
    "oxel_get_current_component_current_cell_position": (c_int32, []),
    "oxel_get_current_component_current_cell_name": (c_char_p, []),
    "oxel_get_current_component_current_cell_function_list":
        (c_int32, [_context, POINTER(c_char_p), POINTER(c_int32), c_int32]),
    "oxel_get_current_component_current_cell_CD_output": (c_int32, [_context]),
    "oxel_get_current_component_current_cell_CD_value": (ctypes.c_char, [_context]),
}

# Exports a library may lack: declared when present, else left absent.
_OPTIONAL_EXPORTS: Dict[str, _Signature] = {
    # Valid inside the callback: 1 and the place when the message points into a source.
    "oxel_message_location": (c_int32, [POINTER(c_char_p), POINTER(c_int32), POINTER(c_int32)]),
}


def _file_names() -> List[str]:
    if sys.platform == "win32":
        return ["oxel32.dll"]
    if sys.platform == "darwin":
        return ["liboxel32.dylib"]
    return ["liboxel32.so"]


def installed() -> Optional[str]:
    """The library an install of the package recorded (cmake --install beside the library it
    installed, pip beside the copy it put in the package); None for the package of a checkout."""
    try:
        record = importlib.import_module("._installed", __package__)
    except ImportError:
        return None
    path = getattr(record, "LIBRARY", None)
    if not isinstance(path, str):
        return None
    return os.path.normpath(Path(__file__).resolve().parent / path)


def candidates() -> List[str]:
    """Where the library is looked for, in order: OXEL32_LIBRARY, the library the install
    recorded, beside the package, the build tree of the checkout the package sits in, then the
    system's search."""
    found = []
    if os.environ.get("OXEL32_LIBRARY"):
        found.append(os.environ["OXEL32_LIBRARY"])
    recorded = installed()
    if recorded:
        found.append(recorded)
    package = Path(__file__).resolve().parent
    for folder in (package, package.parent.parent / "build" / "default"):
        found.extend(str(folder / name) for name in _file_names())
    system = ctypes.util.find_library("oxel32")
    if system:
        found.append(system)
    return found


def _declare(library: ctypes.CDLL) -> ctypes.CDLL:
    for name, (result, arguments) in _EXPORTS.items():
        function = getattr(library, name)
        function.restype = result
        function.argtypes = arguments
    for name, (result, arguments) in _OPTIONAL_EXPORTS.items():
        if hasattr(library, name):
            function = getattr(library, name)
            function.restype = result
            function.argtypes = arguments
    return library


_loaded: Optional[ctypes.CDLL] = None


def load() -> ctypes.CDLL:
    """The library with its exports declared, loaded at the first call. OXEL32_LIBRARY, when
    set, must name a library that loads: it is not passed over for another."""
    global _loaded
    if _loaded is not None:
        return _loaded
    explicit = os.environ.get("OXEL32_LIBRARY")
    for path in candidates():
        if path != explicit and os.path.sep in path and not os.path.exists(path):
            continue
        try:
            _loaded = _declare(ctypes.CDLL(path))
        except OSError:
            if path == explicit:
                raise
            continue
        return _loaded
    raise OSError("liboxel32 not found: set OXEL32_LIBRARY to its path")
