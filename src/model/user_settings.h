// The four user settings as one value: what the dialog edits, the registry
// keeps, and the picture shows.
#pragma once

#include <string>

#include "tdatetime.h"

inline constexpr TDateTime DefaultBirthMoment = 36526.0;  // 1 January 2000, 00:00

struct Settings {
  bool Rus = false;
  bool ShowStars = true;
  std::u16string UserName;
  TDateTime BirthMoment = DefaultBirthMoment;
  friend bool operator==(const Settings&, const Settings&) = default;
};
