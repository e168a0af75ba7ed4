// Control identifiers of the settings dialog, shared by the dialog and the
// programs that drive it from outside.
#pragma once

// The OK button carries the standard IDOK so that Enter, through the dialog
// manager's default button, presses it.
inline constexpr int IdBitBtnOk = 1;
inline constexpr int IdCheckBoxEnglish = 101;
inline constexpr int IdCheckBoxStar = 102;
inline constexpr int IdLabelUser = 103;
inline constexpr int IdEditUser = 104;
inline constexpr int IdLabelDate = 105;
inline constexpr int IdDateTimePickerDate = 106;
inline constexpr int IdLabelTime = 107;
inline constexpr int IdDateTimePickerTime = 108;
inline constexpr int IdGroupBoxAbout = 109;
inline constexpr int IdLabelCopyright = 110;
inline constexpr int IdLabelCreator = 111;
inline constexpr int IdLabelProgrammer = 112;
inline constexpr int IdLabelWare = 113;
inline constexpr int IdLabelVersion = 114;
inline constexpr int IdLabel9 = 115;
inline constexpr int IdLabelSite = 116;

// Longest name the user can type; a longer stored name is still shown whole.
inline constexpr int UserNameTypingLimit = 50;
