// Replays the committed fuzz corpus of the birth text reader through the fuzz check.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "birth_text_check.h"

namespace {

TEST(BirthTextCorpus, EveryInputKeepsTheReadersPromises) {
  const std::filesystem::path folder = QUELLORA_FUZZ_CORPUS;
  ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
  int inputs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream file(entry.path(), std::ios::binary);
    const std::vector<std::uint8_t> data{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    EXPECT_TRUE(CheckBirthTextInput(data.data(), data.size())) << entry.path().filename();
    ++inputs;
  }
  EXPECT_GE(inputs, 20) << "the corpus is missing";
}

}  // namespace
