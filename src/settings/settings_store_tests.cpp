// Tests of the settings store against Wine's real registry and locale data. The
// program runs once per system locale; QUELLORA_LOCALE_CASE names the row of
// expectations that matches the LC_ALL it was started under.
#include <windows.h>
#include <winternl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "birth_text.h"
#include "locale_win.h"
#include "registry_key.h"
#include "settings.h"
#include "settings_key.h"
#include "test_registry.h"
#include "test_text.h"
#include "unique_handle.h"
#include "wide_text.h"

// Settings as a failed comparison shows them.
void PrintTo(const Settings& s, std::ostream* os) {
  *os << "{Rus " << s.Rus << ", ShowStars " << s.ShowStars << ", UserName \"" << Narrow(s.UserName)
      << "\", BirthMoment " << s.BirthMoment << "}";
}

namespace {

struct LocaleCase {
  std::string_view Code;
  bool Russian;             // what DetectRussianUi reports under this system locale
  RegionalFormats Formats;  // what this Wine gives for the thread locale
  // "Birth" as a save under these formats stores 15 March 1985 21:05:07, 1 January
  // of year 1 at midnight and 29 February 2000 at noon.
  std::u16string_view Evening, FirstDay, Noon;
};

// Wine 8's locale data: note that its Russian, Ukrainian and Belarusian short
// times carry a leading zero, and that its Swedish dates are ISO with "-".
const LocaleCase LocaleCases[] = {
    {"ru",
     true,
     {u"dd.MM.yyyy", u".", u":", false, true, false, u"AM", u"PM", u",", 50},
     u"15.03.1985 21:05:07",
     u"01.01.0001 00:00:00",
     u"29.02.2000 12:00:00"},
    {"uk",
     true,
     {u"dd.MM.yyyy", u".", u":", false, true, false, u"дп", u"пп", u",", 50},
     u"15.03.1985 21:05:07",
     u"01.01.0001 00:00:00",
     u"29.02.2000 12:00:00"},
    {"be",
     true,
     {u"d.M.yyyy", u".", u":", false, true, false, u"AM", u"PM", u",", 50},
     u"15.3.1985 21:05:07",
     u"1.1.0001 00:00:00",
     u"29.2.2000 12:00:00"},
    {"en",
     false,
     {u"M/d/yyyy", u"/", u":", true, false, false, u"AM", u"PM", u".", 50},
     u"3/15/1985 9:05:07 PM",
     u"1/1/0001 12:00:00 AM",
     u"2/29/2000 12:00:00 PM"},
    {"de",
     false,
     {u"d.M.yyyy", u".", u":", false, true, false, u"AM", u"PM", u",", 50},
     u"15.3.1985 21:05:07",
     u"1.1.0001 00:00:00",
     u"29.2.2000 12:00:00"},
    {"sv",
     false,
     {u"yyyy-MM-dd", u"-", u":", false, true, false, u"fm", u"em", u",", 50},
     u"1985-03-15 21:05:07",
     u"0001-01-01 00:00:00",
     u"2000-02-29 12:00:00"},
};

const LocaleCase& ThisLocale() {
  const char* code = std::getenv("QUELLORA_LOCALE_CASE");
  for (const LocaleCase& c : LocaleCases)
    if (code && c.Code == code) return c;
  ADD_FAILURE() << "QUELLORA_LOCALE_CASE names no known locale; taking U.S. English";
  return LocaleCases[3];
}

bool KeyExists() {
  UniqueRegKey key;
  return RegOpenKeyExW(HKEY_CURRENT_USER, SettingsKeyPath, 0, KEY_READ, key.put()) == ERROR_SUCCESS;
}

// Removes the key, first giving it back full access in case a test locked it.
void DeleteSettingsKey() {
  if (UniqueRegKey key;
      RegOpenKeyExW(HKEY_CURRENT_USER, SettingsKeyPath, 0, WRITE_DAC, key.put()) == ERROR_SUCCESS)
    SetKeyAccess(key.get(), KEY_ALL_ACCESS);
  RegDeleteTreeW(HKEY_CURRENT_USER, SettingsKeyPath);
  RegDeleteKeyW(HKEY_CURRENT_USER, SettingsKeyPath);
}

// Leaves only read access to everyone, so that opening with full access fails.
void LockSettingsKey() {
  UniqueRegKey key = CreateRegistryKey(HKEY_CURRENT_USER, SettingsKeyPath);
  ASSERT_TRUE(key);
  EXPECT_TRUE(SetKeyAccess(key.get(), KEY_READ));
}

// Stores the bytes exactly as given. RegSetValueExW would add a missing NUL to
// a text, so the value goes in through the native call underneath it.
void StoreRaw(std::u16string_view name, DWORD type, const std::vector<BYTE>& bytes) {
  using SetValueKey = LONG(NTAPI*)(HANDLE, UNICODE_STRING*, ULONG, ULONG, void*, ULONG);
  static const auto setValueKey = reinterpret_cast<SetValueKey>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtSetValueKey")));
  ASSERT_NE(setValueKey, nullptr);
  UniqueRegKey key = CreateRegistryKey(HKEY_CURRENT_USER, SettingsKeyPath);
  ASSERT_TRUE(key);
  std::wstring wideName = WideString(name);
  UNICODE_STRING ntName{static_cast<USHORT>(wideName.size() * 2), static_cast<USHORT>(wideName.size() * 2),
                        wideName.data()};
  std::vector<BYTE> data = bytes;
  ASSERT_EQ(setValueKey(key.get(), &ntName, 0, type, data.data(), static_cast<ULONG>(data.size())), 0);
  DWORD storedType = 0, storedSize = 0;
  ASSERT_EQ(RegQueryValueExW(key.get(), wideName.c_str(), nullptr, &storedType, nullptr, &storedSize),
            ERROR_SUCCESS);
  ASSERT_EQ(storedType, type);
  ASSERT_EQ(storedSize, bytes.size()) << "stored as given, byte for byte";
}

Settings Load() {
  LoadSettings();
  return LoadedSettings();
}

// The table's name of a value, for the steps that store or read it.
std::u16string_view NameOf(SettingsValueIndex value) { return SettingsSchema[value].Name; }

class SettingsStore : public testing::Test {
protected:
  void SetUp() override {
    DeleteSettingsKey();
    ASSERT_FALSE(KeyExists());
  }
  void TearDown() override { DeleteSettingsKey(); }
  // Every default under this locale: its language, stars, the placeholder
  // name, 1 January 2000.
  Settings Defaults() const {
    return {locale_.Russian, true, std::u16string(PlaceholderName(locale_.Russian)), 36526.0};
  }
  const LocaleCase& locale_ = ThisLocale();
};

TEST_F(SettingsStore, SystemLanguageAndRegionalFormats) {
  EXPECT_EQ(DetectRussianUi(), locale_.Russian);
  const RegionalFormats& f = CurrentRegionalFormats();
  const RegionalFormats& want = locale_.Formats;
  EXPECT_EQ(f.ShortDate, want.ShortDate);
  EXPECT_EQ(f.DateSeparator, want.DateSeparator);
  EXPECT_EQ(f.TimeSeparator, want.TimeSeparator);
  EXPECT_EQ(f.TwelveHour, want.TwelveHour);
  EXPECT_EQ(f.LeadingZeroHour, want.LeadingZeroHour);
  EXPECT_EQ(f.DesignatorFirst, want.DesignatorFirst);
  EXPECT_EQ(f.AmDesignator, want.AmDesignator);
  EXPECT_EQ(f.PmDesignator, want.PmDesignator);
  EXPECT_EQ(f.DecimalSeparator, want.DecimalSeparator);
  EXPECT_EQ(f.TwoDigitYearWindow, 50);
}

TEST_F(SettingsStore, FirstRunCreatesAnEmptyKeyAndTakesEveryDefault) {
  const Settings s = Load();
  ASSERT_TRUE(KeyExists());
  UniqueRegKey key = CreateRegistryKey(HKEY_CURRENT_USER, SettingsKeyPath);
  DWORD values = 99;
  ASSERT_EQ(RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                             nullptr, nullptr, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(values, 0u) << "the load writes no value";
  EXPECT_EQ(s, Defaults());
}

TEST_F(SettingsStore, EnglishFlagIsTheInverseOfRusAndPicksThePlaceholder) {
  const struct {
    DWORD English;
    bool Rus;
  } cases[] = {{0, true}, {1, false}, {7, false}, {0xFFFFFFFF, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.English);
    DeleteSettingsKey();
    StoreRaw(NameOf(EnglishValue), REG_DWORD, Dword(c.English));
    const Settings s = Load();
    EXPECT_EQ(s.Rus, c.Rus);
    EXPECT_EQ(s.UserName, PlaceholderName(c.Rus));
  }
}

TEST_F(SettingsStore, StarFlag) {
  const struct {
    DWORD Star;
    bool ShowStars;
  } cases[] = {{0, false}, {1, true}, {5, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Star);
    DeleteSettingsKey();
    StoreRaw(NameOf(StarValue), REG_DWORD, Dword(c.Star));
    EXPECT_EQ(Load().ShowStars, c.ShowStars);
  }
}

TEST_F(SettingsStore, UserTextIsReadWhateverItsLengthOrEnd) {
  const std::u16string longName(10000, u'Ж');
  const struct {
    const char* What;
    RawValue Stored;
    std::u16string UserName;
  } cases[] = {
      {"plain", {REG_SZ, TextWithNul(u"Анна")}, u"Анна"},
      {"empty text", {REG_SZ, TextWithNul(u"")}, u""},
      {"no bytes at all", {REG_SZ, {}}, u""},
      {"10,000 characters", {REG_SZ, TextWithNul(longName)}, longName},
      {"no NUL stored", {REG_SZ, Bytes(u"Anna", 8)}, u"Anna"},
      {"odd byte count", {REG_SZ, Bytes(u"Anna", 9)}, u"Anna"},
      {"a single byte", {REG_SZ, {0x41}}, u""},
      {"text after a NUL", {REG_SZ, Bytes(u"An\0na", 10)}, u"An"},
      {"expandable, kept as stored", {REG_EXPAND_SZ, TextWithNul(u"%USERNAME%")}, u"%USERNAME%"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    DeleteSettingsKey();
    StoreRaw(NameOf(UserValue), c.Stored.Type, c.Stored.Data);
    EXPECT_EQ(Load().UserName, c.UserName);
  }
}

// Values that a save never writes: each counts as missing, so its variable
// takes its default and the other three are still read.
TEST_F(SettingsStore, UnusableValuesCountAsMissing) {
  // A number whose reading would differ from this locale's default.
  const DWORD english = locale_.Russian ? 1 : 0;
  const std::u16string birth = FormatBirthText(locale_.Formats, EncodeDate(1985, 3, 15), EncodeTime(9, 5, 0, 0));
  const struct {
    SettingsValueIndex Value;
    RawValue Stored;
  } cases[] = {
      {EnglishValue, {REG_SZ, TextWithNul(u"0")}},
      {EnglishValue, {REG_BINARY, Dword(english)}},
      {EnglishValue, {REG_DWORD_BIG_ENDIAN, Dword(english)}},
      {EnglishValue, {REG_QWORD, Bytes({reinterpret_cast<const char16_t*>(&english), 2}, 8)}},
      {EnglishValue, {REG_DWORD, Bytes({reinterpret_cast<const char16_t*>(&english), 2}, 2)}},
      {EnglishValue, {REG_DWORD, Bytes({reinterpret_cast<const char16_t*>(&english), 2}, 8)}},
      {EnglishValue, {REG_DWORD, {}}},
      {EnglishValue, {REG_NONE, Dword(english)}},
      {StarValue, {REG_SZ, TextWithNul(u"0")}},
      {StarValue, {REG_BINARY, Dword(0)}},
      {StarValue, {REG_DWORD, Bytes(u"", 3)}},
      {StarValue, {REG_DWORD, Bytes(u"", 5)}},
      {StarValue, {REG_QWORD, Bytes(u"", 8)}},
      {UserValue, {REG_DWORD, Dword(0x41)}},
      {UserValue, {REG_BINARY, TextWithNul(u"Anna")}},
      {UserValue, {REG_MULTI_SZ, Bytes(u"Anna\0", 12)}},
      {UserValue, {REG_NONE, TextWithNul(u"Anna")}},
      {BirthValue, {REG_DWORD, Dword(1985)}},
      {BirthValue, {REG_BINARY, TextWithNul(birth)}},
      {BirthValue, {REG_MULTI_SZ, Bytes(birth + u'\0', birth.size() * 2 + 4)}},
      {BirthValue, {REG_SZ, TextWithNul(u"")}},
      {BirthValue, {REG_SZ, {}}},
      {BirthValue, {REG_SZ, TextWithNul(u"   ")}},
      {BirthValue, {REG_SZ, TextWithNul(u"birthday")}},
      {BirthValue, {REG_SZ, TextWithNul(u"31/31/31 31:31:31")}},
      {BirthValue, {REG_SZ, TextWithNul(u"0.0.0")}},
      {BirthValue, {REG_SZ, TextWithNul(u"25:00")}},
      {BirthValue, {REG_SZ, TextWithNul(u"\u0661\u0669/\u0660\u0663/\u0661\u0669\u0668\u0665")}},
      {BirthValue, {REG_SZ, Bytes(u"1", 1)}},
  };
  std::printf("Trying %zu unusable registry values\n", std::size(cases));
  for (const auto& c : cases) {
    const std::u16string_view name = NameOf(c.Value);
    SCOPED_TRACE(testing::Message() << std::string(name.begin(), name.end()) << " type " << c.Stored.Type << ", "
                                    << c.Stored.Data.size() << " bytes");
    DeleteSettingsKey();
    // The three other values hold good settings that differ from the defaults.
    if (c.Value != EnglishValue) StoreRaw(NameOf(EnglishValue), REG_DWORD, Dword(english));
    if (c.Value != StarValue) StoreRaw(NameOf(StarValue), REG_DWORD, Dword(0));
    if (c.Value != UserValue) StoreRaw(NameOf(UserValue), REG_SZ, TextWithNul(u"Anna"));
    if (c.Value != BirthValue) StoreRaw(NameOf(BirthValue), REG_SZ, TextWithNul(birth));
    StoreRaw(name, c.Stored.Type, c.Stored.Data);
    const bool rus = c.Value == EnglishValue ? locale_.Russian : english == 0;
    const std::u16string user(c.Value == UserValue ? PlaceholderName(rus) : u"Anna");
    const TDateTime moment = c.Value == BirthValue ? 36526.0 : EncodeDate(1985, 3, 15) + EncodeTime(9, 5, 0, 0);
    EXPECT_EQ(Load(), (Settings{rus, c.Value == StarValue, user, moment}));
  }
}

TEST_F(SettingsStore, ExpandableBirthTextIsReadAsStored) {
  const TDateTime moment = EncodeDate(1985, 3, 15) + EncodeTime(21, 5, 7, 0);
  StoreRaw(NameOf(BirthValue), REG_EXPAND_SZ, TextWithNul(FormatBirthText(locale_.Formats, moment, moment)));
  EXPECT_EQ(Load().BirthMoment, moment);
}

// The stored form is read back here by the names users' stored data has,
// written out rather than taken from the table, so a renamed value fails.
TEST_F(SettingsStore, SaveThenLoadGivesTheSameSettings) {
  const struct {
    Settings Saved;
    std::u16string_view LocaleCase::*Birth;  // the stored text, where the locale case has it
    std::u16string_view Record;              // the record before the stored text
  } cases[] = {
      {{true, false, u"Анна Петрова", EncodeDate(1985, 3, 15) + EncodeTime(21, 5, 7, 0)},
       &LocaleCase::Evening,
       u"1985-03-15T21:05:07|"},
      {{false, true, u"", EncodeDate(1, 1, 1)}, &LocaleCase::FirstDay, u"0001-01-01T00:00:00|"},
      {{true, true, std::u16string(10000, u'n'), EncodeDate(9999, 12, 31) + EncodeTime(23, 59, 59, 0)},
       nullptr,
       u"9999-12-31T23:59:59|"},
      {{false, false, u"x", ComposeDateTime(EncodeDate(1899, 12, 29), EncodeTime(6, 0, 1, 0))},
       nullptr,
       u"1899-12-29T06:00:01|"},
      {{false, true, u"Noon", EncodeDate(2000, 2, 29) + EncodeTime(12, 0, 0, 0)},
       &LocaleCase::Noon,
       u"2000-02-29T12:00:00|"},
      {{true, true, u"Midnight", EncodeDate(1970, 1, 1)}, nullptr, u"1970-01-01T00:00:00|"},
  };
  for (const auto& c : cases) {
    const Settings& saved = c.Saved;
    SCOPED_TRACE(saved.BirthMoment);
    DeleteSettingsKey();
    ASSERT_EQ(SaveSettings(saved), std::nullopt);
    EXPECT_EQ(Load(), saved);

    // The stored form: numbers as 4-byte REG_DWORD, texts as REG_SZ with their NUL.
    UniqueRegKey key = CreateRegistryKey(HKEY_CURRENT_USER, SettingsKeyPath);
    DWORD type = 0, size = 0;
    ASSERT_EQ(RegQueryValueExW(key.get(), L"English", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_TRUE(type == REG_DWORD && size == 4);
    EXPECT_EQ(ReadDwordValue(key.get(), L"English"), saved.Rus ? 0u : 1u);
    EXPECT_EQ(ReadDwordValue(key.get(), L"Star"), saved.ShowStars ? 1u : 0u);
    ASSERT_EQ(RegQueryValueExW(key.get(), L"User", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_TRUE(type == REG_SZ && size == (saved.UserName.size() + 1) * 2);
    const std::optional<std::u16string> birth = ReadTextValue(key.get(), L"Birth");
    ASSERT_TRUE(birth);
    if (c.Birth) {
      EXPECT_EQ(Narrow(*birth), Narrow(locale_.*c.Birth));
    }
    const std::optional<std::u16string> record = ReadTextValue(key.get(), L"BirthRecord");
    ASSERT_TRUE(record);
    EXPECT_EQ(Narrow(*record), Narrow(std::u16string(c.Record) + *birth));
  }
}

TEST_F(SettingsStore, SaveStopsAtTheFirstFailedWriteAndKeepsTheEarlierOnes) {
  const Settings saved{true, false, u"Анна", EncodeDate(1985, 3, 15)};
  for (std::size_t failing = 0; failing < SettingsValueCount; ++failing) {
    SCOPED_TRACE(failing);
    DeleteSettingsKey();
    UniqueRegKey key = CreateRegistryKey(HKEY_CURRENT_USER, SettingsKeyPath);
    ASSERT_TRUE(key);
    const auto result = WriteSettingsValues(saved, locale_.Formats, [&](const SettingsValue& value) {
      return value.Name != SettingsSchema[failing].Name && WriteSettingsValue(key.get(), value);
    });
    EXPECT_EQ(result, std::u16string(SettingsSchema[failing].Name));
    for (std::size_t i = 0; i < SettingsValueCount; ++i) {
      const std::wstring name = WideString(SettingsSchema[i].Name);
      const bool stored =
          RegQueryValueExW(key.get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
      EXPECT_EQ(stored, i < failing) << "value " << i;
    }
  }
}

// The locales users move between, with this Wine's own data for each.
const struct {
  const char* Name;
  LCID Locale;
} MovedBetween[] = {
    {"en-US", 0x0409}, {"en-GB", 0x0809}, {"ru-RU", 0x0419},
    {"de-DE", 0x0407}, {"sv-SE", 0x041D}, {"uk-UA", 0x0422},
};

// Saved under one user's regional formats, loaded under another's: the moment
// stays, even where both patterns read the text (M/d and d/M) but differently.
TEST_F(SettingsStore, BirthMomentSurvivesAChangeOfRegionalFormats) {
  const TDateTime moments[] = {EncodeDate(2000, 10, 3) + EncodeTime(5, 0, 0, 0),
                               EncodeDate(1945, 3, 15) + EncodeTime(21, 5, 7, 0),
                               ComposeDateTime(EncodeDate(1700, 1, 2), EncodeTime(12, 30, 0, 0))};
  int kept = 0, pairs = 0;
  for (const auto& saved : MovedBetween) {
    for (const auto& loaded : MovedBetween) {
      bool allKept = true;
      for (const TDateTime moment : moments) {
        DeleteSettingsKey();
        const UniqueRegKey key = CreateRegistryKey(HKEY_CURRENT_USER, SettingsKeyPath);
        const Settings settings{true, true, u"Анна", moment};
        ASSERT_EQ(WriteSettingsValues(settings, ReadRegionalFormats(saved.Locale),
                                      [&](const SettingsValue& v) { return WriteSettingsValue(key.get(), v); }),
                  std::nullopt);
        const Settings s = ResolveSettings(
            ReadStoredSettings(), [] { return false; }, ReadRegionalFormats(loaded.Locale), 2025);
        EXPECT_EQ(s.BirthMoment, moment) << "saved under " << saved.Name << ", loaded under " << loaded.Name;
        allKept = allKept && s.BirthMoment == moment;
      }
      ++pairs;
      if (allKept) ++kept;
      std::printf("saved under %s, loaded under %s: %s\n", saved.Name, loaded.Name, allKept ? "kept" : "CHANGED");
    }
  }
  std::printf("%d of %d locale pairs kept all %zu moments\n", kept, pairs, std::size(moments));
}

// A "Birth" edited by hand after the save no longer matches the record beside
// it, and is read by the regional formats as it always was.
TEST_F(SettingsStore, HandEditedBirthIsReadByTheRegionalFormats) {
  ASSERT_EQ(SaveSettings({true, true, u"Анна", EncodeDate(1985, 3, 15)}), std::nullopt);
  const TDateTime edited = EncodeDate(1990, 7, 1) + EncodeTime(8, 30, 0, 0);
  StoreRaw(NameOf(BirthValue), REG_SZ, TextWithNul(FormatBirthText(locale_.Formats, edited, edited)));
  EXPECT_EQ(Load().BirthMoment, edited);
  StoreRaw(NameOf(BirthValue), REG_SZ, TextWithNul(u"not a date"));
  EXPECT_EQ(Load().BirthMoment, DefaultBirthMoment);
}

TEST_F(SettingsStore, KeyWithoutFullAccessFailsTheSaveAndReadsAsEmpty) {
  ASSERT_EQ(SaveSettings({true, false, u"Анна", EncodeDate(1985, 3, 15)}), std::nullopt);
  LockSettingsKey();
  EXPECT_EQ(SaveSettings({false, true, u"Other", EncodeDate(1990, 1, 1)}), std::u16string(u"English"));
  // Still there, unchanged, for anyone who may read it.
  UniqueRegKey readable;
  {
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, SettingsKeyPath, 0, KEY_READ, &key), ERROR_SUCCESS);
    readable = UniqueRegKey(key);
  }
  EXPECT_EQ(ReadTextValue(readable.get(), L"User"), u"Анна");
  // The load opens with full access too: every value counts as missing.
  EXPECT_EQ(Load(), Defaults());
}

}  // namespace
