// The settings dialog as a plain Win32 dialog: an empty in-memory template whose
// controls are placed in pixels, a modal loop of its own, and the save on OK.
#include "UnitSettings.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cwchar>
#include <string_view>

#include "dialog_ids.h"
#include "dialog_texts.h"
#include "settings.h"
#include "wide_text.h"

namespace {

// Everything is laid out inside this border; the client area is the controls'
// extent (300 x 385) plus the border on every side.
constexpr int Border = 10;
constexpr int ClientWidth = 300 + 2 * Border;
constexpr int ClientHeight = 385 + 2 * Border;
constexpr int GroupLeft = 0;
constexpr int GroupTop = 140;
constexpr int LabelHeight = 16;
constexpr COLORREF LinkColour = RGB(0, 0, 128);

constexpr DWORD FormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

// A dialog template without controls: the controls are created in pixels once
// the window exists, which a template in dialog units could not express.
struct EmptyDialogTemplate {
  DLGTEMPLATE Header;
  WORD Menu = 0;
  WORD WindowClass = 0;
  WORD Title = 0;
};

void SetText(HWND window, std::u16string_view text) { SetWindowTextW(window, WideString(text).c_str()); }

std::u16string WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return Utf16String(text);
}

UniqueFont MakeFont(bool underline) {
  LOGFONTW description{};
  description.lfHeight = -13;  // character height of 13 pixels
  description.lfWeight = FW_NORMAL;
  description.lfUnderline = underline ? TRUE : FALSE;
  description.lfCharSet = DEFAULT_CHARSET;
  wcscpy(description.lfFaceName, L"Tahoma");
  return UniqueFont(CreateFontIndirectW(&description));
}

// The error box's title: the program file's name up to its first full stop,
// its first character as it is and the rest in lower case.
std::wstring ProgramTitle() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  std::wstring title = WideString(ProgramNameStem(Utf16View(path)));
  if (title.size() > 1) CharLowerBuffW(title.data() + 1, static_cast<DWORD>(title.size() - 1));
  return title;
}

SYSTEMTIME ToSystemTime(const CivilDate& date, const TimeOfDay& time) {
  SYSTEMTIME value{};
  value.wYear = static_cast<WORD>(date.year);
  value.wMonth = static_cast<WORD>(date.month);
  value.wDay = static_cast<WORD>(date.day);
  value.wHour = static_cast<WORD>(time.hour);
  value.wMinute = static_cast<WORD>(time.minute);
  value.wSecond = static_cast<WORD>(time.second);
  return value;
}

SYSTEMTIME PickerValue(HWND picker) {
  SYSTEMTIME value{};
  SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&value));
  return value;
}

bool SameDay(const SYSTEMTIME& a, const SYSTEMTIME& b) {
  return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDay == b.wDay;
}

bool SameTimeOfDay(const SYSTEMTIME& a, const SYSTEMTIME& b) {
  return a.wHour == b.wHour && a.wMinute == b.wMinute && a.wSecond == b.wSecond;
}

bool IsChecked(HWND box) { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

}  // namespace

TFormSettings::TFormSettings() : Font(MakeFont(false)), LinkFont(MakeFont(true)) {
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_DATE_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&classes);

  EmptyDialogTemplate dialog{};
  dialog.Header.style = FormStyle;
  // WM_INITDIALOG takes ownership of the window and creates the controls.
  CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &dialog.Header, nullptr, DialogProc,
                             reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK TFormSettings::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* form = reinterpret_cast<TFormSettings*>(lParam);
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    form->FormSettings = UniqueWindow{window};
    form->CreateControls();
    return FALSE;  // focus is given when the dialog is shown
  }
  auto* form = reinterpret_cast<TFormSettings*>(GetWindowLongPtrW(window, DWLP_USER));
  if (message == WM_NCDESTROY) SetWindowLongPtrW(window, DWLP_USER, 0);
  return form ? form->HandleMessage(message, wParam, lParam) : FALSE;
}

INT_PTR TFormSettings::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const int code = HIWORD(wParam);
      if (id == IdBitBtnOk && code == BN_CLICKED) TryClose(IDOK);
      // IDCANCEL comes from Esc, which does nothing here: the dialog has no cancel button.
      if ((id == IdCheckBoxEnglish || id == IdCheckBoxStar) && code == BN_CLICKED) CheckBoxEnglishClick();
      if (id == IdLabelSite && code == STN_CLICKED) LabelSiteClick();
      return TRUE;
    }
    case WM_NOTIFY: {
      // Sent for every change the user makes in a picker, by keyboard or calendar.
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->code == DTN_DATETIMECHANGE) {
        if (header->hwndFrom == DateTimePickerDate) DateChanged = true;
        if (header->hwndFrom == DateTimePickerTime) TimeChanged = true;
      }
      return FALSE;
    }
    case WM_CLOSE:  // the close button, Alt+F4 and the system menu's Close
      TryClose(IDCANCEL);
      return TRUE;
    case WM_CTLCOLORSTATIC: {
      const auto dc = reinterpret_cast<HDC>(wParam);
      if (reinterpret_cast<HWND>(lParam) == LabelSite) SetTextColor(dc, LinkColour);
      else SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == LabelSite && LOWORD(lParam) == HTCLIENT) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        SetWindowLongPtrW(FormSettings.get(), DWLP_MSGRESULT, TRUE);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

