#include "controls/splitter_layout.h"

#include <cmath>
#include <limits>

int32_t SplitterRound(double value) {
  double r = std::nearbyint(value);
  if (!(r > std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
  if (!(r < std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(r);
}

bool SplitterCandidatePosition(TSplitterPanelResizeBehavior behavior, int32_t S, int32_t T, double R, int32_t F,
                               int32_t& candidate) {
  switch (behavior) {
    case rbProportional:
      if (R < 0) return false;
      candidate = SplitterRound(S * R - T * 0.5);
      return true;
    case rbFixedSideA:
      if (F < 0) return false;
      candidate = F;
      return true;
    case rbFixedSideB:
      if (F < 0) return false;
      candidate = S - F - T;
      return true;
    case rbMiddle: candidate = SplitterRound(S * 0.5 - T * 0.5); return true;
    case rbThirdOne: candidate = SplitterRound(S / 3.0 - T * 0.5); return true;
    case rbThirdTwo: candidate = SplitterRound(S / 3.0 * 2 - T * 0.5); return true;
  }
  return false;
}

bool ValidateSplitterPosition(int32_t& V, int32_t S, int32_t minA, int32_t minB) {
  if (V < minA) V = minA;
  if (V > S - minB) V = S - minB;
  return S - minB > minA;
}

double SplitterRelativePosition(int32_t sideA, int32_t S, int32_t T) {
  if (S <= 0 || sideA <= 0) return -1.0;
  return (sideA + T * 0.5) / S;
}
