// The settings dialog at the display's scale: at 96, 120, 144 and 192 DPI (the
// prefix's LogPixels) and in both languages every control lies where its
// 96-DPI place scaled puts it, within two pixels; no two overlap; every label
// is as wide as its text in Tahoma at that scale. And a move to a monitor of
// another scale, told to the dialog the way Windows 10 tells it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "dialog_ids.h"
#include "dialog_suite.h"
#include "unique_handle.h"

namespace {

// Places in the client area at 96 DPI: the dialog's places inside its
// 10-pixel border. The fields stand in a column right of the widest label
// («Время рождения», 106 pixels), from 125 on.
struct Place96 {
  int Id, Left, Top, Width, Height;
};
constexpr Place96 Fixed[] = {
    {IdCheckBoxEnglish, 10, 10, 117, 17},
    {IdCheckBoxStar, 10, 35, 117, 17},
    {IdEditUser, 125, 60, 185, 24},
    {IdDateTimePickerDate, 125, 90, 185, 24},
    {IdDateTimePickerTime, 125, 120, 185, 24},
    {IdGroupBoxAbout, 10, 150, 300, 205},
    {IdBitBtnOk, 230, 370, 80, 25},
};
// Labels: their left top corner; their width is their text's.
struct LabelSpot {
  int Id, Left, Top;
  bool InGroup, Link;
};
constexpr LabelSpot Labels[] = {
    {IdLabelUser, 10, 65, false, false},    {IdLabelDate, 10, 95, false, false},
    {IdLabelTime, 10, 125, false, false},   {IdLabelCopyright, 20, 175, true, false},
    {IdLabelCreator, 20, 200, true, false}, {IdLabelProgrammer, 20, 225, true, false},
    {IdLabelWare, 20, 250, true, false},    {IdLabelVersion, 20, 275, true, false},
    {IdLabel9, 20, 300, true, false},       {IdLabelSite, 19, 325, true, true},
};
constexpr int ClientWidth96 = 320;
constexpr int ClientHeight96 = 405;
// Within a pixel or two of the exact scaled place.
constexpr double Slack = 2.0;

double Scaled(int pixels96, int dpi) { return pixels96 * dpi / 96.0; }

// A text's size in Tahoma at the dialog's size for dpi: a character height of
// 13 pixels at 96 DPI (underlined for the link).
SIZE TextSize(const std::wstring& text, int dpi, bool underline) {
  const UniqueWindowDc dc = GetWindowDc(nullptr);
  const UniqueFont font(CreateFontW(-MulDiv(13, dpi, 96), 0, 0, 0, FW_NORMAL, FALSE, underline, FALSE,
                                    DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
  const UniqueSelection selection = SelectInto(dc.get(), font.get());
  SIZE extent{};
  GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
  return extent;
}

bool Overlap(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

void ExpectEdgesNear(const RECT& place, int left, int top, int right, int bottom, int dpi) {
  EXPECT_NEAR(place.left, Scaled(left, dpi), Slack);
  EXPECT_NEAR(place.top, Scaled(top, dpi), Slack);
  EXPECT_NEAR(place.right, Scaled(right, dpi), Slack);
  EXPECT_NEAR(place.bottom, Scaled(bottom, dpi), Slack);
}

// The dialog's places at dpi, in the language it shows.
void CheckPlaces(const DialogRun& run, int dpi) {
  HWND dialog = run.Dialog();
  RECT client{};
  GetClientRect(dialog, &client);
  EXPECT_NEAR(client.right, Scaled(ClientWidth96, dpi), 1.0);
  EXPECT_NEAR(client.bottom, Scaled(ClientHeight96, dpi), 1.0);

  struct Seen {
    int Id;
    RECT Place;
    bool InGroup;
  };
  std::vector<Seen> seen;
  for (const Place96& c : Fixed) {
    SCOPED_TRACE(c.Id);
    const RECT place = PlaceOf(run.Item(c.Id));
    ExpectEdgesNear(place, c.Left, c.Top, c.Left + c.Width, c.Top + c.Height, dpi);
    seen.push_back({c.Id, place, false});
  }
  for (const LabelSpot& c : Labels) {
    SCOPED_TRACE(c.Id);
    const RECT place = PlaceOf(run.Item(c.Id));
    const SIZE text = TextSize(TextOf(run.Item(c.Id)), dpi, c.Link);
    EXPECT_NEAR(place.left, Scaled(c.Left, dpi), Slack);
    EXPECT_NEAR(place.top, Scaled(c.Top, dpi), Slack);
    EXPECT_EQ(place.right - place.left, text.cx);
    EXPECT_GE(place.bottom - place.top, text.cy);
    seen.push_back({c.Id, place, c.InGroup});
  }

  // The texts of the boxes and the button fit beside the box, inside the frame.
  for (int id : {IdCheckBoxEnglish, IdCheckBoxStar, IdBitBtnOk, IdGroupBoxAbout}) {
    SCOPED_TRACE(id);
    const RECT place = PlaceOf(run.Item(id));
    const SIZE text = TextSize(TextOf(run.Item(id)), dpi, false);
    EXPECT_LE(text.cx + Scaled(16, dpi), place.right - place.left);
    if (id != IdGroupBoxAbout) {
      EXPECT_LE(text.cy, place.bottom - place.top);
    }
  }

  // Nothing outside the client area or over another control; the group box
  // holds its labels whole.
  const RECT group = PlaceOf(run.Item(IdGroupBoxAbout));
  for (std::size_t i = 0; i < seen.size(); ++i) {
    SCOPED_TRACE(seen[i].Id);
    EXPECT_TRUE(Inside(seen[i].Place, client));
    if (seen[i].InGroup) {
      EXPECT_TRUE(Inside(seen[i].Place, group));
    }
    for (std::size_t j = i + 1; j < seen.size(); ++j) {
      if ((seen[i].InGroup && seen[j].Id == IdGroupBoxAbout) || (seen[j].InGroup && seen[i].Id == IdGroupBoxAbout))
        continue;
      EXPECT_FALSE(Overlap(seen[i].Place, seen[j].Place)) << "with " << seen[j].Id;
    }
  }
}

// Checks the places in the language shown and, after a click on the English
// box, in the other.
void CheckPlacesInBothLanguages(const DialogRun& run, int dpi) {
  for (int language = 0; language < 2; ++language) {
    SCOPED_TRACE(IsChecked(run.Item(IdCheckBoxEnglish)) ? "English" : "Russian");
    CheckPlaces(run, dpi);
    Click(run.Item(IdCheckBoxEnglish));
  }
}

class DialogAtDpi : public DialogTest, public testing::WithParamInterface<int> {};

TEST_P(DialogAtDpi, ScalesWithoutOverlapInBothLanguages) {
  const int dpi = GetParam();
  const SystemDpi scale(static_cast<DWORD>(dpi));
  auto run = Open();
  ASSERT_TRUE(run->Dialog());
  RECT frame{}, client{};
  GetWindowRect(run->Dialog(), &frame);
  GetClientRect(run->Dialog(), &client);
  std::printf("dialog at %d DPI: %ld x %ld pixels, its client area %ld x %ld\n", dpi, frame.right - frame.left,
              frame.bottom - frame.top, client.right, client.bottom);
  CheckPlacesInBothLanguages(*run, dpi);
  CloseAndWait(*run);
}

INSTANTIATE_TEST_SUITE_P(LogPixels, DialogAtDpi, testing::Values(96, 120, 144, 192));

// Windows 10 asks a per-monitor dialog its size at a new scale, then moves it
// to a monitor of that scale and tells it. Wine's monitors share one scale and
// it never does: the test tells the dialog as Windows would.
TEST_F(DialogTest, FollowsAMoveToAMonitorOfAnotherScale) {
  const SystemDpi scale(96);
  auto run = Open();
  HWND dialog = run->Dialog();
  ASSERT_TRUE(dialog);
  RECT frame{};
  GetWindowRect(dialog, &frame);
  constexpr UINT GetDpiScaledSize = 0x02E4;  // WM_GETDPISCALEDSIZE
  SIZE at96{}, at144{};
  ASSERT_TRUE(run->SendWithValue(dialog, GetDpiScaledSize, 96, at96));
  ASSERT_TRUE(run->SendWithValue(dialog, GetDpiScaledSize, 144, at144));
  EXPECT_EQ(at96.cx, frame.right - frame.left);
  EXPECT_EQ(at96.cy, frame.bottom - frame.top);
  // At least the client area's growth; the caption may grow too.
  EXPECT_GE(at144.cx - at96.cx, 480 - 320);
  EXPECT_GE(at144.cy - at96.cy, 608 - 405);

  for (const int dpi : {144, 192, 96}) {
    SCOPED_TRACE(dpi);
    RECT suggested{40, 30, 40 + at144.cx, 30 + at144.cy};
    run->SendWithValue(dialog, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), suggested);
    GetWindowRect(dialog, &frame);
    EXPECT_EQ(frame.left, 40);
    EXPECT_EQ(frame.top, 30);
    CheckPlacesInBothLanguages(*run, dpi);
  }
  CloseAndWait(*run);
}

}  // namespace
