"""The records of the description the package reads, laid out as oxel32.h declares them."""
import ctypes
from ctypes import POINTER, c_char_p, c_double, c_int32, c_ssize_t, c_void_p
from typing import Any, List, Type, TypeVar

# intptr_t: a signed word as wide as a pointer.
c_intptr = c_ssize_t


class ItemList(ctypes.Structure):
    _fields_ = [("count", c_int32), ("grow_step", c_int32), ("items", POINTER(c_void_p))]


_list = POINTER(ItemList)


class DescriptionRoot(ctypes.Structure):
    _fields_ = [("header", c_void_p), ("boards", _list), ("components", _list),
                ("pin_families", _list)]


class ComponentRecord(ctypes.Structure):
    _fields_ = [("name", c_char_p), ("source_ref", c_char_p), ("header", c_void_p),
                ("standard", c_int32), ("pin_lists", _list), ("instruction_registers", _list),
                ("cells", _list), ("boundary_scan_registers", _list), ("bypass_registers", _list),
                ("identification_registers", _list), ("usercode_registers", _list),
                ("bist_registers", _list), ("data_registers", _list), ("test_sequences", _list),
                ("illegal_sequences", _list), ("global_performances", _list)]


class IndexRecord(ctypes.Structure):
    # kind 1: a number in `first`; 2: a name (char *) in `first`; 3: a range from `first` to `last`.
    _fields_ = [("kind", c_int32), ("first", c_intptr), ("last", c_int32)]


INDEX_NUMBER, INDEX_NAME, INDEX_RANGE = 1, 2, 3


class PinNumberingRecord(ctypes.Structure):
    _fields_ = [("number", c_char_p), ("numbers", _list), ("indices", _list)]


class PinRecord(ctypes.Structure):
    _fields_ = [("name", c_char_p), ("form", c_int32), ("numbering", POINTER(PinNumberingRecord)),
                ("type", c_int32), ("reserved", c_int32), ("family", c_char_p)]


FORM_BUS = 1


class PinRefRecord(ctypes.Structure):
    _fields_ = [("kind", c_int32), ("name", c_char_p), ("selector", c_intptr)]


PINREF_ELEMENT = 1


class InstructionRecord(ctypes.Structure):
    _fields_ = [("kind", c_int32), ("name", c_char_p), ("reserved", c_int32), ("code", c_char_p),
                ("register_name", c_char_p), ("mode", c_int32), ("mode_name", c_char_p),
                ("registers", _list)]


class InstructionRegisterRecord(ctypes.Structure):
    _fields_ = [("name", c_char_p), ("purpose", c_char_p), ("length", c_int32),
                ("capture_value", c_char_p), ("capture_status", _list), ("instructions", _list)]


class BoundaryScanRegisterRecord(ctypes.Structure):
    _fields_ = [("name", c_char_p), ("purpose", c_char_p), ("length", c_int32), ("chain", _list)]


class BypassRegisterRecord(ctypes.Structure):
    _fields_ = [("name", c_char_p), ("purpose", c_char_p), ("length", c_int32),
                ("capture_value", c_char_p), ("capture_status", _list)]


class IdRegisterRecord(ctypes.Structure):
    _fields_ = [("name", c_char_p), ("purpose", c_char_p), ("length", c_int32),
                ("capture_value", c_char_p), ("capture_status", _list), ("manufacturer", c_char_p),
                ("part_number", c_char_p), ("version", c_char_p), ("concatenation", _list)]


class BistRegisterRecord(ctypes.Structure):
    _fields_ = [("name", c_char_p), ("purpose", c_char_p), ("length", c_int32),
                ("preload", c_void_p), ("capture_value", c_char_p), ("capture_status", _list),
                ("coverage", POINTER(c_double)), ("clock", POINTER(PinRefRecord)),
                ("min_duration", POINTER(c_double)), ("parallel_outputs", c_int32),
                ("altered_registers", _list), ("concatenation", _list)]


class DataRegisterRecord(ctypes.Structure):
    _fields_ = [("name", c_char_p), ("purpose", c_char_p), ("length", c_int32),
                ("capture_value", c_char_p), ("capture_status", _list), ("parallel_outputs", c_int32),
                ("altered_registers", _list), ("concatenation", _list)]


class ChainElementRecord(ctypes.Structure):
    _fields_ = [("position", c_int32), ("cell_name", c_char_p), ("pin", POINTER(PinRefRecord)),
                ("input_params", _list), ("output_params", _list), ("third_params", _list),
                ("control_cells", _list), ("disable_values", _list)]


_Record = TypeVar("_Record", bound=ctypes.Structure)


def addresses(list_pointer: Any) -> List[int]:
    """The items of an ItemList as addresses (0 for a null item); a null list has none."""
    if not list_pointer or not list_pointer.contents.items:
        return []
    listed = list_pointer.contents
    return [listed.items[i] or 0 for i in range(max(listed.count, 0))]


def items(list_pointer: Any, record: Type[_Record]) -> List[_Record]:
    """The items of an ItemList as records of the type given; null items are left out."""
    return [ctypes.cast(a, POINTER(record)).contents for a in addresses(list_pointer) if a]
