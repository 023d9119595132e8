#!/usr/bin/python3
"""Benchmark corpus generator: large, well-formed OXEL descriptions of a chosen shape.

Shapes:
  board    realistic devices (long chains, buses, control cells) and a large board with
           part chains, netlists and test sequences, grown to about --megabytes
  chain    one device with --count pins and a boundary-scan chain of --count cells
  netlist  one board whose netlist maps --count net nodes
  vrak     one board whose test sequence holds a DRS bit pattern of --count words
  bsdl     a BSDL file of one device with a boundary register of --count cells (I/O cell
           triplets, as programmable devices have them), and with --oxel the OXEL
           description the importer builds from it, written out
  device   one device of about --count boundary-scan cells: inputs, data lanes under control
           cells and outputs (a picture's long register)
  parts    one board whose chain passes --count parts of four kinds of device (a picture's
           long chain)
"""
import argparse
import sys

FAMILIES = """PIN_FAMILY LVCMOS33_IN
  SETUP_TIME:     2.0e-9
  HOLD_TIME:      0.5e-9
  INPUT_CURRENT:  -10e-6  10e-6
  INPUT_VOLTAGE:  0.8  2.0
END PIN_FAMILY

PIN_FAMILY LVCMOS33_OUT
  TPLH:           1.2e-9  2.5e-9  4.5e-9
  TPHL:           1.1e-9  2.3e-9  4.2e-9
  OUTPUT_CURRENT: 12e-3  -12e-3
  OUTPUT_VOLTAGE: 0.4  2.4
END PIN_FAMILY

PIN_FAMILY LVCMOS33_IO
  SETUP_TIME:     2.0e-9
  HOLD_TIME:      0.5e-9
  TPLH:           1.4e-9  2.8e-9  5.0e-9
  TPHL:           1.3e-9  2.6e-9  4.8e-9
  INPUT_CURRENT:  -10e-6  10e-6
  INPUT_VOLTAGE:  0.8  2.0
  OUTPUT_CURRENT: 8e-3  -8e-3
  OUTPUT_VOLTAGE: 0.4  2.4
END PIN_FAMILY

PIN_FAMILY SUPPLY_33
  VCC_VOLTAGE:    3.135  3.3  3.465
END PIN_FAMILY
"""

CELLS = """  CELL BC_1
    INIT_UPDATE "X"
    DATA_INPUTS [PI]
    DATA_OUTPUTS [PO]
    MODE_LIST
      INTERNAL SELECT : 0 PI PI
      EXTERNAL SELECT : 1 PI UPDATE
      SAMPLE   SELECT : 0 PI PI
      HIGHZ    1          PI Z
    END MODE_LIST
  END CELL

  CELL BC_2
    INIT_UPDATE 0
    DATA_INPUTS [PI]
    DATA_OUTPUTS [PO]
    MODE_LIST
      INTERNAL 0 PI PI
      EXTERNAL 1 UPDATE UPDATE
      SAMPLE   0 PI PI
      HIGHZ    1 UPDATE 0
    END MODE_LIST
  END CELL

  CELL BC_7
    INIT_UPDATE "X"
    DATA_INPUTS [PI]
    DATA_OUTPUTS [PO]
    DATA_SELECT [MODE1, MODE2]
    MODE_LIST
      INTERNAL "00" PI     [PI SI]
      EXTERNAL "01" PI     [UPDATE SI]
      SAMPLE   "00" PI     [- SI]
      HIGHZ    "10" PI     [Z SI]
    END MODE_LIST
  END CELL
"""

HEADER = """OXEL_HEADER
  CREATION_LOG "2026-01-05" "Bench" "generate_corpus" "Benchmark corpus"
  CHANGE_LOG   "2026-02-11" "Bench" "generate_corpus" "Second revision"
END OXEL_HEADER
"""


def registers(out, name, length):
    """The instruction, bypass and identification registers of a device."""
    out.append(f"""  INSTRUCTION_REGISTER IR
    PURPOSE "Instruction register"
    LENGTH 4
    CAPTURE "0001"
    INSTRUCTION_LIST
      EXTEST          "0000" BSR   EXTERNAL -
      SAMPLE_PRELOAD  "0001" BSR   SAMPLE   -
      IDCODE          "0010" IDR   SAMPLE   -
      INTEST          "0100" BSR   INTERNAL -
      HIGHZ           "0111" BPR   HIGHZ    -
      BYPASS          "1111" BPR   SAMPLE   -
    END INSTRUCTION_LIST
  END INSTRUCTION_REGISTER

  BYPASS_REGISTER BPR
    PURPOSE "Bypass register"
    LENGTH 1
    CAPTURE "0"
  END BYPASS_REGISTER

  IDENTIFICATION_REGISTER IDR
    PURPOSE "Device identification"
    LENGTH 32
    CAPTURE "0010 0011000000000001 00001101001 1"
    VERSION_IDCODE "0010"
    PARTNUMBER_IDCODE "0011000000000001"
    MANUFACTURER_IDCODE "00001101001"
  END IDENTIFICATION_REGISTER

""")


