// The four program-wide settings variables, at the defaults of Settings until
// LoadSettings.
#include "settings.h"

bool Rus = Settings{}.Rus;
bool ShowStars = Settings{}.ShowStars;
std::u16string UserName = Settings{}.UserName;
TDateTime BirthMoment = Settings{}.BirthMoment;

Settings LoadedSettings() { return {Rus, ShowStars, UserName, BirthMoment}; }
