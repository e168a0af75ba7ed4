// The settings mode: shows the settings dialog with the loaded values.
#include "host.h"

void RunSettings() {
  // The dialog is not there yet; the mode ends at once.
}
