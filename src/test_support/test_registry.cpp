// Stored values built byte by byte as the registry keeps them, and a key's
// access set through its DACL.
#include "test_registry.h"

#include <aclapi.h>

#include <algorithm>
#include <cstring>

std::vector<BYTE> Bytes(std::u16string_view text, std::size_t byteCount) {
  std::vector<BYTE> bytes(byteCount, 0);
  std::memcpy(bytes.data(), text.data(), std::min(byteCount, text.size() * 2));
  return bytes;
}

std::vector<BYTE> TextWithNul(std::u16string_view text) { return Bytes(text, text.size() * 2 + 2); }

std::vector<BYTE> Dword(DWORD value) {
  return {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8), static_cast<BYTE>(value >> 16),
          static_cast<BYTE>(value >> 24)};
}

bool SetKeyAccess(HKEY key, DWORD access) {
  SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
  PSID everyone = nullptr;
  if (!AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone)) return false;
  EXPLICIT_ACCESSW entry{};
  entry.grfAccessPermissions = access;
  entry.grfAccessMode = SET_ACCESS;
  entry.grfInheritance = NO_INHERITANCE;
  entry.Trustee.TrusteeForm = TRUSTEE_IS_SID;
  entry.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
  entry.Trustee.ptstrName = static_cast<LPWSTR>(everyone);
  PACL acl = nullptr;
  bool done = false;
  if (SetEntriesInAclW(1, &entry, nullptr, &acl) == ERROR_SUCCESS) {
    done = SetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                           nullptr, nullptr, acl, nullptr) == ERROR_SUCCESS;
    LocalFree(acl);
  }
  FreeSid(everyone);
  return done;
}
