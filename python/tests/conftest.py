"""The package from this checkout, the bundled examples, and files written for a test."""
import os
import sys
from pathlib import Path

import pytest

SOURCE = Path(os.environ.get("OXEL_SOURCE_DIR", Path(__file__).resolve().parents[2]))
# The build whose library the tests load: its install is what the install tests install.
BUILD = (Path(os.environ["OXEL32_LIBRARY"]).parent if os.environ.get("OXEL32_LIBRARY")
         else SOURCE / "build" / "default")
sys.path.insert(0, str(SOURCE / "python"))


@pytest.fixture
def example():
    return lambda name: str(SOURCE / "examples" / name)


@pytest.fixture
def oxel_file(tmp_path):
    """Writes a description framed by OXEL ... END OXEL; its path."""
    def write(body, name="test.oxel"):
        path = tmp_path / name
        path.write_text("OXEL\n%s\nEND OXEL\n" % body)
        return str(path)
    return write
