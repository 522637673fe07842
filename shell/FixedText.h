// Copying into the program's fixed-size, zero-terminated text buffers: the text is cut
// to fit and the buffer is always terminated.
#pragma once

#include <cstddef>
#include <cwchar>

template <size_t N> void CopyCut(wchar_t (&buffer)[N], const wchar_t* text) {
    size_t n = 0;
    for (; n + 1 < N && text[n]; ++n)
        buffer[n] = text[n];
    buffer[n] = L'\0';
}

template <size_t N> void AppendCut(wchar_t (&buffer)[N], const wchar_t* text) {
    size_t n = wcsnlen(buffer, N - 1);
    for (; n + 1 < N && *text; ++n, ++text)
        buffer[n] = *text;
    buffer[n] = L'\0';
}
