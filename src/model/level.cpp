// Level arithmetic in 80-bit extended precision with single-precision stores,
// the way the levels and the dial have always been computed.
#include "level.h"

#include "extended.h"

namespace {

constexpr Extended TwoPi = 2 * ExtPi;

Extended AmplitudeExt(Extended theta, float nowPhase, float birthPhase) {
  const Extended a = ExtCos(theta + static_cast<Extended>(nowPhase)) + 2;
  return (a + ExtCos(theta + static_cast<Extended>(birthPhase))) / 2;
}

std::int32_t LevelExt(int minute, float theta, float amplitude) {
  Extended x = static_cast<Extended>(minute) * TwoPi;
  x = x / MinutesPerDay;
  x = x + static_cast<Extended>(theta);
  x = ExtCos(x) + 1;
  x = x * static_cast<Extended>(amplitude);
  x = x * 25;
  return Trunc(x);
}

// One step of the ring (30 degrees) for each position: 2*pi/12 and pi/6 are
// the same extended value, so the bits are as they always were.
float PhaseOffsetExt(int k) {
  return StoreSingle(static_cast<Extended>(RingOfTableIndex(k)) * (TwoPi / MeridianCount));
}

int Mirror(int hour, int minute) {
  return ((120 * hour - minute) % MinutesPerDay + MinutesPerDay) % MinutesPerDay;
}

}  // namespace

float AnnualPhase(const CivilDate& date) {
  ExtendedPrecision precision;
  const Extended d = Fence(static_cast<Extended>(DayOfYear(date)));
  const Extended n = IsLeapYear(date.year) ? 366 : 365;
  return Fence(StoreSingle(d / n * ExtPi * 2));
}

float AnnualPhase(TDateTime moment) { return AnnualPhase(DecodeDateTime(moment).date); }

float MeridianPhase(int k) {
  ExtendedPrecision precision;
  return Fence(PhaseOffsetExt(Fence(k)));
}

float MeridianAmplitude(int k, float nowPhase, float birthPhase) {
  ExtendedPrecision precision;
  const float theta = PhaseOffsetExt(Fence(k));
  return Fence(StoreSingle(AmplitudeExt(theta, Fence(nowPhase), Fence(birthPhase))));
}

std::int32_t MeridianLevel(int k, int minuteOfDay, float nowPhase, float birthPhase) {
  ExtendedPrecision precision;
  const float theta = PhaseOffsetExt(Fence(k));
  const float amplitude = StoreSingle(AmplitudeExt(theta, Fence(nowPhase), Fence(birthPhase)));
  return Fence(LevelExt(Fence(minuteOfDay), theta, amplitude));
}

Colour LevelColor(std::int32_t level) {
  if (InGreenBand(level)) return BandGreen;
  if ((level >= 10 && level <= 29) || (level >= 71 && level <= 90)) return BandYellow;
  return BandRed;
}

MeridianScan ScanMeridians(float nowPhase, float birthPhase) {
  ExtendedPrecision precision;
  std::array<float, MeridianCount> theta{};
  std::array<float, MeridianCount> amplitude{};
  for (int k = 0; k < MeridianCount; ++k) {
    theta[k] = PhaseOffsetExt(Fence(k));
    amplitude[k] = StoreSingle(AmplitudeExt(theta[k], Fence(nowPhase), Fence(birthPhase)));
  }
  MeridianScan scan;
  for (int offset = 0; offset < MinutesPerDay / 2; ++offset) {
    for (int k = 0; k < MeridianCount; ++k) {
      const int hour = MeridianHour[k];
      const int minute = (60 * hour + offset) % MinutesPerDay;
      const std::int32_t level = LevelExt(minute, theta[k], amplitude[k]);
      // UpperFirst 0.0 reads as "nothing found yet", so a level-70 midnight is
      // replaced by the next level-70 minute of the window.
      if (level == 30) {
        scan.LowerLast[k] = static_cast<float>(minute);
        scan.LowerMirror[k] = static_cast<float>(Mirror(hour, minute));
      } else if (level == 70 && scan.UpperFirst[k] == 0.0f) {
        scan.UpperFirst[k] = static_cast<float>(minute);
        scan.UpperMirror[k] = static_cast<float>(Mirror(hour, minute));
      }
    }
  }
  return Fence(scan);
}

namespace {

template <class Scan>
ModelFrame FrameWith(TDateTime now, TDateTime birth, Scan scan) {
  ModelFrame frame;
  const DateTimeParts parts = DecodeDateTime(now);
  frame.NowPhase = AnnualPhase(parts.date);
  frame.BirthPhase = AnnualPhase(birth);
  frame.Scan = scan(frame.NowPhase, frame.BirthPhase);
  frame.MinuteNow = parts.time.hour * 60 + parts.time.minute;
  for (int ring = 0; ring < MeridianCount; ++ring)
    frame.LevelAtRing[ring] =
        MeridianLevel(TableIndexOfRing(ring), frame.MinuteNow, frame.NowPhase, frame.BirthPhase);
  return frame;
}

}  // namespace

ModelFrame ComputeModelFrame(TDateTime now, TDateTime birth) { return FrameWith(now, birth, ScanMeridians); }

const MeridianScan& DayScan::Of(float nowPhase, float birthPhase) {
  // Compared as stored: equal phases are the same bits, and the scan of
  // equal bits is the same scan.
  if (!known_ || nowPhase != nowPhase_ || birthPhase != birthPhase_) {
    scan_ = ScanMeridians(nowPhase, birthPhase);
    nowPhase_ = nowPhase;
    birthPhase_ = birthPhase;
    known_ = true;
  }
  return scan_;
}

ModelFrame ComputeModelFrame(TDateTime now, TDateTime birth, DayScan& days) {
  return FrameWith(now, birth, [&](float nowPhase, float birthPhase) { return days.Of(nowPhase, birthPhase); });
}
