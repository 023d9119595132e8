"""What the package raises: each error carries the library's result and messages."""
from typing import Iterable, Optional

from .codes import Result
from .model import CheckReport, Message


class OxelError(Exception):
    """A parse or a check failed, or a description is used after the library released it."""

    def __init__(self, text: str, result: Result = Result.FAILED,
                 messages: Iterable[Message] = ()) -> None:
        super().__init__(text)
        self.result = result
        self.messages = tuple(messages)


class ParseError(OxelError):
    """A file did not parse; `messages` holds what the library said."""


class CheckError(OxelError):
    """A check found errors, and was asked to raise (check(strict=True), parse(strict=True)).
    `report` is the check's report; the library has released the description."""

    def __init__(self, text: str, report: CheckReport) -> None:
        super().__init__(text, report.result, report.messages)
        self.report = report


class ReleasedDescriptionError(OxelError):
    """A description was used after the library released it: the library holds one description
    at a time, and a parse of another file, close() or a failed check released this one."""

    def __init__(self, text: str, reason: Optional[str] = None) -> None:
        super().__init__(text, Result.NO_CONTEXT)
        self.reason = reason
