"""Parsing and checking: the one description the library holds, and the messages it sends.

The library holds one description for the whole process and is not reentrant. The package
states it so: one lock serialises every call into the library, from any thread; parsing a file
releases the description held before, and a Description released so (or by close(), or by a
check that found errors) raises ReleasedDescriptionError when it is asked to use the library
again, instead of answering from another file. What it read stays readable.
"""
import ctypes
import os
import threading
import weakref
from dataclasses import replace
from typing import Any, Callable, List, NamedTuple, Optional, Tuple, Type, Union

from . import _library, _reading
from .codes import MessageKind, Result
from .errors import CheckError, OxelError, ParseError, ReleasedDescriptionError
from .model import CheckReport, Component, Message

PathLike = Union[str, "os.PathLike[str]"]

# Every call into the library, and every change of what the package knows of the description
# it holds, happens under this lock. Reentrant: a description's finaliser may run on a thread
# that holds it already.
_LOCK = threading.RLock()

_KINDS = tuple(MessageKind)
# A detail line is indented by twelve blanks in the library's layout of its messages.
_INDENT = " " * 12
_SYNTAX_MARK = " >> line "
_NOTE_LEVEL = 3


class _Received(NamedTuple):
    """A message as the callback received it."""
    kind: int
    level: int
    text: str
    file: Optional[str]
    line: Optional[int]
    column: Optional[int]


def _one_line(text: str) -> str:
    """The lines of a message's text without their layout blanks, joined by ": "."""
    return ": ".join(part for part in (line.lstrip(" \t") for line in text.split("\n")) if part)


def _messages(received: List[_Received], level: int, asked: int) -> Tuple[Message, ...]:
    """The messages of one call. The call ran at `level`, above the `asked` level when a syntax
    error's detail was wanted: the detail line joins its syntax error, and what only the higher
    level let through is left out."""
    out: List[Message] = []
    after_syntax_error = False
    for r in received:
        is_detail = (after_syntax_error and r.kind == _KINDS.index(MessageKind.NOTE)
                     and r.text.startswith(_INDENT))
        after_syntax_error = r.kind == _KINDS.index(MessageKind.ERROR) and _SYNTAX_MARK in r.text
        if is_detail and out and out[-1].kind == MessageKind.ERROR and out[-1].detail is None:
            out[-1] = replace(out[-1], detail=_one_line(r.text))
            continue
        if level > asked and r.level > asked:
            continue
        kind = _KINDS[r.kind] if 0 <= r.kind < len(_KINDS) else MessageKind.ERROR
        out.append(Message(kind, r.level, _one_line(r.text), r.file, r.line, r.column))
    return tuple(out)


class _Call(NamedTuple):
    result: int
    messages: Tuple[Message, ...]
    errors: int
    warnings: int


