#include "trig/degree_trig.h"

#include <cmath>

#include "core/number_text.h"

namespace draftcalc {
namespace {

constexpr int kPlaces = 6;

// Product first, then quotient: (x * PI) / 180, not x * (PI / 180).
double ToRadians(double degrees) { return (degrees * PI) / 180; }
double ToDegrees(double radians) { return radians * 180.0 / PI; }

}  // namespace

double TanDeg(double degrees) { return RoundTo(std::tan(ToRadians(degrees)), kPlaces); }
double SinDeg(double degrees) { return RoundTo(std::sin(ToRadians(degrees)), kPlaces); }
double CosDeg(double degrees) { return RoundTo(std::cos(ToRadians(degrees)), kPlaces); }

double AtnDeg(double ratio) { return RoundTo(ToDegrees(std::atan(ratio)), kPlaces); }

double AsinDeg(double ratio) {
  const double cosine = std::sqrt(1 - ratio * ratio);
  return RoundTo(ToDegrees(std::atan(ratio / cosine)), kPlaces);
}

double AcosDeg(double ratio) {
  const double sine = std::sqrt(1 - ratio * ratio);
  return RoundTo(ToDegrees(std::atan(sine / ratio)), kPlaces);
}

}  // namespace draftcalc
