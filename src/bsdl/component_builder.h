// Component builder: the records of the description made from a BSDL document
#pragma once

#include "bsdl/bsdl_document.h"
#include "model/description.h"

// Builds the component that `document` describes through the model's
// constructors, as the grammar builds a parsed one, each record remembered
// in `description` at its place in the file at `path`:
// - the entity's name, standard 1 (IEEE 1149.1), the source reference
//   "BSDL <path>";
// - one pin list: the mapped ports that are bits, then the bit_vectors as
//   buses (pin numbers from the lowest index up), each of its settled type;
// - the instruction register INSTRUCTION (length, capture, one instruction
//   per opcode), the registers BYPASS, DEVICE_ID and USERCODE where used, a
//   data register for each register REGISTER_ACCESS adds;
// - a cell definition for each cell kind the boundary register uses, and the
//   boundary-scan register BOUNDARY with one chain element per cell.
// The document must be free of findings. Null after a reported failure to
// allocate, with nothing left behind.
ComponentRecord *build_component(HostContext *context, description_state &description, const BsdlDocument &document,
                                 const char *path);
