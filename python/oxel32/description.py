"""Parsing and checking: the one description the library holds, and the messages it sends."""
import ctypes
import os
import weakref

from . import _library, _reading
from .model import KIND_WORDS, CheckReport, Message, Result


class OxelError(Exception):
    """A parse failed, or a description is used after the library released it."""

    def __init__(self, text, result=Result.FAILED, messages=()):
        super().__init__(text)
        self.result = result
        self.messages = tuple(messages)


class ParseError(OxelError):
    pass


class _Host:
    """The host context handed to the library, its counters and its callback. One for the
    process: the library holds one description and keeps one set of cursors."""

    def __init__(self):
        self.library = _library.load()
        self.counters = _library.MessageCounters()
        # Kept here for as long as the library may call it.
        self.callback = _library.MessageCallback(self._receive)
        self.context = _library.HostContext()
        self.context.callback = self.callback
        self.context.counters = ctypes.pointer(self.counters)
        self.context.message_level = 2
        self.received = []
        self.library.oxel_initialize(ctypes.byref(self.context))
        self.locate = getattr(self.library, "oxel_message_location", None)
        self.holder = None  # a weak reference to the Description the library holds

    def _receive(self, _user_data, record):
        # An exception must not end in the library's frames; ctypes would only print it.
        try:
            message = record.contents
            where = self._location()
            kind = KIND_WORDS[message.kind] if 0 <= message.kind < len(KIND_WORDS) else str(message.kind)
            self.received.append(Message(kind, message.level, _reading.text(message.text) or "", *where))
        except Exception as failure:
            self.received.append(Message("error", 1, "oxel32 callback failed: %r" % (failure,)))
        return 0

    def _location(self):
        if self.locate is None:
            return None, None
        file, line = ctypes.c_char_p(), ctypes.c_int32()
        if self.locate(ctypes.byref(file), ctypes.byref(line), None) != 1:
            return None, None
        return _reading.path_text(file.value), line.value

    def call(self, entry, *arguments, level):
        """Runs one entry point: its result, the messages it sent and the errors and warnings it
        counted."""
        self.received = []
        self.context.message_level = level
        errors, warnings = self.counters.errors, self.counters.warnings
        result = entry(ctypes.byref(self.context), *arguments)
        messages, self.received = tuple(self.received), []
        return result, messages, self.counters.errors - errors, self.counters.warnings - warnings

    def release(self):
        holder = self.holder() if self.holder is not None else None
        if holder is not None:
            holder._held = False
        self.holder = None
        self.library.oxel_destroy(ctypes.byref(self.context))


_host = None


def _the_host():
    global _host
    if _host is None:
        _host = _Host()
    return _host


def _encoded(path):
    return os.fsencode(path)


class Description:
    """A parsed file. Its components are read when it is parsed and again after each check that
    keeps it (the checks settle some values). The library holds one description at a time:
    parsing another file or closing this one releases it, and check() then raises OxelError;
    what was read stays readable."""

    def __init__(self, path, messages, level):
        self.path = path
        self.messages = messages
        self.level = level
        self._held = True
        self.components = self._read()

    def _read(self):
        return _reading.components(_the_host().library.oxel_get_info().contents)

    @property
    def held(self):
        """The library still holds this description."""
        return self._held

    def check(self):
        """Runs the checks. Errors release the description (the result is Result.FAILED);
        warnings only keep it."""
        if not self._held:
            raise OxelError("oxel32: the description of %s is no longer held" % (self.path,))
        host = _the_host()
        result, messages, errors, warnings = host.call(host.library.oxel_check, level=self.level)
        report = CheckReport(Result(result), errors, warnings, messages)
        if report.ok:
            self.components = self._read()
        else:
            host.holder = None
            self._held = False
        return report

    def close(self):
        """Releases the description (nothing when it is no longer held)."""
        if self._held:
            _the_host().release()

    def __enter__(self):
        return self

    def __del__(self):
        # A description no longer referenced is released. At interpreter exit the module may
        # already be torn down: the process releases everything then.
        try:
            self.close()
        except Exception:
            pass

    def __exit__(self, *_exception):
        self.close()

    def __repr__(self):
        return "<oxel32.Description %r, %d component(s)%s>" % (
            self.path, len(self.components), "" if self._held else ", released")


def parse(path, level=2, program_name=None):
    """Parses a file into a fresh description (the one held before is released). Messages up
    to `level` are kept (1 errors, 2 also warnings, 3 notes, 4 progress and status). A failed
    parse raises ParseError with its result and messages."""
    host = _the_host()
    host.release()
    if program_name is not None:
        host.library.oxel_set_prog_name(ctypes.byref(host.context), program_name.encode())
    result, messages, _errors, _warnings = host.call(host.library.oxel_parse, _encoded(path), level=level)
    if result != Result.OK:
        failure = next((m.text for m in messages if m.kind == "error"), "result %d" % result)
        raise ParseError("oxel32: %s: %s" % (path, failure), Result(result), messages)
    description = Description(os.fspath(path), messages, level)
    host.holder = weakref.ref(description)
    return description


def is_oxel(path):
    """True when the file's first token is the keyword OXEL."""
    host = _the_host()
    result, _messages, _errors, _warnings = host.call(host.library.file_is_oxel, _encoded(path), level=0)
    return result == 1


def version():
    """The version of the library loaded."""
    return _the_host().library.oxel_version().decode()
