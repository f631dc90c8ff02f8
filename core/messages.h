#pragma once

#include <string_view>

#include "core/translatable.h"

namespace draftcalc::messages {

// Remarks shown in ansRem, exactly so in every output; the window's English
// interface shows their English rendering (i18n/draftcalc_en.ts).
inline constexpr std::string_view kWrongOrder = QT_TRANSLATE_NOOP("draftcalc", "入力順違いで計算出来ない");
inline constexpr std::string_view kLinesDoNotMeet = QT_TRANSLATE_NOOP("draftcalc", "交点が求められませんでした。");
inline constexpr std::string_view kLineMissesCircle = QT_TRANSLATE_NOOP("draftcalc", "交点無し??");
inline constexpr std::string_view kCirclesTooFarApart = QT_TRANSLATE_NOOP("draftcalc", "交点無し?");
inline constexpr std::string_view kNoIntersection = QT_TRANSLATE_NOOP("draftcalc", "交点無し!!");
inline constexpr std::string_view kBothChordsHorizontal = QT_TRANSLATE_NOOP("draftcalc", "求められませんでした。!!");
inline constexpr std::string_view kPointsCollinear = QT_TRANSLATE_NOOP("draftcalc", "求められない");

// Remarks for inputs on which the construction has no value.
inline constexpr std::string_view kCentresCoincide = QT_TRANSLATE_NOOP("draftcalc", "中心が重なり求められない");
inline constexpr std::string_view kNoTangent = QT_TRANSLATE_NOOP("draftcalc", "接線が求められない");
inline constexpr std::string_view kRadiusDifferenceZero = QT_TRANSLATE_NOOP("draftcalc", "半径の差が0で求められない");
inline constexpr std::string_view kNumberOutOfRange = QT_TRANSLATE_NOOP("draftcalc", "数値が範囲外で計算出来ない");

}  // namespace draftcalc::messages