def device(out, name, lanes, inputs, outputs, sequence_words):
    """A device with `inputs` plain inputs, `lanes` eight-bit data lanes each enabled by one
    control cell, and `outputs` two-state outputs; pins, chain and a short test sequence."""
    out.append(f"COMPONENT {name}\n  STANDARD : IEEE_1149.1-1990\n\n  PIN_LIST\n")
    out.append("    1 TCK TCK LVCMOS33_IN\n    2 TMS TMS LVCMOS33_IN\n    3 TDI TDI LVCMOS33_IN\n"
               "    4 TDO TDO LVCMOS33_OUT\n    5 TRST_N TRST LVCMOS33_IN\n")
    number = 6
    out.append(f"    ({number}:{number + inputs - 1}) IN_P(0:{inputs - 1}) IN LVCMOS33_IN\n")
    in_first = number
    number += inputs
    bits = lanes * 8
    out.append(f"    ({number}:{number + bits - 1}) D(0:{bits - 1}) IOZ LVCMOS33_IO\n")
    d_first = number
    number += bits
    out_first = number
    for i in range(outputs):
        out.append(f"    {number} LED_{i} OUT LVCMOS33_OUT\n")
        number += 1
    out.append(f"    {number} VCC PWR SUPPLY_33\n    {number + 1} GND GND -\n  END PIN_LIST\n\n")
    length = inputs + lanes * 9 + outputs
    registers(out, name, length)
    out.append(CELLS)
    out.append(f"\n  BOUNDARY_SCAN_REGISTER BSR\n    PURPOSE \"Boundary-scan register\"\n"
               f"    LENGTH {length}\n    CHAIN_LIST\n")
    pos = 0
    for i in range(inputs):
        out.append(f"      {pos} BC_1 IN_P({i}) {in_first + i} - - - -\n")
        pos += 1
    for lane in range(lanes):
        control = pos
        out.append(f"      * data lane {lane}\n      {pos} BC_2 - - - - - -\n")
        pos += 1
        for bit in range(8):
            d = lane * 8 + bit
            disable = "0" if bit == 7 or lane % 3 else "x"
            out.append(f"      {pos} BC_7 D({d}) {d_first + d} {d_first + d} - {control} {disable}\n")
            pos += 1
    for i in range(outputs):
        out.append(f"      {pos} BC_1 LED_{i} - {out_first + i} - - -\n")
        pos += 1
    out.append("    END CHAIN_LIST\n  END BOUNDARY_SCAN_REGISTER\n\n")
    out.append("  TEST_SEQUENCE SELF_TEST\n    CMT(\"Reset, then shift the chain\")\n"
               "    RST(CHAIN, R0)\n    TAP(CHAIN, 5, 11111)\n    ITP(CHAIN, 4, 0010)\n")
    out.append(f"    DRS(CHAIN, {sequence_words * 8},")
    for i in range(sequence_words):
        out.append(" 01" + format(i % 64, "06b") + ("\n       " if i % 8 == 7 else ""))
    out.append(")\n    WTN(CHAIN, 100)\n  END TEST_SEQUENCE\n\n")
    out.append("  GLOBAL_FAMILY LIMITS\n    TEST_FREQUENCY:    1e6  20e6  40e6\n"
               "    TEMPERATURE_RANGE: -40  25  85\n    TCK_STOP_AT_ONE: NO\n  END GLOBAL_FAMILY\n"
               "END COMPONENT\n\n")


