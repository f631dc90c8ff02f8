#pragma once

#include <string_view>

namespace draftcalc::messages {

// Remarks shown in ansRem.
inline constexpr std::string_view kWrongOrder = "入力順違いで計算出来ない";
inline constexpr std::string_view kLinesDoNotMeet = "交点が求められませんでした。";
inline constexpr std::string_view kLineMissesCircle = "交点無し??";
inline constexpr std::string_view kCirclesTooFarApart = "交点無し?";
inline constexpr std::string_view kNoIntersection = "交点無し!!";
inline constexpr std::string_view kBothChordsHorizontal = "求められませんでした。!!";
inline constexpr std::string_view kPointsCollinear = "求められない";

// Remarks for inputs on which the construction has no value.
inline constexpr std::string_view kCentresCoincide = "中心が重なり求められない";
inline constexpr std::string_view kNoTangent = "接線が求められない";
inline constexpr std::string_view kRadiusDifferenceZero = "半径の差が0で求められない";
inline constexpr std::string_view kNumberOutOfRange = "数値が範囲外で計算出来ない";

}  // namespace draftcalc::messages
