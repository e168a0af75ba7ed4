// 80-bit extended arithmetic that gives the same bits natively and in both
// Windows builds: the x87 unit at full 64-bit precision, whatever the caller's
// thread was handed, and the unit's own sine and cosine.
#pragma once

#include <cstdint>

using Extended = long double;

inline constexpr Extended ExtPi = 3.14159265358979323846264338327950288L;

#if defined(__i386__) || defined(__x86_64__)

// Puts the x87 unit at 64-bit precision and round-to-nearest for its lifetime.
// 32-bit Windows may start a thread at 53-bit precision, which would change
// every level and every point of the dial.
class ExtendedPrecision {
public:
  ExtendedPrecision() {
    __asm__ volatile("fnstcw %0" : "=m"(saved_));
    std::uint16_t wanted = static_cast<std::uint16_t>((saved_ & ~0x0F00u) | 0x0300u);
    __asm__ volatile("fldcw %0" : : "m"(wanted));
  }
  ~ExtendedPrecision() { __asm__ volatile("fldcw %0" : : "m"(saved_)); }
  ExtendedPrecision(const ExtendedPrecision&) = delete;
  ExtendedPrecision& operator=(const ExtendedPrecision&) = delete;

private:
  std::uint16_t saved_ = 0;
};

// Orders a value after the precision switch above (and a result before the
// switch back): volatile asm statements keep their order, and the arithmetic
// depends on the fenced value.
template <class T>
inline T Fence(T value) {
  __asm__ volatile("" : "+m"(value));
  return value;
}

inline Extended ExtCos(Extended x) {
  Extended r;
  __asm__("fcos" : "=t"(r) : "0"(x));
  return r;
}

inline Extended ExtSin(Extended x) {
  Extended r;
  __asm__("fsin" : "=t"(r) : "0"(x));
  return r;
}

#else
#error "The model needs an x87 unit (x86 or x86-64)"
#endif

// Single-precision store of an extended value (round to nearest).
inline float StoreSingle(Extended x) { return static_cast<float>(x); }

// Conversion to an integer, cutting toward zero.
inline std::int32_t Trunc(Extended x) { return static_cast<std::int32_t>(x); }
