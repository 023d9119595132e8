"""The package installed both ways, into folders of its own: pip from a checkout, and cmake --install
with the library. Each imports in a fresh interpreter that is told nothing of where the library is."""
import json
import os
import shutil
import subprocess
import sys
from pathlib import Path

import pytest

from conftest import BUILD, SOURCE

LIBRARY = BUILD / "liboxel32.so"
if not LIBRARY.is_file():
    pytest.skip("no library built in %s" % BUILD, allow_module_level=True)

# What the installed package tells of itself.
REPORT = """
import json, os, sys
import oxel32
from oxel32 import _library
description = oxel32.parse(sys.argv[1])
print(json.dumps({"package": oxel32.__file__, "library": _library.load()._name,
                  "version": oxel32.version(), "components": [c.name for c in description.components],
                  "typed": os.path.isfile(os.path.join(os.path.dirname(oxel32.__file__), "py.typed"))}))
"""


def _run(command, **options):
    run = subprocess.run(command, capture_output=True, text=True, **options)
    assert run.returncode == 0, "%s\n%s%s" % (command, run.stdout, run.stderr)
    return run.stdout


def _package_folder(root):
    found = sorted(root.glob("**/oxel32/__init__.py"))
    assert len(found) == 1, found
    return found[0].parent.parent


def _imported(site, cwd):
    """The report of the package installed under `site`, run with nothing but it on the path."""
    environment = {k: v for k, v in os.environ.items()
                   if k not in ("OXEL32_LIBRARY", "LD_LIBRARY_PATH", "PYTHONPATH")}
    environment.update(PYTHONPATH=str(site), PYTHONDONTWRITEBYTECODE="1")
    output = _run([sys.executable, "-c", REPORT, str(SOURCE / "examples" / "jx200.oxel")],
                  env=environment, cwd=str(cwd))
    return json.loads(output)


def test_pip_installs_the_package_with_the_library_of_the_checkout(tmp_path):
    # A checkout as pip meets it: the package, and the library the default build made beside it.
    checkout = tmp_path / "checkout"
    shutil.copytree(SOURCE / "python", checkout / "python",
                    ignore=shutil.ignore_patterns("tests", "build", "*.egg-info", "__pycache__"))
    (checkout / "build" / "default").mkdir(parents=True)
    (checkout / "build" / "default" / "liboxel32.so").symlink_to(LIBRARY.resolve())
    prefix = tmp_path / "prefix"
    environment = {k: v for k, v in os.environ.items() if k != "OXEL32_LIBRARY"}
    _run([sys.executable, "-m", "pip", "install", "--quiet", "--no-build-isolation", "--no-index",
          "--no-deps", "--disable-pip-version-check", "--prefix", str(prefix), "./python"],
         cwd=str(checkout), env=environment)
    site = _package_folder(prefix)
    shutil.rmtree(checkout)                 # the install stands alone
    report = _imported(site, tmp_path)
    assert Path(report["package"]).parent == site / "oxel32"
    assert Path(report["library"]).parent == site / "oxel32"
    assert report["components"] == ["JX200"] and report["typed"]
    from importlib import metadata
    installed = [d for d in metadata.distributions(path=[str(site)]) if d.metadata["Name"] == "oxel32"]
    assert installed[0].version == report["version"]


def test_cmake_installs_the_package_beside_the_library(tmp_path):
    prefix = tmp_path / "prefix"
    _run(["cmake", "--install", str(BUILD), "--prefix", str(prefix)])
    site = _package_folder(prefix)
    report = _imported(site, tmp_path)
    assert Path(report["package"]).parent == site / "oxel32"
    library = Path(report["library"])
    assert library.parent.parent == prefix and library.name == "liboxel32.so.0" and library.is_file()
    assert report["components"] == ["JX200"] and report["typed"]


def test_cmake_installs_the_package_where_the_prefixs_python_finds_it(tmp_path):
    """Staged under DESTDIR for /usr/local: the package lands in the folder the interpreter imports
    from there, and finds the library by its path from the package once moved elsewhere."""
    stage = tmp_path / "stage"
    _run(["cmake", "--install", str(BUILD), "--prefix", "/usr/local"], env=dict(os.environ, DESTDIR=str(stage)))
    site = _package_folder(stage)
    imported_there = [p for p in sys.path if p.startswith("/usr/local/") and p.endswith("-packages")]
    if imported_there:
        assert str(site) == str(stage) + imported_there[0]
    moved = tmp_path / "moved"
    shutil.move(str(stage), str(moved))
    report = _imported(moved / site.relative_to(stage), tmp_path)
    assert Path(report["library"]).resolve() == (moved / "usr/local/lib/liboxel32.so.0").resolve()
    assert report["components"] == ["JX200"]
