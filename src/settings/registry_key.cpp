// Registry reads that never trust the stored size or type, and the writes.
#include "registry_key.h"

#include <vector>

UniqueRegKey CreateRegistryKey(HKEY root, const wchar_t* subKey) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(root, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return UniqueRegKey();
  return UniqueRegKey(key);
}

std::optional<std::uint32_t> ReadDwordValue(HKEY key, const wchar_t* name) {
  if (!key) return std::nullopt;
  DWORD type = 0, value = 0, size = sizeof value;
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
      type != REG_DWORD || size != sizeof value)
    return std::nullopt;
  return value;
}

std::optional<std::u16string> ReadTextValue(HKEY key, const wchar_t* name) {
  if (!key) return std::nullopt;
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
  // The value may change between the two calls; ask again with the new size
  // until the data fits.
  for (int attempt = 0; attempt < 8; ++attempt) {
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
    // Room for the data rounded up to whole units, plus a NUL of our own for
    // a text stored without one.
    std::vector<char16_t> units(size / sizeof(char16_t) + 2, u'\0');
    DWORD got = static_cast<DWORD>((units.size() - 1) * sizeof(char16_t));
    const LSTATUS status =
        RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(units.data()), &got);
    if (status == ERROR_MORE_DATA) {
      size = got;
      continue;
    }
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
    // An odd byte count leaves half a unit: it is dropped.
    const std::u16string_view data(units.data(), got / sizeof(char16_t));
    return std::u16string(data.substr(0, data.find(u'\0')));
  }
  return std::nullopt;
}

bool WriteDwordValue(HKEY key, const wchar_t* name, std::uint32_t value) {
  const DWORD data = value;
  return RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data) ==
         ERROR_SUCCESS;
}

bool WriteTextValue(HKEY key, const wchar_t* name, std::u16string_view text) {
  const std::u16string data(text);  // owns the terminating NUL
  const auto bytes = static_cast<DWORD>((data.size() + 1) * sizeof(char16_t));
  return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()), bytes) == ERROR_SUCCESS;
}
