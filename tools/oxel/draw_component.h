// oxel draw: a component in one picture: its name and registers, its boundary-scan register, its package
#pragma once

#include "component_report.h"
#include "svg_writer.h"

// The component's name and register lengths over its boundary-scan
// register's strip of cells and its package.
Figure draw_component(const ComponentReport &component);
