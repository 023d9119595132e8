"""BSDL imports and written descriptions through the package: import_bsdl() and Description.to_oxel()."""
import pytest

import oxel32
from conftest import SOURCE

BSDL = str(SOURCE / "tests" / "bsdl" / "bridge_1994.bsd")


def pins(description):
    return [(pin.name, pin.number) for component in description.components for pin in component.pins]


def test_an_imported_file_is_a_description_as_a_parsed_one_is(tmp_path):
    with oxel32.import_bsdl(BSDL) as imported:
        assert [c.name for c in imported.components] == ["Bridge_Ctl"]
        assert imported.check().result in (oxel32.Result.OK, oxel32.Result.WARNINGS)
        text = imported.to_oxel()
        default_pins = pins(imported)
    assert text.startswith("OXEL\n") and text.endswith("END OXEL\n")
    written = tmp_path / "bridge.oxel"
    written.write_text(text)
    with oxel32.parse(written) as again:
        assert pins(again) == default_pins
        assert again.to_oxel() == text


def test_a_package_chooses_the_pin_numbers_and_an_unknown_one_is_a_parse_error():
    with oxel32.import_bsdl(BSDL, package="BGA49") as ball_grid:
        ball_pins = pins(ball_grid)
    with oxel32.import_bsdl(BSDL) as default:
        assert pins(default) != ball_pins
    with pytest.raises(oxel32.ParseError) as raised:
        oxel32.import_bsdl(BSDL, package="SOIC8")
    assert "PQFP44" in str(raised.value) and "BGA49" in str(raised.value)


def test_a_parsed_file_writes_back_to_the_same_components(example, tmp_path):
    for name in ("jx200.oxel", "dual_jx200_board.oxel", "vrak_sequences.oxel"):
        original = oxel32.parse(example(name))
        text = original.to_oxel()
        path = tmp_path / name
        path.write_text(text)
        again = oxel32.parse(path)
        assert again.components == original.components, name
        assert again.to_oxel() == text, name


def test_a_released_description_is_not_written(example):
    first = oxel32.parse(example("jx200.oxel"))
    second = oxel32.import_bsdl(BSDL)
    with pytest.raises(oxel32.ReleasedDescriptionError, match="bridge_1994.bsd was parsed after it"):
        first.to_oxel()
    second.close()
    with pytest.raises(oxel32.ReleasedDescriptionError):
        second.to_oxel()
