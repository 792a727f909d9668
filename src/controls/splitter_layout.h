// The arithmetic of the splitter panels: where side A ends for each resize
// behaviour, how a candidate is kept inside the sides' minima, and the
// relative position that settings store. Plain C++ so that it is tested
// without widgets.
#pragma once

#include <cstdint>

enum TSplitterPanelOrientation { soHorizontal, soVertical };
enum TSplitterPanelResizeBehavior { rbProportional, rbFixedSideA, rbFixedSideB, rbMiddle, rbThirdOne, rbThirdTwo };

// Halves go to the even neighbour (97.5 -> 98, 98.5 -> 98).
int32_t SplitterRound(double value);

// The size of side A that the behaviour asks for, panel size S, splitter
// thickness T, relative position R, fixed side size F. False when the
// behaviour has nothing to go by (negative R or F).
bool SplitterCandidatePosition(TSplitterPanelResizeBehavior behavior, int32_t S, int32_t T, double R, int32_t F,
                               int32_t& candidate);

// Clamps V between minA and S - minB; true when that range is not empty.
bool ValidateSplitterPosition(int32_t& V, int32_t S, int32_t minA, int32_t minB);

// (side A size + T / 2) / S, the centre line as a fraction; -1 when unknown.
double SplitterRelativePosition(int32_t sideA, int32_t S, int32_t T);
