// What the reader fuzzers share: how an input becomes a separator and a text, and what happens
// when a property of a text fails (print the property and the text, with every byte that is not
// plain ASCII escaped, and abort so that libFuzzer keeps the input).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

// The first byte picks the separator (a comma, or any odd byte, for ","), the rest is the text.
struct FuzzText {
    char separator;
    std::string_view text;
};

inline FuzzText SeparatorAndText(const std::uint8_t* data, std::size_t size) {
    return {data[0] == ',' || data[0] % 2 == 1 ? ',' : '.',
            std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1)};
}

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
