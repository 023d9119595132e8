// oxel show: boards, pin families and test sequences, as a report or as JSON
#pragma once

#include <vector>

#include "board_report.h"
#include "json_writer.h"

// A board for a person: its TAPs with their nets and part chains, and how
// many nets its netlists join.
void print_board(const BoardReport &board);

void write_board_json(JsonWriter &json, const BoardReport &board);
void write_pin_family_json(JsonWriter &json, const PinFamilyReport &family);
// The members "test_sequences" and "illegal_vectors" of a board or a
// component: each sequence with its name and its instructions' mnemonics.
void write_sequences_json(JsonWriter &json, const std::vector<SequenceInfo> &test_sequences,
                          const std::vector<SequenceInfo> &illegal_vectors);
