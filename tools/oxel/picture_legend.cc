// oxel draw: a legend of swatches and their words, in lines no wider than the picture
#include "picture_legend.h"

namespace {

constexpr int kFont = 11;
constexpr int kSwatch = 12;
constexpr int kLine = 18;
constexpr int kSpace = 16;   // between one entry and the next

}  // namespace

int draw_legend(SvgWriter &svg, int x, int y, int width, const std::vector<LegendEntry> &entries) {
    if (entries.empty())
        return 0;
    int at = x, line = 0;
    for (const LegendEntry &entry : entries) {
        // A label wider than a whole line is cut to it.
        const std::string label = fitted(entry.label, characters_in(width - kSwatch - 6, kFont));
        const int needed = kSwatch + 6 + text_width(label, kFont);
        if (at > x && at + needed > x + width) {
            at = x;
            line++;
        }
        const int top = y + line * kLine;
        svg.rect(at, top + 1, kSwatch, kSwatch, entry.swatch_class + " swatch");
        svg.text(at + kSwatch + 6, top + 11, kFont, label, "");
        at += needed + kSpace;
    }
    return (line + 1) * kLine;
}
