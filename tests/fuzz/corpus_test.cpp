// Every input of the committed corpus, including each that once found a fault, agrees.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include <gtest/gtest.h>

#include "tests/fuzz/differential.h"

namespace n5::fuzz {
namespace {

TEST(DifferentialCorpus, CoreAgreesWithTheReferenceModelOnEveryInput) {
  std::filesystem::path corpus = N5_FUZZ_CORPUS;
  std::size_t inputs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
    std::ifstream file(entry.path(), std::ios::binary);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                    std::istreambuf_iterator<char>());
    EXPECT_EQ(RunDifferential(bytes.data(), bytes.size()), "") << entry.path();
    ++inputs;
  }
  EXPECT_GT(inputs, 0U) << "the corpus is empty";
}

}  // namespace
}  // namespace n5::fuzz
