// The constant table of the twelve meridians of the organ clock, indexed by table
// index k (0 = Lungs ... 11 = Liver), and the start times derived from it.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "palette.h"
#include "picture_types.h"
#include "tdatetime.h"

inline constexpr int MeridianCount = 12;

using Text = std::u16string_view;

extern const std::array<std::int32_t, MeridianCount> MeridianHour;
static_assert(MeridianColor.size() == MeridianCount);  // the palette holds the colours
extern const std::array<Text, MeridianCount> MeridianCode;
extern const std::array<Text, MeridianCount> MeridianNameRu;
extern const std::array<Text, MeridianCount> MeridianNameEn;
extern const std::array<Text, MeridianCount> MeridianHintRu;
extern const std::array<Text, MeridianCount> MeridianHintEn;
// Three lines joined by a single carriage return.
extern const std::array<Text, MeridianCount> MeridianAdviceRu;
extern const std::array<Text, MeridianCount> MeridianAdviceEn;

// Start hour of each meridian as a time of day; filled by FillMeridianStart.
extern std::array<TDateTime, MeridianCount> MeridianStart;
void FillMeridianStart();

// The ring walks the table backwards: ring position I shows table index 11 - I.
constexpr int TableIndexOfRing(int ringPosition) { return MeridianCount - 1 - ringPosition; }
constexpr int RingOfTableIndex(int k) { return MeridianCount - 1 - k; }
