// The settings dialog: shows the four settings, switches its own texts between
// Russian and English with its English check box, opens the web page, and
// stores the settings when the user confirms with OK. It is drawn at the scale
// of the display it is on, and follows a move to a display of another scale.
#pragma once

#include <windows.h>

#include <string>

#include "dialog_layout.h"
#include "dialog_texts.h"
#include "tdatetime.h"
#include "unique_handle.h"

class TFormSettings {
public:
  // Creates the hidden dialog, owned by no window, with all its controls and
  // both check boxes clear.
  TFormSettings();
  ~TFormSettings() = default;
  TFormSettings(const TFormSettings&) = delete;
  TFormSettings& operator=(const TFormSettings&) = delete;

  // Fills the controls, shows the dialog modally and returns once it is closed
  // (after the save, when the user pressed OK).
  void SetParam(bool ARus, bool AStar, const std::u16string& AUser, TDateTime ABirth);

private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls();
  HWND AddControl(const wchar_t* windowClass, int id, DWORD style, DWORD exStyle);
  HWND Control(DialogControl control) const;
  // The fonts at Dpi, handed to every control before the old ones go.
  void MakeFonts();
  // Places every control, and sizes the dialog, for Dpi and the language shown.
  void ApplyLayout();
  INT_PTR OnDpiChanged(WPARAM wParam, LPARAM lParam);
  INT_PTR OnGetDpiScaledSize(WPARAM wParam, LPARAM lParam);
  void SetCheck(HWND box, bool checked);
  void TryClose(int modalResult);
  bool SaveEntries();

  void FormShow();
  // Returns false when the dialog must stay open (a failed save).
  bool FormClose(int modalResult);
  // The click handler of both check boxes, the star box too: applies the
  // language texts of the English box's state.
  void CheckBoxEnglishClick();
  void LabelSiteClick();

  // The birth moment as given, and what the pickers showed of it: a picker
  // that cannot show a date (one before its first day) shows today instead,
  // and OK must not store that unless the user picked it.
  PickerValues GivenBirth{};
  SYSTEMTIME DateShown{};
  SYSTEMTIME TimeShown{};
  bool DateChanged = false;
  bool TimeChanged = false;

  // Loaded for the dialog alone, not at every start of the saver: the common
  // controls (the pickers) and, on the first click of the link, the shell.
  // Declared before the window, so they outlive it.
  UniqueModule CommonControls;
  UniqueModule Shell;
  int Dpi = 96;
  UniqueFont Font;
  UniqueFont LinkFont;
  UniqueWindow FormSettings;
  int ModalResult = 0;

  // Controls, owned by the dialog window and destroyed with it.
  HWND LabelDate = nullptr;
  HWND CheckBoxEnglish = nullptr;
  HWND BitBtnOk = nullptr;
  HWND LabelUser = nullptr;
  HWND EditUser = nullptr;
  HWND DateTimePickerDate = nullptr;
  HWND LabelTime = nullptr;
  HWND DateTimePickerTime = nullptr;
  HWND GroupBoxAbout = nullptr;
  HWND LabelVersion = nullptr;
  HWND LabelCopyright = nullptr;
  HWND LabelCreator = nullptr;
  HWND LabelProgrammer = nullptr;
  HWND Label9 = nullptr;  // the maker's contact e-mail address
  HWND LabelWare = nullptr;
  HWND LabelSite = nullptr;
  HWND CheckBoxStar = nullptr;
};
