"""Puts liboxel32 into the package it builds, so that the installed package loads it by itself.

The library is the one OXEL32_LIBRARY names while the package is built, else the one the
checkout's default build made (../build/default). Without either the package is built alone
and finds the library at run time (OXEL32_LIBRARY, or the system's search).
"""
import os
import shutil
import sys
from pathlib import Path
from typing import Optional

from setuptools import setup
from setuptools.command.build_py import build_py
from setuptools.dist import Distribution

HERE = Path(__file__).resolve().parent


def library_name() -> str:
    if sys.platform == "win32":
        return "oxel32.dll"
    return "liboxel32.dylib" if sys.platform == "darwin" else "liboxel32.so"


def library_to_bundle() -> Optional[Path]:
    named = os.environ.get("OXEL32_LIBRARY")
    if named:
        if not Path(named).is_file():
            sys.exit("oxel32: OXEL32_LIBRARY names no file: %s" % named)
        return Path(named)
    built = HERE.parent / "build" / "default" / library_name()
    return built if built.is_file() else None


class BuildWithLibrary(build_py):
    def run(self) -> None:
        super().run()
        library = library_to_bundle()
        package = Path(self.build_lib) / "oxel32"
        if library is None:
            print("oxel32: no liboxel32 to bundle: the package will look for it at run time")
            return
        # The file itself, not a link to it.
        shutil.copyfile(library, package / library_name())
        (package / "_installed.py").write_text(
            '"""Written by the install: the library, relative to this folder."""\n'
            "LIBRARY = %r\n" % library_name())


class WithLibrary(Distribution):
    """A package that carries a library is built for one platform."""

    def has_ext_modules(self) -> bool:
        return library_to_bundle() is not None


setup(cmdclass={"build_py": BuildWithLibrary}, distclass=WithLibrary)
