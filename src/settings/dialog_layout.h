// Where the settings dialog's controls go on a display of any scale: the
// dialog's places in 96-DPI units, scaled to the display's pixels, with each
// label as wide as its text in the dialog's font at that scale.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string_view>

// The controls of the dialog, in their order of declaration.
enum class DialogControl {
  CheckBoxEnglish,
  CheckBoxStar,
  LabelUser,
  EditUser,
  LabelDate,
  DateTimePickerDate,
  LabelTime,
  DateTimePickerTime,
  GroupBoxAbout,
  LabelCopyright,
  LabelCreator,
  LabelProgrammer,
  LabelWare,
  LabelVersion,
  Label9,  // the maker's contact e-mail address
  LabelSite,
  BitBtnOk,
};
inline constexpr std::size_t DialogControlCount = 17;

// A control's rectangle in the dialog's client area, in pixels.
struct ControlPlace {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  int Right() const { return Left + Width; }
  int Bottom() const { return Top + Height; }
};

struct DialogLayout {
  int Dpi = 96;
  int ClientWidth = 0;  // the client area's size, as DialogClientSize gives it
  int ClientHeight = 0;
  std::array<ControlPlace, DialogControlCount> Places{};
  const ControlPlace& operator[](DialogControl control) const { return Places[static_cast<std::size_t>(control)]; }
};

// A length of 96-DPI units in pixels at dpi, to the nearest pixel. A DPI of 0
// or less (unreadable) counts as 96.
int UnitsToPixels(int units, int dpi);

// The character height, in pixels, of the dialog's Tahoma at dpi: 13 at 96.
int DialogFontHeight(int dpi);

// How the dialog's texts measure in its font at the layout's DPI: the width of
// a text (in the underlined font for the link) and the height of a line.
struct DialogTextMeasure {
  std::function<int(std::u16string_view text, bool link)> Width;
  int LineHeight = 0;
};

// The labels that name a field, in the column left of the fields.
inline constexpr std::array<DialogControl, 3> FieldLabels = {DialogControl::LabelUser, DialogControl::LabelDate,
                                                             DialogControl::LabelTime};
// The labels inside the group box.
inline constexpr std::array<DialogControl, 7> GroupLabels = {
    DialogControl::LabelCopyright, DialogControl::LabelCreator, DialogControl::LabelProgrammer,
    DialogControl::LabelWare,      DialogControl::LabelVersion, DialogControl::Label9,
    DialogControl::LabelSite};

// The client area's size at dpi, in pixels: 320 x 405 at 96 DPI.
struct DialogSize {
  int Width = 0;
  int Height = 0;
};
DialogSize DialogClientSize(int dpi);

// The text a label shows in a language.
std::u16string_view LabelText(DialogControl label, bool english);

// The dialog at dpi showing the texts of a language. The fields stand right of
// the widest field label of either language, so that switching the language
// moves nothing but the labels' right edges.
DialogLayout LayOutDialog(int dpi, bool english, const DialogTextMeasure& measure);
