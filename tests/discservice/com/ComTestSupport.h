// Shared by the stand-in's COM tests.
#pragma once

#include <objidl.h>

#include <functional>
#include <vector>

// Reads a stream to its end in chunks of 100000 bytes, as the engine copies an image
// file, handing each chunk to `sink` (which may stop early by returning false).
// Returns the result of the last read.
inline HRESULT ReadInChunks(IStream* stream, const std::function<bool(const char*, ULONG)>& sink) {
    std::vector<char> buffer(100000);
    for (;;) {
        ULONG got = 0;
        HRESULT hr = stream->Read(buffer.data(), static_cast<ULONG>(buffer.size()), &got);
        if (FAILED(hr) || got == 0 || !sink(buffer.data(), got)) return hr;
    }
}
