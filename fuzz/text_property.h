// What a fuzz target does when a property of a text fails: print the property and the text, with
// every byte that is not plain ASCII escaped, and abort so that libFuzzer keeps the input.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

inline void Check(bool holds, const char* property, std::string_view text) {
    if (holds) {
        return;
    }
    std::fprintf(stderr, "property failed: %s\ntext (%zu bytes): \"", property, text.size());
    for (unsigned char c : text) {
        std::fprintf(stderr, c >= 32 && c < 127 && c != '"' ? "%c" : "\\x%02x", c);
    }
    std::fprintf(stderr, "\"\n");
    std::abort();
}