HWND TFormSettings::AddControl(const wchar_t* windowClass, int id, DWORD style, DWORD exStyle, int left,
                               int top, int width, int height, HFONT font) {
  HWND control = CreateWindowExW(exStyle, windowClass, L"", WS_CHILD | WS_VISIBLE | style, Border + left,
                                 Border + top, width, height, FormSettings.get(),
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                 nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

void TFormSettings::CreateControls() {
  HWND form = FormSettings.get();
  SendMessageW(form, WM_SETFONT, reinterpret_cast<WPARAM>(Font.get()), FALSE);
  RECT frame{0, 0, ClientWidth, ClientHeight};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(form, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(form, GWL_EXSTYLE)));
  SetWindowPos(form, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

  // Creation order is the tab order: English, name, date, time, OK, the group
  // box (which never takes the focus) and the star box last. Labels take no
  // focus and stand just before the field they name.
  const DWORD label = SS_LEFT | SS_NOPREFIX;
  const DWORD checkBox = BS_AUTOCHECKBOX | BS_LEFTTEXT | WS_TABSTOP;
  HFONT font = Font.get();
  CheckBoxEnglish = AddControl(WC_BUTTONW, IdCheckBoxEnglish, checkBox, 0, 0, 0, 117, 17, font);
  SetText(CheckBoxEnglish, EnglishCheckText);
  LabelUser = AddControl(WC_STATICW, IdLabelUser, label, 0, 0, 55, 26, LabelHeight, font);
  EditUser = AddControl(WC_EDITW, IdEditUser, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 100, 50, 200, 24,
                        font);
  SendMessageW(EditUser, EM_SETLIMITTEXT, UserNameTypingLimit, 0);
  LabelDate = AddControl(WC_STATICW, IdLabelDate, label, 0, 0, 85, 26, LabelHeight, font);
  DateTimePickerDate = AddControl(DATETIMEPICK_CLASSW, IdDateTimePickerDate, DTS_SHORTDATEFORMAT | WS_TABSTOP, 0,
                                  100, 80, 200, 24, font);
  SendMessageW(DateTimePickerDate, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(L"dd.MM.yyyy"));
  LabelTime = AddControl(WC_STATICW, IdLabelTime, label, 0, 0, 115, 29, LabelHeight, font);
  DateTimePickerTime = AddControl(DATETIMEPICK_CLASSW, IdDateTimePickerTime, DTS_TIMEFORMAT | WS_TABSTOP, 0,
                                  100, 110, 200, 24, font);
  SendMessageW(DateTimePickerTime, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(L"HH:mm"));
  BitBtnOk = AddControl(WC_BUTTONW, IdBitBtnOk, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 220, 360, 80, 25, font);
  SetText(BitBtnOk, OkText);
  GroupBoxAbout = AddControl(WC_BUTTONW, IdGroupBoxAbout, BS_GROUPBOX, 0, GroupLeft, GroupTop, 300, 205, font);

  const auto inGroup = [&](int id, int left, int top, int width, DWORD style, HFONT labelFont) {
    return AddControl(WC_STATICW, id, style, 0, GroupLeft + left, GroupTop + top, width, LabelHeight, labelFont);
  };
  LabelCopyright = inGroup(IdLabelCopyright, 10, 25, 54, label, font);
  LabelCreator = inGroup(IdLabelCreator, 10, 50, 43, label, font);
  LabelProgrammer = inGroup(IdLabelProgrammer, 10, 75, 72, label, font);
  LabelWare = inGroup(IdLabelWare, 10, 100, 31, label, font);
  LabelVersion = inGroup(IdLabelVersion, 10, 125, 40, label, font);
  SetLabelText(LabelVersion, VersionText);
  Label9 = inGroup(IdLabel9, 10, 150, 124, label, font);
  SetLabelText(Label9, ContactEmail);
  LabelSite = inGroup(IdLabelSite, 9, 175, 152, label | SS_NOTIFY, LinkFont.get());
  SetLabelText(LabelSite, SiteBase);

  CheckBoxStar = AddControl(WC_BUTTONW, IdCheckBoxStar, checkBox, 0, 0, 25, 117, 17, font);
}

void TFormSettings::SetLabelText(HWND label, std::u16string_view text) {
  SetText(label, text);
  // Labels take the width of their text in their own font; their height stays
  // the line height of Tahoma 13 at 96 pixels per inch, whatever the font
  // rasteriser reports.
  const std::wstring_view wide = WideView(text);
  const auto labelFont = reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0));
  const UniqueWindowDc dc = GetWindowDc(label);
  const UniqueSelection font = SelectInto(dc.get(), labelFont);
  SIZE extent{};
  GetTextExtentPoint32W(dc.get(), wide.data(), static_cast<int>(wide.size()), &extent);
  SetWindowPos(label, nullptr, 0, 0, extent.cx, LabelHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(FormSettings.get(), nullptr, TRUE);
}

void TFormSettings::SetCheck(HWND box, bool checked) {
  if (IsChecked(box) == checked) return;
  SendMessageW(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  CheckBoxEnglishClick();  // a changed state applies the texts, as a click does
}

void TFormSettings::SetParam(bool ARus, bool AStar, const std::u16string& AUser, TDateTime ABirth) {
  HWND form = FormSettings.get();
  if (!form) return;
  SetCheck(CheckBoxEnglish, !ARus);
  SetCheck(CheckBoxStar, AStar);
  SetText(EditUser, AUser);  // whole: the typing limit does not apply here
  GivenBirth = SplitBirthMoment(ABirth);
  SYSTEMTIME date = ToSystemTime(GivenBirth.Date, {});
  SendMessageW(DateTimePickerDate, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&date));
  // The time picker's own date is never read; 30 December 1899 is day 0.
  SYSTEMTIME time = ToSystemTime({1899, 12, 30}, GivenBirth.Time);
  SendMessageW(DateTimePickerTime, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
  DateShown = PickerValue(DateTimePickerDate);
  TimeShown = PickerValue(DateTimePickerTime);
  DateChanged = TimeChanged = false;

  FormShow();
  RECT frame{};
  GetWindowRect(form, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  SetWindowPos(form, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ShowWindow(form, SW_SHOW);
  SetForegroundWindow(form);
  SetFocus(CheckBoxEnglish);

  ModalResult = 0;
  MSG message{};
  while (ModalResult == 0) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(message.wParam));  // leave the quit for the outer loop
      break;
    }
    if (got < 0) break;
    if (!IsDialogMessageW(form, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  ShowWindow(form, SW_HIDE);
}

void TFormSettings::TryClose(int modalResult) {
  if (FormClose(modalResult)) ModalResult = modalResult;
}

void TFormSettings::FormShow() { CheckBoxEnglishClick(); }

bool TFormSettings::FormClose(int modalResult) {
  if (modalResult != IDOK) return true;  // any other close writes nothing
  return SaveEntries();
}

bool TFormSettings::SaveEntries() {
  const SYSTEMTIME date = PickerValue(DateTimePickerDate);
  const SYSTEMTIME time = PickerValue(DateTimePickerTime);
  Settings entries;
  entries.Rus = !IsChecked(CheckBoxEnglish);
  entries.ShowStars = IsChecked(CheckBoxStar);
  entries.UserName = WindowText(EditUser);
  // What the user did not change keeps the stored value, also where the
  // picker could not show it. A picker counts as changed when it told of a
  // change, or holds another value than it showed at the start.
  const bool datePicked = DateChanged || !SameDay(date, DateShown);
  const bool timePicked = TimeChanged || !SameTimeOfDay(time, TimeShown);
  const CivilDate birthDate = datePicked ? CivilDate{date.wYear, date.wMonth, date.wDay} : GivenBirth.Date;
  const TimeOfDay birthTime =
      timePicked ? TimeOfDay{time.wHour, time.wMinute, time.wSecond, 0} : GivenBirth.Time;
  entries.BirthMoment = JoinBirthMoment(birthDate, birthTime);
  const std::optional<std::u16string> failed = SaveSettings(entries);
  if (!failed) return true;
  MessageBoxW(FormSettings.get(), WideString(SaveFailureText(*failed)).c_str(), ProgramTitle().c_str(),
              MB_OK | MB_ICONERROR);
  return false;  // stays open with the user's entries
}

void TFormSettings::CheckBoxEnglishClick() {
  const bool english = IsChecked(CheckBoxEnglish);
  SetText(FormSettings.get(), LanguageText(DialogText::Title, english));
  SetText(CheckBoxStar, LanguageText(DialogText::CheckBoxStar, english));
  SetLabelText(LabelUser, LanguageText(DialogText::LabelUser, english));
  SetLabelText(LabelDate, LanguageText(DialogText::LabelDate, english));
  SetLabelText(LabelTime, LanguageText(DialogText::LabelTime, english));
  SetText(GroupBoxAbout, LanguageText(DialogText::GroupBoxAbout, english));
  SetLabelText(LabelCopyright, LanguageText(DialogText::LabelCopyright, english));
  SetLabelText(LabelCreator, LanguageText(DialogText::LabelCreator, english));
  SetLabelText(LabelProgrammer, LanguageText(DialogText::LabelProgrammer, english));
  SetLabelText(LabelWare, LanguageText(DialogText::LabelWare, english));
}

void TFormSettings::LabelSiteClick() {
  const std::wstring address = WideString(SiteAddress(IsChecked(CheckBoxEnglish)));
  ShellExecuteW(FormSettings.get(), L"open", address.c_str(), nullptr, nullptr, SW_SHOW);
}
