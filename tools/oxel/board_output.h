// oxel show: boards, pin families and test sequences, as a report or as JSON
#pragma once

#include <string>
#include <vector>

#include "board_report.h"
#include "json_writer.h"

// A board for a person: its pin lists, its TAPs with their nets, part
// chains and scan chains, its nets with the pins they join, and its test
// sequences.
void print_board(const BoardReport &board);
// The test sequences and illegal vectors of a board or a component, each
// instruction as written, under `indent`.
void print_sequences(const char *indent, const std::vector<SequenceInfo> &test_sequences,
                     const std::vector<SequenceInfo> &illegal_vectors);

// A VRAK instruction as it is written: DRS(JTAG, 8, 01010101); what the
// record does not keep (RST's register, a parallel group's pin count) is
// left out.
std::string vrak_step_text(const VrakStepInfo &step);

void write_board_json(JsonWriter &json, const BoardReport &board);
void write_pin_family_json(JsonWriter &json, const PinFamilyReport &family);
// The members "test_sequences" and "illegal_vectors" of a board or a
// component: each sequence with its name, its instructions' mnemonics and
// its steps (each instruction with its arguments).
void write_sequences_json(JsonWriter &json, const std::vector<SequenceInfo> &test_sequences,
                          const std::vector<SequenceInfo> &illegal_vectors);