def board(out, name, parts, connector_pins, nodes, sequences, sequence_words):
    """A board: connector pins, one chain through `parts` parts, a netlist of `nodes` nodes
    and `sequences` test sequences."""
    out.append(f"BOARD {name}\n  PIN_LIST\n    J1_1 TDI_IN TDI LVCMOS33_IN\n"
               "    J1_2 TDO_OUT TDO LVCMOS33_OUT\n    J1_3 TMS_IN TMS LVCMOS33_IN\n"
               "    J1_4 TCK_IN TCK LVCMOS33_IN\n    J1_5 TRST_IN TRST LVCMOS33_IN\n")
    for i in range(connector_pins):
        out.append(f"    J2_{i} CON_{i} IO LVCMOS33_IO\n")
    out.append("  END PIN_LIST\n\n  BOARD_LEVEL_CHAIN JTAG_MAIN\n    BOARD_LEVEL_TAP\n"
               "      TDI TDI_IN\n      TDO TDO_OUT\n      TMS TMS_IN\n      TCK TCK_IN\n"
               "      TRST TRST_IN\n    END BOARD_LEVEL_TAP\n    PART_CHAIN\n")
    for i, part in enumerate(parts):
        out.append(f"      {i + 1} U{i + 1} {part} TMS_IN TCK_IN TRST_IN\n")
    out.append("    END PART_CHAIN\n  END BOARD_LEVEL_CHAIN\n\n")
    if nodes:
        out.append("  NETLIST_MAP\n    " + parts[0] + " TMS_IN TMS_IN\n    " + parts[0]
                   + " TCK_IN TCK_IN\n    " + parts[0] + " TRST_IN TRST_IN\n")
        for i in range(nodes - 3):
            part = parts[i % len(parts)]
            pin = f"CON_{i % connector_pins}"
            if i % 4 == 0:
                out.append(f"    {part} {pin} [NET_{i} NET_{i}_B]\n")
            else:
                out.append(f"    {part} {pin} NET_{i}\n")
        out.append("  END NETLIST_MAP\n\n")
    for s in range(sequences):
        out.append(f"  TEST_SEQUENCE INTERCONNECT_{s}\n    RST(JTAG_MAIN, R0)\n"
                   "    @PPA(T, JTAG (TDI: TDI_IN) (TDO: TDO_OUT) (TMS: TMS_IN) (TCK: TCK_IN)"
                   " (TRST: TRST_IN))\n    WTN(JTAG, 1000)\n    TAP(JTAG, 5, 11111)\n")
        out.append(f"    DRS(JTAG, {sequence_words * 8},")
        for i in range(sequence_words):
            out.append(" " + format((i * 37 + s) % 256, "08b") + ("\n        " if i % 8 == 7 else ""))
        out.append(")\n  END TEST_SEQUENCE\n\n")
    out.append("END BOARD\n\n")


def open_file(out):
    out.append("* Generated benchmark corpus\nOXEL\n\n" + HEADER + "\n" + FAMILIES + "\n")


def close_file(out):
    out.append("END OXEL\n")


