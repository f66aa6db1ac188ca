#pragma once
// The fuzz targets' assertion: a broken property stops the run on the spot, so that libFuzzer
// keeps the input that broke it.

#include <cstdio>

#define CHECK(condition)                                                                 \
  do {                                                                                   \
    if (!(condition)) {                                                                  \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      __builtin_trap();                                                                  \
    }                                                                                    \
  } while (false)
