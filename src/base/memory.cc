// Memory layer: every allocation of the library, with failures reported
#include "base/memory.h"

#include <cstdlib>
#include <cstring>

#include "base/messages.h"

namespace {

// Allocation-failure injection for the tests.
struct memory_state {
    long attempts;      // allocations and resizes since the hook was set
    long fail_at;       // the attempt that fails; 0 = never
};
memory_state g_memory;

bool injected_failure() {
    ++g_memory.attempts;
    return g_memory.fail_at != 0 && g_memory.attempts == g_memory.fail_at;
}

}  // namespace

void memory_fail_at(long nth) {
    g_memory.attempts = 0;
    g_memory.fail_at = nth;
}

long memory_allocations() { return g_memory.attempts; }

void *mem_alloc(HostContext *context, size_t size) {
    void *block = injected_failure() ? nullptr : std::calloc(1, size ? size : 1);
    if (!block)
        report_memory_error(context);
    return block;
}

void *mem_realloc(HostContext *context, void *block, size_t size) {
    void *resized = injected_failure() ? nullptr : std::realloc(block, size ? size : 1);
    if (!resized)
        report_memory_error(context);
    return resized;
}

void mem_free(HostContext *, void *block) { std::free(block); }

char *str_duplicate(HostContext *context, const char *text) {
    if (!text)
        return nullptr;
    size_t size = std::strlen(text) + 1;
    char *copy = static_cast<char *>(mem_alloc(context, size));
    if (copy)
        std::memcpy(copy, text, size);
    return copy;
}

char *str_append(HostContext *context, char *text, const char *tail) {
    size_t head_length = text ? std::strlen(text) : 0;
    size_t tail_length = tail ? std::strlen(tail) : 0;
    char *joined = static_cast<char *>(mem_realloc(context, text, head_length + tail_length + 1));
    if (!joined)
        return nullptr;
    if (tail_length)
        std::memcpy(joined + head_length, tail, tail_length);
    joined[head_length + tail_length] = '\0';
    return joined;
}
