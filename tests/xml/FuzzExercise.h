#pragma once
// What the fuzz target does with one input; the regression test replays saved inputs
// through the same function.

#include <cstddef>
#include <cstdint>

void XmlFuzzExercise(const std::uint8_t* data, std::size_t size);
