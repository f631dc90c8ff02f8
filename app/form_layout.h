#pragma once

namespace draftcalc::app {

// Design sizes of the window shared by its layout code, in twips.
inline constexpr double kClientWidth = 9288, kClientHeight = 7524;
inline constexpr double kScrollBarThickness = 372;
inline constexpr double kStatusBarHeight = 372;

}  // namespace draftcalc::app
