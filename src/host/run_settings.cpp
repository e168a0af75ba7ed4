// The settings mode: shows the settings dialog with the loaded values.
#include "modes.h"

#include "settings.h"
#include "settings_dialog.h"

void RunSettings() {
  // Owned by no window: a handle after the letter, as in /c:1234, is not used.
  TFormSettings form;
  form.SetParam(Rus, ShowStars, UserName, BirthMoment);
}
