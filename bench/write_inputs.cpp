// Writes the benchmarks' input files (both sizes in both layouts, the companion and equipment
// files) into the directory given, for timing whole zarkel-cli runs and for scripts that need a
// scenario.
#include <exception>
#include <iostream>

#include "bench_inputs.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: zarkel_write_inputs DIR\n";
    return 2;
  }
  try {
    zarkel::bench::WriteInputs(argv[1]);
  } catch (const std::exception& error) {
    std::cerr << error.what() << '\n';
    return 1;
  }
  return 0;
}
