// Uniscribe from the system folder on first need, held by one owner for the
// rest of the process.
#include "lazy_uniscribe.h"

#include "system_library.h"

namespace {

struct LoadedUniscribe {
  // Freed after the last paint: the owner goes with the process's statics.
  UniqueModule Module;
  Uniscribe Calls;
  bool Complete = false;
};

LoadedUniscribe Load() {
  LoadedUniscribe loaded;
  loaded.Module = LoadSystemLibrary(L"usp10.dll");
  const HMODULE module = loaded.Module.get();
  if (!module) return loaded;
  Uniscribe& calls = loaded.Calls;
  calls.ScriptStringAnalyse = GetEntry<decltype(calls.ScriptStringAnalyse)>(module, "ScriptStringAnalyse");
  calls.ScriptStringFree = GetEntry<decltype(calls.ScriptStringFree)>(module, "ScriptStringFree");
  calls.ScriptStringOut = GetEntry<decltype(calls.ScriptStringOut)>(module, "ScriptStringOut");
  calls.ScriptString_pSize = GetEntry<decltype(calls.ScriptString_pSize)>(module, "ScriptString_pSize");
  loaded.Complete =
      calls.ScriptStringAnalyse && calls.ScriptStringFree && calls.ScriptStringOut && calls.ScriptString_pSize;
  return loaded;
}

}  // namespace

const Uniscribe* LoadUniscribe() {
  // Made once, by whichever thread comes first; the others wait for it.
  static const LoadedUniscribe loaded = Load();
  return loaded.Complete ? &loaded.Calls : nullptr;
}
