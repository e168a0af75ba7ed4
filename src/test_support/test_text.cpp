// One conversion for the tests: the program's own, so a message shows exactly
// the text the program would write.
#include "test_text.h"

#include "text_utf.h"

std::string Narrow(std::u16string_view text) { return Utf8FromUtf16(text); }

#ifdef _WIN32
#include "wide_text.h"

std::string Narrow(std::wstring_view text) { return Utf8FromUtf16(Utf16View(text)); }
#endif
