// Whole-or-nothing file writes: a new file, a replaced file, and a failure that
// leaves no temporary file behind.
#include "whole_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string Read(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(WriteFileWhole, CreatesAndReplaces) {
  const auto dir = std::filesystem::temp_directory_path() / "quellora-whole-file-test";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const auto target = dir / "ops.txt";
  EXPECT_EQ(WriteFileWhole(target, "first\n"), "");
  EXPECT_EQ(Read(target), "first\n");
  EXPECT_EQ(WriteFileWhole(target, "second"), "");
  EXPECT_EQ(Read(target), "second");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
  std::filesystem::remove_all(dir);
}

TEST(WriteFileWhole, FailsWithoutLeavingAnything) {
  const auto dir = std::filesystem::temp_directory_path() / "quellora-whole-file-test-missing";
  std::filesystem::remove_all(dir);
  const std::string error = WriteFileWhole(dir / "ops.txt", "x");
  EXPECT_NE(error, "");
  EXPECT_FALSE(std::filesystem::exists(dir));
}

TEST(WriteFileWhole, KeepsTheOldFileWhenTheTargetIsADirectory) {
  const auto dir = std::filesystem::temp_directory_path() / "quellora-whole-file-test-dir";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir / "taken");
  EXPECT_NE(WriteFileWhole(dir / "taken", "x"), "");
  EXPECT_TRUE(std::filesystem::is_directory(dir / "taken"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
  std::filesystem::remove_all(dir);
}

}  // namespace