class _Host:
    """The host context handed to the library, its counters and its callback, and which
    Description the library holds. One for the process."""

    def __init__(self) -> None:
        self.library = _library.load()
        self.counters = _library.MessageCounters()
        # Kept here for as long as the library may call it.
        self.callback = _library.MessageCallback(self._receive)
        self.context = _library.HostContext()
        self.context.callback = self.callback
        self.context.counters = ctypes.pointer(self.counters)
        self.context.message_level = 2
        self.received: List[_Received] = []
        self.locate = getattr(self.library, "oxel_message_location", None)
        self.library.oxel_initialize(ctypes.byref(self.context))
        # The Description the library holds: its serial number, and a weak reference through
        # which it learns why it was released.
        self.serial = 0
        self.held: Optional[int] = None
        self.holder: Optional["weakref.ref[Description]"] = None

    def _receive(self, _user_data: Any, record: Any) -> int:
        # An exception must not end in the library's frames; ctypes would only print it.
        try:
            message = record.contents
            where = self._location()
            self.received.append(_Received(message.kind, message.level,
                                           _reading.text(message.text) or "", *where))
        except Exception as failure:
            self.received.append(_Received(0, 1, "oxel32 callback failed: %r" % (failure,),
                                           None, None, None))
        return 0

    def _location(self) -> Tuple[Optional[str], Optional[int], Optional[int]]:
        if self.locate is None:
            return None, None, None
        file, line, column = ctypes.c_char_p(), ctypes.c_int32(), ctypes.c_int32()
        if self.locate(ctypes.byref(file), ctypes.byref(line), ctypes.byref(column)) != 1:
            return None, None, None
        return _reading.path_text(file.value), line.value, column.value

    def call(self, entry: Callable[..., int], *arguments: Any, level: int,
             detail: bool = False) -> _Call:
        """Runs one entry point (the lock held): its result, the messages it sent and the errors
        and warnings it counted. With `detail`, a syntax error's detail line is asked for too."""
        running = max(level, _NOTE_LEVEL) if detail and level >= 1 else level
        self.received = []
        self.context.message_level = running
        errors, warnings = self.counters.errors, self.counters.warnings
        result = entry(ctypes.byref(self.context), *arguments)
        received, self.received = self.received, []
        return _Call(result, _messages(received, running, level),
                     self.counters.errors - errors, self.counters.warnings - warnings)

    def root(self) -> Any:
        return self.library.oxel_get_info().contents

    def hold(self, description: "Description") -> int:
        self.serial += 1
        self.held = self.serial
        self.holder = weakref.ref(description)
        return self.serial

    def forget(self, reason: str) -> None:
        """The library no longer holds the description it held: tell it why."""
        holder = self.holder() if self.holder is not None else None
        if holder is not None:
            holder._released = reason
        self.held, self.holder = None, None

    def release(self, reason: str) -> None:
        self.forget(reason)
        self.library.oxel_destroy(ctypes.byref(self.context))


_host: Optional[_Host] = None


def _the_host() -> _Host:
    global _host
    with _LOCK:
        if _host is None:
            _host = _Host()
        return _host


def _encoded(path: PathLike) -> bytes:
    return os.fsencode(path)


class Description:
    """A parsed file. Its components are read when it is parsed and again after each check that
    keeps it (the checks settle some values). The library holds one description at a time:
    parsing another file, close() or a check that finds errors releases it, and check() then
    raises ReleasedDescriptionError; what was read stays readable. As a context manager it
    releases the library's description at the end of the block."""

    def __init__(self, path: str, messages: Tuple[Message, ...], level: int) -> None:
        self.path = path
        self.messages = messages
        self.level = level
        self.report: Optional[CheckReport] = None    # the last check's
        self._released: Optional[str] = None
        host = _the_host()
        with _LOCK:
            self.components = self._read(host)
            self._serial = host.hold(self)

    def _read(self, host: _Host) -> Tuple[Component, ...]:
        return _reading.components(host.root())

    @property
    def held(self) -> bool:
        """The library still holds this description."""
        with _LOCK:
            return _host is not None and _host.held == self._serial

    def _require_held(self) -> _Host:
        host = _the_host()
        if host.held != self._serial:
            raise ReleasedDescriptionError(
                "oxel32: the description of %s is no longer held: %s (the library holds one "
                "description at a time)" % (self.path, self._released or "it was released"),
                self._released)
        return host

    def check(self, *, strict: bool = False, level: Optional[int] = None,
              strict_rules: bool = False) -> CheckReport:
        """Runs the checks at the description's message level (or the one given). Errors
        release the description (the result is Result.FAILED); warnings only keep it. With
        `strict`, a check that finds errors raises CheckError. With `strict_rules` the
        description is also held to the strict IEEE 1149.1 rules (oxel_check_strict)."""
        with _LOCK:
            host = self._require_held()
            asked = self.level if level is None else level
            entry = host.library.oxel_check_strict if strict_rules else host.library.oxel_check
            call = host.call(entry, level=asked)
            report = CheckReport(Result(call.result), call.errors, call.warnings, call.messages)
            if _reading.holds_anything(host.root()):
                self.components = self._read(host)
            else:
                host.forget("its check found errors")
            self.report = report
        if strict and not report.ok:
            first = next((m for m in report.messages if m.kind == MessageKind.ERROR), None)
            raise CheckError("oxel32: %s: %s" % (self.path, first or "the check failed"), report)
        return report

    def to_oxel(self) -> str:
        """The description as the library writes it: the text of one OXEL file in its canonical
        layout, which parses back to the same records. Raises OxelError when it cannot be
        written (a text no OXEL word or string holds), ReleasedDescriptionError when the library
        no longer holds it."""
        with _LOCK:
            host = self._require_held()
            pieces: List[bytes] = []

            def receive(_user: Any, data: Any, length: int) -> None:
                pieces.append(ctypes.string_at(data, length))

            sink = _library.TextSink(receive)
            call = host.call(host.library.oxel_write_description, sink, None, level=self.level)
        if call.result != Result.OK:
            first = next((m for m in call.messages if m.kind == MessageKind.ERROR), None)
            raise OxelError("oxel32: %s: %s" % (self.path, first or "result %d" % call.result),
                            Result(call.result), call.messages)
        return b"".join(pieces).decode("utf-8", errors="surrogateescape")

    def close(self) -> None:
        """Releases the library's description if it is this one (else does nothing)."""
        host = _host
        if host is None:
            return
        with _LOCK:
            if host.held == self._serial:
                host.release("it was closed")

    def __enter__(self) -> "Description":
        return self

    def __exit__(self, *_exception: Any) -> None:
        self.close()

    def __del__(self) -> None:
        # A description no longer referenced is released. At interpreter exit the module may
        # already be torn down: the process releases everything then.
        try:
            self.close()
        except Exception:
            pass

    def __repr__(self) -> str:
        return "<oxel32.Description %r, %d component(s)%s>" % (
            self.path, len(self.components), "" if self.held else ", released")


