// Pin types: what kind of pin each port becomes, from its mode, the TAP attributes and its cells
#pragma once

#include "bsdl/bsdl_document.h"

// Settles BsdlPort::type for every port (a PinType):
// - a TAP port is its signal's type (TDI, TDO, TMS, TCK, TRST);
// - a linkage port is PWR or GND where its name says so (VCC..., VDD...,
//   GND..., VSS...), else NC;
// - in is IN, out and buffer are OUT, inout is IO, changed by the cells that
//   serve the port: an in port a cell drives is IO, and so is an out port a
//   cell captures or one whose cell controls others; an output or
//   bidirectional port every cell of which names a control cell is the
//   three-state kind (OUTZ, IOZ).
// A port whose pin is captured by a cell of its own besides its three-state
// driver stays OUT or IO: a three-state pin's every cell must name the
// control cell, and a capturing cell names none. False after a reported
// failure to allocate.
bool settle_pin_types(HostContext *context, BsdlDocument &document);
