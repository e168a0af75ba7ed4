// The maker's web site: the dialog's link opens pages below this base, and the
// saver writes it in the picture's corner in capitals, without the scheme and
// the closing slash, so the two cannot drift apart.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

inline constexpr std::u16string_view SiteBase = u"http://www.example.org/quellora/";

namespace site_detail {

inline constexpr std::u16string_view Scheme = u"http://";
static_assert(SiteBase.starts_with(Scheme) && SiteBase.ends_with(u'/'));
inline constexpr std::u16string_view Place = SiteBase.substr(Scheme.size(), SiteBase.size() - Scheme.size() - 1);

constexpr std::array<char16_t, Place.size()> InCapitals() {
  std::array<char16_t, Place.size()> letters{};
  for (std::size_t i = 0; i < Place.size(); ++i)
    letters[i] = Place[i] >= u'a' && Place[i] <= u'z' ? static_cast<char16_t>(Place[i] - u'a' + u'A') : Place[i];
  return letters;
}
inline constexpr std::array<char16_t, Place.size()> CornerLetters = InCapitals();

}  // namespace site_detail

// "WWW.EXAMPLE.ORG/QUELLORA" for the base above.
inline constexpr std::u16string_view SiteCornerText{site_detail::CornerLetters.data(),
                                                    site_detail::CornerLetters.size()};
