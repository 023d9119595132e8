// oxel explain: the catalogue's entry of a message, or the list of every message
#include <algorithm>
#include <cstdio>
#include <string>

#include "commands.h"
#include "message_catalogue.h"
#include "suggestions.h"

namespace {

void list_entries(const Catalogue &catalogue) {
    size_t width = 0;
    for (const CatalogueEntry &entry : catalogue.entries)
        width = std::max(width, entry.id.size());
    for (const CatalogueEntry &entry : catalogue.entries)
        std::printf("%-*s  %-8s  %s\n", static_cast<int>(width), entry.id.c_str(), entry.kind.c_str(),
                    entry.formats.empty() ? "" : printed_format(entry.formats[0]).c_str());
}

}  // namespace

int run_explain(const Options &options) {
    const Catalogue &catalogue = message_catalogue();
    if (options.files.empty()) {
        list_entries(catalogue);
        return 0;
    }
    int status = 0;
    bool first = true;
    for (const char *id : options.files) {
        const CatalogueEntry *entry = find_entry(catalogue, id);
        if (!entry) {
            std::vector<std::string> ids;
            for (const CatalogueEntry &known : catalogue.entries)
                ids.push_back(known.id);
            std::vector<std::string> meant = near_misses(id, ids);
            std::fprintf(stderr, "oxel: no message has the id %s%s\n", id,
                         meant.empty() ? " (oxel explain lists them)" : ("; did you mean " + alternatives(meant) + "?").c_str());
            status = 2;
            continue;
        }
        std::printf("%s%s", first ? "" : "\n", entry->text.c_str());
        first = false;
    }
    return status;
}
