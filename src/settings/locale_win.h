// Locale queries of the settings store (Windows only).
#pragma once

#include <windows.h>

#include "regional_formats.h"

// The regional formats of `locale`; an item the locale does not supply keeps
// the U.S. English value of RegionalFormats.
RegionalFormats ReadRegionalFormats(LCID locale);
