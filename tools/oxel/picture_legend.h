// oxel draw: a legend of swatches and their words, in lines no wider than the picture
#pragma once

#include <string>
#include <vector>

#include "svg_writer.h"

struct LegendEntry {
    std::string swatch_class;   // the colour of its square
    std::string label;
};

// Draws the entries from (x, y), the top of the first line, wrapping at
// `width`; the height it takes.
int draw_legend(SvgWriter &svg, int x, int y, int width, const std::vector<LegendEntry> &entries);
