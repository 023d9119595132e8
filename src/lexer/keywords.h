// Keyword table: every keyword of the language with its token number
#pragma once

// The token number of the keyword spelled exactly `text` (upper case), or 0.
int keyword_lookup(const char *text);
// The number of entries in the table (some tokens have two spellings).
int keyword_count();
// The spelling of the entry at `index` (0 to keyword_count() - 1), or null.
const char *keyword_text(int index);
