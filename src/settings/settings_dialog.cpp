// The settings dialog as a plain Win32 dialog: an empty in-memory template whose
// controls are placed in pixels at the display's scale (dialog_layout.h), a
// modal loop of its own, and the save on OK.
#include "settings_dialog.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cwchar>
#include <string_view>

#include "dialog_dpi.h"
#include "dialog_ids.h"
#include "dialog_texts.h"
#include "settings.h"
#include "system_library.h"
#include "wide_text.h"

namespace {

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

UniqueFont MakeFont(int dpi, bool underline) {
  LOGFONTW description{};
  description.lfHeight = -DialogFontHeight(dpi);  // a character height of 13 pixels at 96 DPI
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

// The common controls of the program's manifest (version 6, which a search of
// the system folder alone would pass by), with the pickers' classes registered.
UniqueModule LoadCommonControls() {
  UniqueModule module{LoadLibraryW(L"comctl32.dll")};
  if (!module) return module;
  if (const auto init = GetEntry<decltype(&::InitCommonControlsEx)>(module.get(), "InitCommonControlsEx")) {
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_DATE_CLASSES | ICC_STANDARD_CLASSES};
    init(&classes);
  }
  return module;
}

// Measures the dialog's texts on a context of its window, in its two fonts.
class TextMeter {
public:
  TextMeter(HWND window, HFONT font, HFONT linkFont)
      : dc_(GetWindowDc(window)), linkFont_(linkFont), selection_(SelectInto(dc_.get(), font)) {}

  int Width(std::u16string_view text, bool link) {
    const UniqueSelection linkSelection = link ? SelectInto(dc_.get(), linkFont_) : UniqueSelection{};
    const std::wstring_view wide = WideView(text);
    SIZE extent{};
    GetTextExtentPoint32W(dc_.get(), wide.data(), static_cast<int>(wide.size()), &extent);
    return extent.cx;
  }
  int LineHeight() const {
    TEXTMETRICW metrics{};
    return GetTextMetricsW(dc_.get(), &metrics) ? metrics.tmHeight : 0;
  }

private:
  UniqueWindowDc dc_;
  HFONT linkFont_;
  UniqueSelection selection_;
};

}  // namespace

TFormSettings::TFormSettings() : CommonControls(LoadCommonControls()) {
  EmptyDialogTemplate dialog{};
  dialog.Header.style = FormStyle;
  // Windows 10 tells a dialog made this way of its monitor's DPI, and of a
  // move to a monitor of another.
  const PerMonitorDpiScope perMonitor;
  // WM_INITDIALOG takes ownership of the window and creates the controls.
  CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &dialog.Header, nullptr, DialogProc,
                             reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK TFormSettings::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* form = reinterpret_cast<TFormSettings*>(lParam);
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    form->FormSettings = UniqueWindow{window};
    KeepOwnDpiLayout(window);
    form->Dpi = DpiOfWindow(window);
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
      if (reinterpret_cast<HWND>(lParam) == LabelSite)
        SetTextColor(dc, LinkColour);
      else
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_DPICHANGED: return OnDpiChanged(wParam, lParam);
    case WmGetDpiScaledSize: return OnGetDpiScaledSize(wParam, lParam);
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == LabelSite && LOWORD(lParam) == HTCLIENT) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        SetWindowLongPtrW(FormSettings.get(), DWLP_MSGRESULT, TRUE);
        return TRUE;
      }
      return FALSE;
    default: return FALSE;
  }
}

