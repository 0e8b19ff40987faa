#include <clocale>
#include <locale>

#include <gtest/gtest.h>

// The tests take the process locale from the environment, so that running them
// under a decimal-comma locale (LC_ALL=de_DE.UTF-8) shows that no number is
// read or written through it.
int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");
  try {
    std::locale::global(std::locale(""));
  } catch (const std::runtime_error&) {
    // locale named in the environment is not installed: keep the classic one
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
