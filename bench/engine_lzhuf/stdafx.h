// What the engine's LzHuf.cpp takes from the engine's own headers, for the decoder benchmark.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <unistd.h>

using u8 = unsigned char;
using u32 = unsigned int;
#define IC inline
#define xr_malloc std::malloc
#define xr_realloc std::realloc
#define xr_free std::free
// The Windows names of its file calls.
#define _write write
#define _read read
