// The frame texts: what they say and where they stand in the window.
#include "picture_places.h"

#include "screen_texts.h"
#include "site_address.h"

std::u16string FrameTextOf(FrameText which, const ScreenInputs& in) {
  switch (which) {
    case FrameText::CloseHint: return in.Rus ? CloseHintRu : CloseHintEn;
    case FrameText::Person: {
      std::u16string person = in.UserName;
      person += u", ";
      person += FormatBirthMoment(in.BirthMoment, in.TimeSeparator);
      return person;
    }
    case FrameText::Site: return std::u16string(SiteCornerText);
    case FrameText::Title: return in.Rus ? TitleRu : TitleEn;
  }
  return {};
}

Point FrameTextPlace(FrameText which, std::int32_t width, std::int32_t height, TextExtent size) {
  switch (which) {
    case FrameText::CloseHint: return {10, 10};
    case FrameText::Person: return {10, height - size.Height - 10};
    case FrameText::Site: return {width - size.Width - 10, height - size.Height - 10};
    case FrameText::Title: return {(width - size.Width) / 2, 10};
  }
  return {};
}