def _describe(path: PathLike, entry: Callable[..., int], arguments: Tuple[Any, ...], level: int,
              program_name: Optional[str], failure: Type[OxelError]) -> Description:
    """Builds a fresh description with one of the library's entry points (the lock held): the
    one held before is released, a failure raises `failure` with the result and messages."""
    host = _the_host()
    host.release("%s was parsed after it" % (os.fspath(path),))
    if program_name is not None:
        host.library.oxel_set_prog_name(ctypes.byref(host.context), program_name.encode())
    call = host.call(entry, *arguments, level=level, detail=True)
    if call.result != Result.OK:
        first = next((m for m in call.messages if m.kind == MessageKind.ERROR), None)
        text = "%s%s" % (first.text, ": " + first.detail if first.detail else "") if first \
            else "result %d" % call.result
        raise failure("oxel32: %s: %s" % (os.fspath(path), text), Result(call.result),
                      call.messages)
    return Description(os.fspath(path), call.messages, level)


def parse(path: PathLike, level: int = 2, program_name: Optional[str] = None, *,
          strict: bool = False) -> Description:
    """Parses a file into a fresh description (the one held before is released). Messages up
    to `level` are kept (1 errors, 2 also warnings, 3 notes, 4 progress and status); a syntax
    error keeps what was expected in its `detail` at every level. A failed parse raises
    ParseError with its result and messages. With `strict` the description is checked as well,
    and a check that finds errors raises CheckError; the report is then `description.report`."""
    with _LOCK:
        host = _the_host()
        description = _describe(path, host.library.oxel_parse, (_encoded(path),), level,
                                program_name, ParseError)
        if strict:
            description.check(strict=True)
        return description


def import_bsdl(path: PathLike, package: Optional[str] = None, level: int = 2,
                program_name: Optional[str] = None) -> Description:
    """Imports a BSDL file into a fresh description (the one held before is released), as
    parse() reads an OXEL file: the same Description, its one component the file's entity.
    `package` names the PIN_MAP_STRING constant the pins take their numbers from (None: the
    file's default). A failed import raises ParseError with its result and messages (an unknown
    package's error lists the file's packages)."""
    with _LOCK:
        host = _the_host()
        chosen = package.encode() if package is not None else None
        return _describe(path, host.library.oxel_import_bsdl, (_encoded(path), chosen), level,
                         program_name, ParseError)


def is_oxel(path: PathLike) -> bool:
    """True when the file's first token is the keyword OXEL."""
    with _LOCK:
        host = _the_host()
        return host.call(host.library.file_is_oxel, _encoded(path), level=0).result == 1


def version() -> str:
    """The version of the library loaded."""
    with _LOCK:
        raw: bytes = _the_host().library.oxel_version()
        return raw.decode()
