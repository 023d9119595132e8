"""One library for the process: calls from threads take turns, and a description another thread
replaced says so instead of answering from the file that replaced it."""
import threading
import time

import pytest

import oxel32
from oxel32 import description as _description

FILES = ("jx200.oxel", "kx300_bridge.oxel", "vrak_sequences.oxel", "px240_port_expander.oxel")


class _Watched:
    """The library with every call counted while it runs, slowed so that calls would overlap."""

    def __init__(self, library):
        self.library, self.running, self.most, self.calls = library, 0, 0, 0
        self.guard = threading.Lock()

    def __getattr__(self, name):
        function = getattr(self.library, name)

        def watched(*arguments):
            with self.guard:
                self.running += 1
                self.calls += 1
                self.most = max(self.most, self.running)
            time.sleep(0.001)
            try:
                return function(*arguments)
            finally:
                with self.guard:
                    self.running -= 1
        return watched


@pytest.fixture
def watched_library(monkeypatch):
    oxel32.version()                        # the host exists
    watched = _Watched(_description._host.library)
    monkeypatch.setattr(_description._host, "library", watched)
    return watched


def _run_threads(work, count=4):
    failures = []

    def guarded(number):
        try:
            work(number)
        except BaseException as failure:   # reported by the test's own thread
            failures.append(failure)
    threads = [threading.Thread(target=guarded, args=(n,)) for n in range(count)]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()
    if failures:
        raise failures[0]


def test_threads_take_turns_and_never_read_another_files_description(example, watched_library):
    # What each file gives alone: its components and its check's messages.
    alone = {}
    for name in FILES:
        description = oxel32.parse(example(name))
        alone[name] = (description.components, description.check().messages)
    answered, released = [], []

    def work(number):
        for round in range(12):
            name = FILES[(number + round) % len(FILES)]
            description = oxel32.parse(example(name))
            assert description.components == alone[name][0]
            oxel32.is_oxel(example(name))
            try:
                report = description.check()
            except oxel32.ReleasedDescriptionError as error:
                assert example(name) in str(error) and "was parsed after it" in str(error)
                released.append(name)
                continue
            assert report.messages == alone[name][1], name
            answered.append(name)
    _run_threads(work)
    assert watched_library.most == 1 and watched_library.calls > 100
    assert len(answered) + len(released) == 48 and answered


def test_a_description_of_another_thread_is_released_by_a_parse_here(example):
    parsed = []
    _run_threads(lambda _number: parsed.append(oxel32.parse(example("jx200.oxel"))), count=1)
    theirs = parsed[0]
    assert theirs.held
    ours = oxel32.parse(example("kx300_bridge.oxel"))
    with pytest.raises(oxel32.ReleasedDescriptionError):
        theirs.check()
    # Closing it, from its thread or any other, leaves ours held.
    _run_threads(lambda _number: theirs.close(), count=1)
    assert ours.held and ours.check().ok
