#pragma once
// The library reports failures through its results and never throws. What can throw
// inside it is the standard library running out of memory (a huge input or output);
// public calls that allocate by the size of their data run their body through this.

#include <exception>
#include <utility>

template <typename Result, typename Body> Result XmlGuarded(Result failure, Body&& body) noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (const std::exception&) {
        return failure;
    }
}