HWND TFormSettings::AddControl(const wchar_t* windowClass, int id, DWORD style, DWORD exStyle) {
  // Placed, sized and given its font by ApplyLayout and MakeFonts.
  return CreateWindowExW(exStyle, windowClass, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, FormSettings.get(),
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

void TFormSettings::CreateControls() {
  // Creation order is the tab order: English, name, date, time, OK, the group
  // box (which never takes the focus) and the star box last. Labels take no
  // focus and stand just before the field they name.
  const DWORD label = SS_LEFT | SS_NOPREFIX;
  const DWORD checkBox = BS_AUTOCHECKBOX | BS_LEFTTEXT | WS_TABSTOP;
  CheckBoxEnglish = AddControl(WC_BUTTONW, IdCheckBoxEnglish, checkBox, 0);
  SetText(CheckBoxEnglish, EnglishCheckText);
  LabelUser = AddControl(WC_STATICW, IdLabelUser, label, 0);
  EditUser = AddControl(WC_EDITW, IdEditUser, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE);
  SendMessageW(EditUser, EM_SETLIMITTEXT, UserNameTypingLimit, 0);
  LabelDate = AddControl(WC_STATICW, IdLabelDate, label, 0);
  DateTimePickerDate = AddControl(DATETIMEPICK_CLASSW, IdDateTimePickerDate, DTS_SHORTDATEFORMAT | WS_TABSTOP, 0);
  SendMessageW(DateTimePickerDate, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(L"dd.MM.yyyy"));
  LabelTime = AddControl(WC_STATICW, IdLabelTime, label, 0);
  DateTimePickerTime = AddControl(DATETIMEPICK_CLASSW, IdDateTimePickerTime, DTS_TIMEFORMAT | WS_TABSTOP, 0);
  SendMessageW(DateTimePickerTime, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(L"HH:mm"));
  BitBtnOk = AddControl(WC_BUTTONW, IdBitBtnOk, BS_DEFPUSHBUTTON | WS_TABSTOP, 0);
  SetText(BitBtnOk, OkText);
  GroupBoxAbout = AddControl(WC_BUTTONW, IdGroupBoxAbout, BS_GROUPBOX, 0);
  LabelCopyright = AddControl(WC_STATICW, IdLabelCopyright, label, 0);
  LabelCreator = AddControl(WC_STATICW, IdLabelCreator, label, 0);
  LabelProgrammer = AddControl(WC_STATICW, IdLabelProgrammer, label, 0);
  LabelWare = AddControl(WC_STATICW, IdLabelWare, label, 0);
  LabelVersion = AddControl(WC_STATICW, IdLabelVersion, label, 0);
  SetText(LabelVersion, LabelText(DialogControl::LabelVersion, false));
  Label9 = AddControl(WC_STATICW, IdLabel9, label, 0);
  SetText(Label9, LabelText(DialogControl::Label9, false));
  LabelSite = AddControl(WC_STATICW, IdLabelSite, label | SS_NOTIFY, 0);
  SetText(LabelSite, LabelText(DialogControl::LabelSite, false));
  CheckBoxStar = AddControl(WC_BUTTONW, IdCheckBoxStar, checkBox, 0);
  MakeFonts();
  ApplyLayout();
}

HWND TFormSettings::Control(DialogControl control) const {
  switch (control) {
    case DialogControl::CheckBoxEnglish: return CheckBoxEnglish;
    case DialogControl::CheckBoxStar: return CheckBoxStar;
    case DialogControl::LabelUser: return LabelUser;
    case DialogControl::EditUser: return EditUser;
    case DialogControl::LabelDate: return LabelDate;
    case DialogControl::DateTimePickerDate: return DateTimePickerDate;
    case DialogControl::LabelTime: return LabelTime;
    case DialogControl::DateTimePickerTime: return DateTimePickerTime;
    case DialogControl::GroupBoxAbout: return GroupBoxAbout;
    case DialogControl::LabelCopyright: return LabelCopyright;
    case DialogControl::LabelCreator: return LabelCreator;
    case DialogControl::LabelProgrammer: return LabelProgrammer;
    case DialogControl::LabelWare: return LabelWare;
    case DialogControl::LabelVersion: return LabelVersion;
    case DialogControl::Label9: return Label9;
    case DialogControl::LabelSite: return LabelSite;
    case DialogControl::BitBtnOk: return BitBtnOk;
  }
  return nullptr;
}

void TFormSettings::MakeFonts() {
  UniqueFont font = MakeFont(Dpi, false);
  UniqueFont linkFont = MakeFont(Dpi, true);
  // A control draws with the font it was handed: the new ones go in before the
  // old ones are deleted.
  SendMessageW(FormSettings.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  for (std::size_t i = 0; i < DialogControlCount; ++i) {
    const auto control = static_cast<DialogControl>(i);
    const HFONT own = control == DialogControl::LabelSite ? linkFont.get() : font.get();
    SendMessageW(Control(control), WM_SETFONT, reinterpret_cast<WPARAM>(own), FALSE);
  }
  Font = std::move(font);
  LinkFont = std::move(linkFont);
}

void TFormSettings::ApplyLayout() {
  HWND form = FormSettings.get();
  TextMeter meter(form, Font.get(), LinkFont.get());
  const DialogTextMeasure measure{
      [&meter](std::u16string_view text, bool link) { return meter.Width(text, link); }, meter.LineHeight()};
  const DialogLayout layout = LayOutDialog(Dpi, IsChecked(CheckBoxEnglish), measure);
  for (std::size_t i = 0; i < DialogControlCount; ++i) {
    const ControlPlace& place = layout.Places[i];
    SetWindowPos(Control(static_cast<DialogControl>(i)), nullptr, place.Left, place.Top, place.Width, place.Height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  SIZE frame = FrameForClient(form, layout.ClientWidth, layout.ClientHeight, Dpi);
  SetWindowPos(form, nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // A system that draws the caption at another scale than the dialog's (one
  // without per-monitor frames) leaves another client area: made up for here.
  RECT client{};
  GetClientRect(form, &client);
  if (client.right != layout.ClientWidth || client.bottom != layout.ClientHeight) {
    frame.cx += layout.ClientWidth - client.right;
    frame.cy += layout.ClientHeight - client.bottom;
    SetWindowPos(form, nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  InvalidateRect(form, nullptr, TRUE);
}

// Windows asks the size at the new DPI before it moves the dialog to a monitor
// of that DPI, so that the place it suggests then fits the dialog as it will be.
INT_PTR TFormSettings::OnGetDpiScaledSize(WPARAM wParam, LPARAM lParam) {
  const int dpi = static_cast<int>(wParam);
  const DialogSize client = DialogClientSize(dpi);
  *reinterpret_cast<SIZE*>(lParam) = FrameForClient(FormSettings.get(), client.Width, client.Height, dpi);
  SetWindowLongPtrW(FormSettings.get(), DWLP_MSGRESULT, TRUE);
  return TRUE;
}

INT_PTR TFormSettings::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
  Dpi = HIWORD(wParam);
  MakeFonts();
  const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
  SetWindowPos(FormSettings.get(), nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
               suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  ApplyLayout();
  SetWindowLongPtrW(FormSettings.get(), DWLP_MSGRESULT, 0);
  return TRUE;
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
  {
    // Measured in the dialog's own pixels. Centred on the screen; one larger
    // than the screen keeps its caption on it, where it can be moved.
    const PerMonitorDpiScope perMonitor;
    RECT frame{};
    GetWindowRect(form, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(form, nullptr, std::max((GetSystemMetrics(SM_CXSCREEN) - width) / 2, 0),
                 std::max((GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0), 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  }
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
  const TimeOfDay birthTime = timePicked ? TimeOfDay{time.wHour, time.wMinute, time.wSecond, 0} : GivenBirth.Time;
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
  SetText(LabelUser, LanguageText(DialogText::LabelUser, english));
  SetText(LabelDate, LanguageText(DialogText::LabelDate, english));
  SetText(LabelTime, LanguageText(DialogText::LabelTime, english));
  SetText(GroupBoxAbout, LanguageText(DialogText::GroupBoxAbout, english));
  SetText(LabelCopyright, LanguageText(DialogText::LabelCopyright, english));
  SetText(LabelCreator, LanguageText(DialogText::LabelCreator, english));
  SetText(LabelProgrammer, LanguageText(DialogText::LabelProgrammer, english));
  SetText(LabelWare, LanguageText(DialogText::LabelWare, english));
  ApplyLayout();  // the labels take the width of their new texts
}

void TFormSettings::LabelSiteClick() {
  if (!Shell) Shell = LoadSystemLibrary(L"shell32.dll");
  const auto execute = Shell ? GetEntry<decltype(&::ShellExecuteW)>(Shell.get(), "ShellExecuteW") : nullptr;
  if (!execute) return;  // no shell to open the page with: nothing happens, as when the page cannot be opened
  const std::wstring address = WideString(SiteAddress(IsChecked(CheckBoxEnglish)));
  execute(FormSettings.get(), L"open", address.c_str(), nullptr, nullptr, SW_SHOW);
}
