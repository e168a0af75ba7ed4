// The level arithmetic of the organ clock: annual phases, each meridian's daily
// cosine curve, its colour band, and the daily scan for the levels 70 and 30.
#pragma once

#include <array>
#include <cstdint>

#include "meridian_table.h"
#include "tdatetime.h"

inline constexpr int MinutesPerDay = 1440;

// How far the calendar date of a moment lies through its year: 2*pi*d/N.
float AnnualPhase(TDateTime moment);
float AnnualPhase(const CivilDate& date);
// Phase offset of table index k: (11 - k) * pi / 6, a 30-degree step for each
// ring position.
float MeridianPhase(int k);
// Height of meridian k's curve for today and this birthday, 0 to 2.
float MeridianAmplitude(int k, float nowPhase, float birthPhase);
// Level in percent, 0 to 100, of meridian k at a minute of the day.
std::int32_t MeridianLevel(int k, int minuteOfDay, float nowPhase, float birthPhase);
// The green band, 30 to 70: its colour, and the levels at which a meridian's
// advice is shown.
inline bool InGreenBand(std::int32_t level) { return level >= 30 && level <= 70; }
// Colour of a level's band (see palette.h): green 30..70, yellow 10..29 and 71..90, red otherwise.
Colour LevelColor(std::int32_t level);

// Minutes of the day found by the daily scan, indexed by table index k;
// 0.0 also stands for "none found".
struct MeridianScan {
  std::array<float, MeridianCount> UpperFirst{};
  std::array<float, MeridianCount> UpperMirror{};
  std::array<float, MeridianCount> LowerLast{};
  std::array<float, MeridianCount> LowerMirror{};
};

MeridianScan ScanMeridians(float nowPhase, float birthPhase);

// Everything one paint needs of the model for one moment and one birth moment.
struct ModelFrame {
  float NowPhase = 0;
  float BirthPhase = 0;
  MeridianScan Scan;
  int MinuteNow = 0;
  std::array<std::int32_t, MeridianCount> LevelAtRing{};  // by ring position I
};

ModelFrame ComputeModelFrame(TDateTime now, TDateTime birth);

// The scan of the day last asked for: the same two phases give the same scan,
// so the paints of one day's minutes take it from here.
class DayScan {
public:
  const MeridianScan& Of(float nowPhase, float birthPhase);

private:
  bool known_ = false;
  float nowPhase_ = 0, birthPhase_ = 0;
  MeridianScan scan_;
};

// ComputeModelFrame with the scan taken from days.
ModelFrame ComputeModelFrame(TDateTime now, TDateTime birth, DayScan& days);
