#pragma once

#include <array>
#include <string_view>

#include "core/calculation_id.h"
#include "core/translatable.h"

namespace draftcalc::session {

// The calculation catalogue of the list box: for each of the twelve
// calculations a title and three guide lines (what to type into rows 1..3),
// then three blank lines. For reading only; the codes choose the calculation.
// The titles are marked for the window's translations; the guide lines read
// the same in every language.
inline constexpr std::array<std::string_view, 51> kCatalogue = {
    QT_TRANSLATE_NOOP("draftcalc", "1.1 ２点の角度"),
    "      1 x,y, 8",
    "      2 x,y, 8",
    "      3     99",
    QT_TRANSLATE_NOOP("draftcalc", "1.2 点と円の接線の角度"),
    "      1 x,y, 8",
    "      2 x,y, 0,r,s",
    "      3     99",
    QT_TRANSLATE_NOOP("draftcalc", "1.3 円と円の接線の角度"),
    "      1 x,y, 0,r,s",
    "      2 x,y, 0,r,s",
    "      3     99",
    QT_TRANSLATE_NOOP("draftcalc", "2.1 ２直線の交点"),
    "      1 x,y, 3,A,B",
    "      2 x,y, 3,A,B",
    "      3     99",
    QT_TRANSLATE_NOOP("draftcalc", "2.2 直線と円の交点"),
    "      1 x,y, 3,A,B",
    "      2 x,y, 0,r,s",
    "      3     99",
    QT_TRANSLATE_NOOP("draftcalc", "2.3 円と円の交点"),
    "      1 x,y, 0,r,s",
    "      2      5,±0.001",
    "      3 x,y, 0,r,s",
    QT_TRANSLATE_NOOP("draftcalc", "3.1 点と円に接する円"),
    "      1 x,y, 8",
    "      2      5,c2",
    "      3 x,y, 0,r,s",
    QT_TRANSLATE_NOOP("draftcalc", "3.2 円と接線に接する円"),
    "      1 x,y, 8",
    "      2      5,c",
    "      3 x,y, 0,r,s",
    QT_TRANSLATE_NOOP("draftcalc", "3.3 直線と円に接する円"),
    "      1 x,y, 3,A,B",
    "      2      5,c",
    "      3 x,y, 0,r,s",
    QT_TRANSLATE_NOOP("draftcalc", "3.4 ２円に接する円"),
    "      1 x,y, 0,r,s",
    "      2      5,c",
    "      3 x,y, 0,r,s",
    QT_TRANSLATE_NOOP("draftcalc", "3.5 ３点を通る円"),
    "      1 x,y, 8",
    "      2 x,y, 8",
    "      3 x,y, 8",
    QT_TRANSLATE_NOOP("draftcalc", "3.6 ３直線に接する円"),
    "      1 x,y, 3,A,B",
    "      2 x,y, 3,A,B",
    "      3 x,y, 3,A,B",
    "      ",
    "      ",
    "      ",
};

// The line selected at start-up: the first guide line of 1.2.
inline constexpr int kCatalogueStartIndex = 5;

// The index of a calculation's title line; the guide lines follow it.
constexpr int CatalogueTitleIndex(CalculationId id) { return 4 * (static_cast<int>(id) - 1); }

// "3.2 円と接線に接する円" and the like; empty for kNone.
constexpr std::string_view CatalogueTitle(CalculationId id) {
  return id == CalculationId::kNone ? std::string_view() : kCatalogue[static_cast<size_t>(CatalogueTitleIndex(id))];
}

}  // namespace draftcalc::session
