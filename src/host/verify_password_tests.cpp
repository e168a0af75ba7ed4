// Reading the password setting from the real (Wine) registry: short values,
// long values, text values and a missing value, on a key of the test's own.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <vector>

#include "test_registry.h"
#include "unique_handle.h"
#include "verify_password.h"

namespace {

constexpr wchar_t TestKey[] = L"Software\\QuelloraTests\\FourByteValue";

struct ValueCase {
  const char* label;
  RawValue stored;  // REG_NONE: none
  std::optional<std::int32_t> expected;
};
std::ostream& operator<<(std::ostream& os, const ValueCase& c) { return os << c.label; }

// Leaves garbage where the next call's locals will lie, so a buffer that is not
// zeroed first shows up as a wrong value.
__attribute__((noinline)) void DirtyTheStack() {
  volatile BYTE junk[4096];
  for (auto& b : junk) b = 0xA5;
}

class FourByteValue : public testing::TestWithParam<ValueCase> {
protected:
  void SetUp() override {
    RegDeleteTreeW(HKEY_CURRENT_USER, TestKey);
    ASSERT_EQ(
        RegCreateKeyExW(HKEY_CURRENT_USER, TestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key_.put(), nullptr),
        ERROR_SUCCESS);
  }
  void TearDown() override {
    key_.reset();
    RegDeleteTreeW(HKEY_CURRENT_USER, TestKey);
  }
  UniqueRegKey key_;
};

TEST_P(FourByteValue, ReadsAtMostFourBytesLittleEndian) {
  const RawValue& stored = GetParam().stored;
  if (stored.Type != REG_NONE) {
    ASSERT_EQ(RegSetValueExW(key_.get(), L"Value", 0, stored.Type, stored.Data.data(),
                             static_cast<DWORD>(stored.Data.size())),
              ERROR_SUCCESS);
  }
  DirtyTheStack();
  EXPECT_EQ(ReadFourByteValue(key_.get(), L"Value"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Registry, FourByteValue,
                         testing::Values(ValueCase{"missing", {REG_NONE, {}}, std::nullopt},
                                         ValueCase{"dword 1", {REG_DWORD, {1, 0, 0, 0}}, 1},
                                         ValueCase{"dword 0", {REG_DWORD, {0, 0, 0, 0}}, 0},
                                         ValueCase{"dword -1", {REG_DWORD, {0xFF, 0xFF, 0xFF, 0xFF}}, -1},
                                         ValueCase{"dword 0x01020304", {REG_DWORD, {4, 3, 2, 1}}, 0x01020304},
                                         // Shorter than four bytes: the bytes not written count as 0.
                                         ValueCase{"one byte 0", {REG_BINARY, {0}}, 0},
                                         ValueCase{"one byte 1", {REG_BINARY, {1}}, 1},
                                         ValueCase{"two bytes", {REG_BINARY, {0, 1}}, 256},
                                         ValueCase{"three bytes", {REG_BINARY, {0, 0, 0x80}}, 0x800000},
                                         // Longer than four bytes does not fit and counts as absent.
                                         ValueCase{"qword", {REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0}}, std::nullopt},
                                         // A one-character text is its character code and the terminating zero.
                                         ValueCase{"text 1", {REG_SZ, TextWithNul(u"1")}, 49},
                                         ValueCase{"text 0", {REG_SZ, TextWithNul(u"0")}, 48},
                                         ValueCase{"text 10", {REG_SZ, TextWithNul(u"10")}, std::nullopt}));

}  // namespace
