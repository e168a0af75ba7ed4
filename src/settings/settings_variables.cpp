// The four program-wide settings variables, at their defaults until LoadSettings.
#include "settings.h"

bool Rus = false;
bool ShowStars = true;
std::u16string UserName;
TDateTime BirthMoment = DefaultBirthMoment;

Settings LoadedSettings() { return {Rus, ShowStars, UserName, BirthMoment}; }
