// What gfortran hands an external procedure, turned into the toolkit's argument types: a text
// is its address plus a hidden length (size_t, by value, after all other arguments, in order);
// an absent optional argument is a null address.
//
// The entry points sit between `#pragma GCC visibility push(default)` and `pop`: the shared
// library hides all but its interface, and they are part of it; the helpers here stay hidden.
#pragma once

#include <cstddef>

#include "util/text_arg.h"

namespace tess::fortran {

using Length = std::size_t;

// An absent optional text arrives as a null address; it reads as an empty text.
inline TextRef text(char* data, Length length) {
    return data ? TextRef(data, length) : TextRef(static_cast<const char*>(""), 0);
}

template <class T> const T& present_or(const T* argument, const T& fallback) {
    return argument ? *argument : fallback;
}

} // namespace tess::fortran
