// A stand-in for the saver's settings mode: loads the settings and shows the
// dialog with them, so the dialog can be driven before the saver exists.
#include <windows.h>

#include "UnitSettings.h"
#include "settings.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  LoadSettings();
  TFormSettings form;
  form.SetParam(Rus, ShowStars, UserName, BirthMoment);
  return 0;
}
