// Uniscribe (usp10.dll), loaded the first time a text needs it: the saver's
// own texts never do, so a start does not pay for loading it.
#pragma once

#include <usp10.h>
#include <windows.h>

// The four calls the GDI canvas shapes whole characters with.
struct Uniscribe {
  decltype(&::ScriptStringAnalyse) ScriptStringAnalyse = nullptr;
  decltype(&::ScriptStringFree) ScriptStringFree = nullptr;
  decltype(&::ScriptStringOut) ScriptStringOut = nullptr;
  decltype(&::ScriptString_pSize) ScriptString_pSize = nullptr;
};

// Loads usp10.dll on the first call and keeps it until the process ends; null
// when the library or one of the four calls is missing (the texts are then
// drawn without it). Safe from any thread.
const Uniscribe* LoadUniscribe();
