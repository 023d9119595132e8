"""The package from this checkout, and the bundled examples."""
import os
import sys
from pathlib import Path

import pytest

SOURCE = Path(os.environ.get("OXEL_SOURCE_DIR", Path(__file__).resolve().parents[2]))
sys.path.insert(0, str(SOURCE / "python"))


@pytest.fixture
def example():
    return lambda name: str(SOURCE / "examples" / name)
