"""Touching points come as (x, y) floats, the same as draftcalc-cli's columns."""

import math

import draftcalc


def test_a_tangent_from_a_point_touches_the_circle_where_the_radius_is_square_to_it():
    found = draftcalc.candidates({"x1": 20, "y1": 0, "d1": 8, "x2": 0, "y2": 0, "d2": 0, "r2": 10})
    assert [c["candA"] for c in found] == ["-30", "30"]  # the answer's 30, not -150
    for candidate in found:
        [(x, y)] = candidate["touch"]
        assert isinstance(x, float) and isinstance(y, float)
        assert math.isclose(math.hypot(x, y), 10, rel_tol=1e-15)
        assert abs((x - 0) * (x - 20) + y * (y - 0)) < 1e-12  # radius square to the tangent


def test_circles_touching_two_circles_list_both_points_and_intersections_none():
    found = draftcalc.candidates({"d1": 0, "r1": 10, "d2": 5, "c2": -5, "x3": 20, "d3": 0, "r3": 10, "s3": 1})
    assert [c["touch"] for c in found][:2] == [[(10.0, 0.0), (10.0, 0.0)], [(10.0, 0.0), (10.0, 0.0)]]
    crossing = draftcalc.candidates({"d1": 0, "r1": 10, "d2": 5, "x3": 5, "d3": 0, "r3": 10})
    assert crossing and all(c["touch"] == [] for c in crossing)
    assert draftcalc.CANDIDATE_KEYS[-1] == "touch"


def test_the_fillets_of_two_lines_come_first_marked_plus_with_a_point_on_each_line():
    found = draftcalc.candidates({"d1": 3, "a1": 0, "d2": 5, "c2": 5, "d3": 3, "a3": 90})
    fillets = [c for c in found if c["candSet"] == "+"]
    assert found[: len(fillets)] == fillets and len(fillets) == 4
    for candidate in fillets:
        (x1, y1), (x3, y3) = candidate["touch"]
        assert y1 == 0 and x3 == 0  # on line 1 (the X axis), on line 3 (the Y axis)
        assert float(candidate["candR"]) == 5
