// Calculations 1.1 (angle of two points), 1.2 and 1.3 (tangent angles).
#include <gtest/gtest.h>

#include "core/messages.h"
#include "engine_fixture.h"

namespace draftcalc {
namespace {

const std::string kNoTangent(messages::kNoTangent);
const std::string kCentresCoincide(messages::kCentresCoincide);

INSTANTIATE_TEST_SUITE_P(
    AngleOfTwoPoints, Calculation,
    testing::Values(CalcCase{"Diagonal", Point("0", "0"), Point("1", "1"), {}, Shows("0", "0", "45")},
                    CalcCase{"ThreeFour", Point("0", "0"), Point("3", "4"), {}, Shows("0", "0", "53.1301")},
                    CalcCase{"DownLeft", Point("0", "0"), Point("-1", "-1"), {}, Shows("0", "0", "-135")},
                    CalcCase{"UpLeft", Point("0", "0"), Point("-1", "1"), {}, Shows("0", "0", "135")},
                    CalcCase{"MinusThreeFour", Point("0", "0"), Point("-3", "4"), {}, Shows("0", "0", "126.8699")},
                    CalcCase{"StraightLeftGivesZero", Point("0", "0"), Point("-5", "0"), {}, Shows("0", "0", "0")},
                    CalcCase{"StraightDownGives90", Point("0", "0"), Point("0", "-5"), {}, Shows("0", "0", "90")},
                    CalcCase{"CoincidentGives90", Point("2", "3"), Point("2", "3"), {}, Shows("2", "3", "90")},
                    CalcCase{"FirstPointUnrounded", Point("2.5", "7"), Point("5", "7"), {}, Shows("2.5", "7", "0")},
                    CalcCase{"FirstPointAsTyped",
                             Point("1.234567", "-1e-7"),
                             Point("9", "9"),
                             {},
                             Shows("1.234567", "-1E-07", "49.2115")},
                    CalcCase{"SteepFarAway", Point("0", "0"), Point("1e-300", "1e300"), {}, Shows("0", "0", "90")}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    TangentAngles, Calculation,
    testing::Values(
        CalcCase{"EqualCircles", Circle("0", "0", "1"), Circle("10", "0", "1"), {}, Shows("0", "-1", "0")},
        CalcCase{"PointToCircle", Point("0", "0"), Circle("10", "0", "5"), {}, Shows("0", "0", "-30")},
        CalcCase{"PointToCircleShifted", Point("5", "5"), Circle("15", "5", "5"), {}, Shows("5", "5", "-30")},
        CalcCase{"UnequalCircles", Circle("0", "0", "2"), Circle("10", "0", "1"), {}, Shows("0", "-2", "5.73917")},
        CalcCase{"LargerCircles", Circle("0", "0", "10"), Circle("30", "0", "5"), {}, Shows("2", "-10", "9.59407")},
        CalcCase{"CircleToPoint", Circle("0", "0", "5"), Point("20", "0"), {}, Shows("1", "-5", "14.47751")},
        CalcCase{"CircleStraightAbove", Point("0", "0"), Circle("0", "10", "5"), {}, Shows("0", "0", "60")},
        CalcCase{"UpperLeft", Circle("0", "0", "1"), Circle("-10", "10", "1"), {}, Shows("1", "1", "135")},
        CalcCase{"StraightLeftEqualRadii", Circle("0", "0", "1"), Circle("-10", "0", "1"), {}, Shows("0", "-1", "0")},
        CalcCase{"NegativeRadii", Circle("0", "0", "-1"), Circle("10", "0", "-1"), {}, Shows("0", "1", "0")},
        CalcCase{"InnerTangent", Circle("0", "0", "1"), Circle("10", "0", "-1"), {}, Shows("0", "-1", "11.53696")},
        // A second centre straight below: the arcsine pole at -1 is -90.
        CalcCase{"CircleStraightBelow", Point("0", "0"), Circle("0", "-10", "5"), {}, Shows("0", "0", "-120")},
        CalcCase{"CirclesStraightBelow", Circle("0", "0", "1"), Circle("0", "-10", "1"), {}, Shows("-1", "0", "-90")},
        // Straight to the left with unequal radii: the common tangent below both.
        CalcCase{
            "StraightLeftUnequal", Circle("0", "0", "2"), Circle("-10", "0", "1"), {}, Shows("0", "-2", "-5.73917")},
        CalcCase{
            "NearlyStraightLeft", Circle("0", "0", "2"), Circle("-10", "1e-9", "1"), {}, Shows("0", "-2", "-5.73917")},
        // The point lies on the circle: the tangent is perpendicular to the radius there.
        CalcCase{"PointOnCircle", Point("0", "0"), Circle("10", "0", "10"), {}, Shows("0", "0", "-90")},
        CalcCase{"PointOnNegativeCircle", Point("0", "0"), Circle("10", "0", "-10"), {}, Shows("0", "0", "90")},
        CalcCase{"PointInsideCircle", Point("0", "0"), Circle("1", "0", "5"), {}, Remark(kNoTangent)},
        CalcCase{"CircleInsideCircle", Circle("0", "0", "10"), Circle("1", "0", "2"), {}, Remark(kNoTangent)},
        CalcCase{"SameCentre", Circle("3", "3", "1"), Circle("3", "3", "2"), {}, Remark(kCentresCoincide)},
        CalcCase{"SamePoint", Point("3", "3"), Circle("3", "3", "0"), {}, Remark(kCentresCoincide)}),
    CaseName);

}  // namespace
}  // namespace draftcalc