def shape_board(megabytes):
    """Devices until about 80% of the size, then the board that carries them all."""
    target = int(megabytes * 1_000_000)
    out = []
    open_file(out)
    size = sum(map(len, out))
    parts = []
    kinds = [(8, 24, 16, 16), (16, 40, 24, 24), (32, 64, 32, 32), (4, 12, 8, 8)]
    while size < target * 0.8:
        lanes, inputs, outputs, words = kinds[len(parts) % len(kinds)]
        name = f"DEV{len(parts) + 1:05d}"
        piece = []
        device(piece, name, lanes, inputs, outputs, words)
        size += sum(map(len, piece))
        out.extend(piece)
        parts.append(name)
    remaining = max(target - size, 10_000)
    # About 30 bytes per net node, a sixth of the rest in sequences.
    nodes = max(remaining * 5 // 6 // 30, 4)
    sequences = max(remaining // 6 // 1200, 1)
    board(out, "BENCH_BOARD", parts, max(nodes // 8, 1), nodes, sequences, 96)
    close_file(out)
    return out


def shape_chain(count):
    out = []
    open_file(out)
    out.append("COMPONENT LONG_CHAIN\n  STANDARD : IEEE_1149.1-1990\n  PIN_LIST\n"
               "    1 TCK TCK LVCMOS33_IN\n    2 TMS TMS LVCMOS33_IN\n    3 TDI TDI LVCMOS33_IN\n"
               "    4 TDO TDO LVCMOS33_OUT\n")
    for i in range(count):
        out.append(f"    {i + 10} P{i} IO LVCMOS33_IO\n")
    out.append("  END PIN_LIST\n\n")
    registers(out, "LONG_CHAIN", count)
    out.append(CELLS)
    out.append(f"  BOUNDARY_SCAN_REGISTER BSR\n    PURPOSE \"Boundary-scan register\"\n"
               f"    LENGTH {count}\n    CHAIN_LIST\n")
    for i in range(count):
        out.append(f"      {i} BC_1 P{i} {i + 10} {i + 10} - - -\n")
    out.append("    END CHAIN_LIST\n  END BOUNDARY_SCAN_REGISTER\nEND COMPONENT\n\n")
    close_file(out)
    return out


def device_and_board(device_name, device_shape, board_name, board_shape):
    """One device and a board that carries it."""
    out = []
    open_file(out)
    device(out, device_name, *device_shape)
    board(out, board_name, [device_name], *board_shape)
    close_file(out)
    return out


def shape_netlist(count):
    return device_and_board("NET_DEVICE", (4, 8, 8, 8), "NET_BOARD", (count, count, 0, 0))


def shape_vrak(count):
    return device_and_board("VRAK_DEVICE", (1, 2, 2, 1), "VRAK_BOARD", (4, 0, 1, count))


BSDL_INSTRUCTIONS = [("EXTEST", "000000"), ("SAMPLE", "000001"), ("USERCODE", "001000"),
                     ("IDCODE", "001001"), ("CLAMP", "001010"), ("HIGHZ", "001011"),
                     ("ISC_ENABLE", "010000"), ("ISC_PROGRAM", "010001"), ("ISC_DISABLE", "010110"),
                     ("BYPASS", "111111")]
# What the importer makes of each: kind keyword, register, mode.
BSDL_MAPPING = {"EXTEST": ("EXTEST", "BOUNDARY", "EXTERNAL"), "SAMPLE": ("SAMPLE_PRELOAD", "BOUNDARY", "SAMPLE"),
                "USERCODE": ("USERCODE", "USERCODE", "SAMPLE"), "IDCODE": ("IDCODE", "DEVICE_ID", "SAMPLE"),
                "CLAMP": ("CLAMP", "BYPASS", "EXTERNAL"), "HIGHZ": ("HIGHZ", "BYPASS", "HIGHZ"),
                "ISC_ENABLE": ("ISC_ENABLE", "ISC_CONFIG", "-"), "ISC_PROGRAM": ("ISC_PROGRAM", "ISC_PDATA", "PRIVATE"),
                "ISC_DISABLE": ("ISC_DISABLE", "ISC_CONFIG", "-"), "BYPASS": ("BYPASS", "BYPASS", "SAMPLE")}
BSDL_IDCODE = ("0001", "0110100000010011", "00001001001")


def ball(i):
    """Ball names of a grid: A1 ... A40, B1 ..., AA1 ..."""
    row, column = divmod(i, 40)
    letters = ""
    row += 1
    while row:
        row, rest = divmod(row - 1, 26)
        letters = chr(ord("A") + rest) + letters
    return f"{letters}{column + 1}"


def bsdl_device(count):
    """The ports (name, mode, ball), and the cells (number, port, function, safe, control, disable)
    of a device of `count` cells: control, output3 and input for each I/O, two inputs, internals."""
    ports = [("TCK", "in"), ("TMS", "in"), ("TDI", "in"), ("TRST_N", "in"), ("TDO", "out"),
             ("CLK", "in"), ("RESET_N", "in")]
    ios = max((count - 2) // 3, 0)
    ports += [(f"IO_{i}", "inout") for i in range(ios)]
    ports += [("VCC", "linkage"), ("GND", "linkage")]
    ports = [(name, mode, ball(i)) for i, (name, mode) in enumerate(ports)]
    cells = [(0, "CLK", "input", "X", None, None), (1, "RESET_N", "input", "X", None, None)]
    for i in range(ios):
        control = len(cells)
        cells += [(control, "*", "control", "1", None, None),
                  (control + 1, f"IO_{i}", "output3", "X", control, "1"),
                  (control + 2, f"IO_{i}", "input", "X", None, None)]
    while len(cells) < count:
        cells.append((len(cells), "*", "internal", "X", None, None))
    return ports, cells[:count]


def shape_bsdl(count):
    ports, cells = bsdl_device(count)
    out = ["-- Generated benchmark device\nentity BENCH_CHIP is\n"
           "  generic (PHYSICAL_PIN_MAP : string := \"FBGA\");\n  port (\n"]
    out.append(";\n".join(f"    {name} : {mode} bit" for name, mode, _ in ports) + ");\n")
    out.append("  use STD_1149_1_2001.all;\n"
               "  attribute COMPONENT_CONFORMANCE of BENCH_CHIP : entity is \"STD_1149_1_2001\";\n"
               "  attribute PIN_MAP of BENCH_CHIP : entity is PHYSICAL_PIN_MAP;\n"
               "  constant FBGA : PIN_MAP_STRING :=\n")
    out.append(" &\n".join(f"    \"{name}:{pin}{',' if i + 1 < len(ports) else ''}\""
                           for i, (name, _, pin) in enumerate(ports)) + ";\n")
    out.append("  attribute TAP_SCAN_IN of TDI : signal is true;\n"
               "  attribute TAP_SCAN_MODE of TMS : signal is true;\n"
               "  attribute TAP_SCAN_OUT of TDO : signal is true;\n"
               "  attribute TAP_SCAN_RESET of TRST_N : signal is true;\n"
               "  attribute TAP_SCAN_CLOCK of TCK : signal is (33.0e6, BOTH);\n"
               "  attribute INSTRUCTION_LENGTH of BENCH_CHIP : entity is 6;\n"
               "  attribute INSTRUCTION_OPCODE of BENCH_CHIP : entity is\n")
    out.append(" &\n".join(f"    \"{name} ({code}){',' if i + 1 < len(BSDL_INSTRUCTIONS) else ''}\""
                           for i, (name, code) in enumerate(BSDL_INSTRUCTIONS)) + ";\n")
    out.append("  attribute INSTRUCTION_CAPTURE of BENCH_CHIP : entity is \"XXXX01\";\n"
               "  attribute INSTRUCTION_PRIVATE of BENCH_CHIP : entity is \"ISC_PROGRAM\";\n"
               "  attribute IDCODE_REGISTER of BENCH_CHIP : entity is\n"
               f"    \"{BSDL_IDCODE[0]}\" & \"{BSDL_IDCODE[1]}\" & \"{BSDL_IDCODE[2]}\" & \"1\";\n"
               "  attribute USERCODE_REGISTER of BENCH_CHIP : entity is\n"
               "    \"XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX\";\n"
               "  attribute REGISTER_ACCESS of BENCH_CHIP : entity is\n"
               "    \"ISC_CONFIG[8] (ISC_ENABLE, ISC_DISABLE), ISC_PDATA[16] (ISC_PROGRAM)\";\n"
               f"  attribute BOUNDARY_LENGTH of BENCH_CHIP : entity is {len(cells)};\n"
               "  attribute BOUNDARY_REGISTER of BENCH_CHIP : entity is\n")
    entries = []
    for number, port, function, safe, control, disable in reversed(cells):
        rest = f", {control}, {disable}, Z" if control is not None else ""
        entries.append(f"    \"{number:<5} (BC_1, {port}, {function}, {safe}{rest})")
    out.append(",\" &\n".join(entries) + "\";\n")
    out.append("end BENCH_CHIP;\n")
    return out


def shape_bsdl_oxel(count, path):
    """The OXEL description the importer builds from shape_bsdl's device, written out."""
    ports, cells = bsdl_device(count)
    pins = {name: pin for name, _, pin in ports}
    types = {"TCK": "TCK", "TMS": "TMS", "TDI": "TDI", "TRST_N": "TRST", "TDO": "TDO", "CLK": "IN",
             "RESET_N": "IN", "VCC": "PWR", "GND": "GND"}
    out = ["OXEL\n\nCOMPONENT BENCH_CHIP\n  STANDARD : IEEE_1149.1-1990\n\n  PIN_LIST\n"]
    for name, _, pin in ports:
        out.append(f"    {pin} {name} {types.get(name, 'IO')} -\n")
    out.append("  END PIN_LIST\n\n  INSTRUCTION_REGISTER INSTRUCTION\n    PURPOSE \"Instruction register\"\n"
               "    LENGTH 6\n    CAPTURE \"XXXX01\"\n    INSTRUCTION_LIST\n")
    for name, code in BSDL_INSTRUCTIONS:
        kind, register, mode = BSDL_MAPPING[name]
        out.append(f"      {kind} \"{code}\" {register} {mode} -\n")
    out.append("    END INSTRUCTION_LIST\n  END INSTRUCTION_REGISTER\n\n")
    x32 = "X" * 32
    out.append("  BYPASS_REGISTER BYPASS\n    PURPOSE \"Bypass register\"\n    LENGTH 1\n    CAPTURE \"0\"\n"
               "  END BYPASS_REGISTER\n\n"
               "  IDENTIFICATION_REGISTER DEVICE_ID\n    PURPOSE \"Device identification register\"\n"
               f"    LENGTH 32\n    CAPTURE \"{''.join(BSDL_IDCODE)}1\"\n"
               f"    VERSION_IDCODE \"{BSDL_IDCODE[0]}\"\n    PARTNUMBER_IDCODE \"{BSDL_IDCODE[1]}\"\n"
               f"    MANUFACTURER_IDCODE \"{BSDL_IDCODE[2]}\"\n  END IDENTIFICATION_REGISTER\n\n"
               "  USERCODE_REGISTER USERCODE\n    PURPOSE \"Usercode register\"\n    LENGTH 32\n"
               f"    CAPTURE \"{x32}\"\n  END USERCODE_REGISTER\n\n")
    for name, length in [("ISC_CONFIG", 8), ("ISC_PDATA", 16)]:
        out.append(f"  DATA_REGISTER {name}\n    PURPOSE \"Data register\"\n    LENGTH {length}\n"
                   f"    CAPTURE \"{'X' * length}\"\n  END DATA_REGISTER\n\n")
    out.append("  CELL BC_1\n    INIT_UPDATE \"X\"\n    DATA_INPUTS [PI]\n    DATA_OUTPUTS [PO]\n    MODE_LIST\n"
               "      INTERNAL - PI UPDATE\n      EXTERNAL - PI UPDATE\n      SAMPLE - PI PI\n"
               "      HIGHZ - PI Z\n    END MODE_LIST\n  END CELL\n\n")
    out.append("  BOUNDARY_SCAN_REGISTER BOUNDARY\n    PURPOSE \"Boundary-scan register\"\n"
               f"    LENGTH {len(cells)}\n    CHAIN_LIST\n")
    for number, port, function, safe, control, disable in cells:
        served = "-" if port == "*" else port
        pin = pins.get(port, "-")
        captured = pin if function == "input" else "-"
        driven = pin if function == "output3" else "-"
        third = f"[{function.upper()} {safe}{' Z' if control is not None else ''}]"
        control_text = "-" if control is None else str(control)
        out.append(f"      {number} BC_1 {served} {captured} {driven} {third} {control_text} {disable or '-'}\n")
    out.append("    END CHAIN_LIST\n  END BOUNDARY_SCAN_REGISTER\nEND COMPONENT\n\nEND OXEL\n")
    with open(path, "w", encoding="ascii") as file:
        file.writelines(out)


def shape_device(count):
    """Inputs and outputs a tenth of the cells each, data lanes of nine cells the rest."""
    inputs = outputs = max(count // 10, 1)
    lanes = max((count - inputs - outputs) // 9, 1)
    inputs = max(count - outputs - lanes * 9, 1)
    out = []
    open_file(out)
    device(out, "WIDE_DEVICE", lanes, inputs, outputs, 8)
    close_file(out)
    return out


def shape_parts(count):
    kinds = [("DEV_A", (2, 6, 4, 1)), ("DEV_B", (4, 8, 8, 1)), ("DEV_C", (1, 4, 2, 1)),
             ("DEV_D", (3, 5, 6, 1))]
    out = []
    open_file(out)
    for name, shape in kinds:
        device(out, name, *shape)
    parts = [kinds[i % len(kinds)][0] for i in range(count)]
    board(out, "LONG_CHAIN_BOARD", parts, 4, 0, 0, 0)
    close_file(out)
    return out


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("shape", choices=["board", "chain", "netlist", "vrak", "bsdl", "device", "parts"])
    parser.add_argument("output")
    parser.add_argument("--megabytes", type=float, default=5.0)
    parser.add_argument("--count", type=int, default=200_000)
    parser.add_argument("--oxel", help="bsdl: where to write the equivalent OXEL description")
    args = parser.parse_args()
    if args.shape == "board":
        out = shape_board(args.megabytes)
    elif args.shape == "chain":
        out = shape_chain(args.count)
    elif args.shape == "netlist":
        out = shape_netlist(args.count)
    elif args.shape == "bsdl":
        out = shape_bsdl(args.count)
        if args.oxel:
            shape_bsdl_oxel(args.count, args.oxel)
    elif args.shape == "device":
        out = shape_device(args.count)
    elif args.shape == "parts":
        out = shape_parts(args.count)
    else:
        out = shape_vrak(args.count)
    with open(args.output, "w", encoding="ascii") as file:
        file.writelines(out)
    return 0


if __name__ == "__main__":
    sys.exit(main())
