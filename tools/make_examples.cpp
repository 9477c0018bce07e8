// Writes the demo set: make_examples [DIRECTORY], by default the repository's examples/.
#include <exception>
#include <filesystem>
#include <iostream>

#include "demo_set.h"

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "Usage: make_examples [DIRECTORY]\n";
    return 2;
  }
  const std::filesystem::path directory = argc == 2 ? argv[1] : ZARKEL_EXAMPLES_DIR;
  try {
    zarkel::demo::WriteDemoSet(directory);
  } catch (const std::exception& error) {
    std::cerr << "make_examples: " << error.what() << "\n";
    return 1;
  }
  std::cout << "Wrote the demo set into " << directory.string() << "\n";
  return 0;
}
