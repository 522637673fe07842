// libFuzzer target: any bytes, taken as a file's content, through LoadText and what
// the program does with a loaded document. Built with -DQUILLON_FUZZ=ON (clang).

#include "FuzzExercise.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    XmlFuzzExercise(data, size);
    return 0;
}
