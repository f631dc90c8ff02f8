#pragma once

#include <array>
#include <string_view>

#include "core/translatable.h"

namespace draftcalc::session::help {

// The texts of the help window, marked for the translations (the help
// shows them in the window's language). The sign rules are worked out from
// the solvers and stand word for word in the README too.

struct Entry {
  std::string_view key, text;
};

inline constexpr std::array<Entry, 6> kCodes = {{
    {"8", QT_TRANSLATE_NOOP("draftcalc", "point at (X, Y)")},
    {"0", QT_TRANSLATE_NOOP("draftcalc", "circle: centre (X, Y), radius R, side S")},
    {"1, 2", QT_TRANSLATE_NOOP("draftcalc", "line through (X, Y) at angle A degrees (1 in row 1, 2 in row 2)")},
    {"3", QT_TRANSLATE_NOOP("draftcalc", "line through (X, Y) at angle A, moved by B to the left of its direction")},
    {"5", QT_TRANSLATE_NOOP("draftcalc", "value row: C (row 2)")},
    {"99", QT_TRANSLATE_NOOP("draftcalc", "row 3 not used (so is any D that is not a number from 0 to below 10)")},
}};

inline constexpr std::string_view kSignNote =
    QT_TRANSLATE_NOOP("draftcalc",
                      "Left and right are seen looking along a line's direction A. Only the sign of S counts: "
                      "S = 1 stands for any positive S, S = -1 for any negative one.");

inline constexpr std::array<Entry, 12> kSignRules = {{
    {"1.1", QT_TRANSLATE_NOOP("draftcalc", "No signs to choose: A is the direction from point 1 to point 2.")},
    {"1.2", QT_TRANSLATE_NOOP("draftcalc", "R > 0: the tangent that has the circle on its left; R < 0: on its right.")},
    {"1.3", QT_TRANSLATE_NOOP("draftcalc",
                              "Each circle lies left of the tangent when its R > 0 and right of it when its R < 0: "
                              "equal signs give an outer tangent, opposite signs a crossing one.")},
    {"2.1",
     QT_TRANSLATE_NOOP("draftcalc", "No signs to choose; B > 0 moves a code-3 line to its left, B < 0 to its right.")},
    {"2.2",
     QT_TRANSLATE_NOOP(
         "draftcalc",
         "S = 1: the intersection with the larger X (on a level line the smaller X, on an upright line the larger Y); "
         "S = -1: the other one; S empty or 0: the point midway between them. "
         "All reversed when the line's X lies right of the circle's centre.")},
    {"2.3",
     QT_TRANSLATE_NOOP("draftcalc",
                       "S of row 3 = 1: the intersection left of the line from the row-1 centre to the row-3 centre; "
                       "S = -1: the one right of it. A negative R in row 1 swaps them.")},
    {"3.1",
     QT_TRANSLATE_NOOP(
         "draftcalc",
         "R and C of one sign: the circles touch internally; opposite signs: externally. "
         "S = 1: the centre right of the line from the point to the circle's centre when C > 0, left when C < 0; "
         "S = -1: the other side. Runs when the point lies within |C + |R|| of the circle's centre, else 3.2.")},
    {"3.2",
     QT_TRANSLATE_NOOP("draftcalc",
                       "R > 0: the tangent from the point that has the circle on its left (R < 0: on its right); "
                       "C > 0: the new circle right of that tangent (C < 0: left of it); "
                       "S = 1: it touches the circle internally, S = -1: externally; "
                       "of the two centres that remain, S chooses as in 2.2.")},
    {"3.3", QT_TRANSLATE_NOOP("draftcalc",
                              "C > 0: the new circle right of the line (C < 0: left of it); "
                              "S = 1: it touches the circle internally, S = -1: externally; "
                              "of the two centres that remain, S chooses as in 2.2.")},
    {"3.4",
     QT_TRANSLATE_NOOP(
         "draftcalc",
         "R and C of one sign: the new circle touches that circle internally; opposite signs: externally. "
         "S of row 3 = 1: the centre left of the line from the row-1 centre to the row-3 centre; S = -1: right of it. "
         "Swapped when R of row 1 is less than C.")},
    {"3.5", QT_TRANSLATE_NOOP("draftcalc", "No signs to choose.")},
    {"3.6", QT_TRANSLATE_NOOP("draftcalc",
                              "The circle on the same side of all three lines (left of each, or right of each): "
                              "turning one line's A by 180 degrees picks another of the four touching circles.")},
}};

// The constructions no calculation gives: the rows that ask for each; their
// answers are listed first among the candidates.
inline constexpr std::string_view kConstructionNote = QT_TRANSLATE_NOOP(
    "draftcalc",
    "These rows have no calculation of their own (the answer shows a remark or another calculation's reading); "
    "their answers stand first in the candidates list, marked construction only (+ in draftcalc-cli's candSet), and "
    "a click selects one without changing the rows.");

inline constexpr std::array<Entry, 3> kConstructions = {{
    {QT_TRANSLATE_NOOP("draftcalc", "Fillet"),
     QT_TRANSLATE_NOOP("draftcalc",
                       "line / value / line (D 1-3, D 5 with C, D 1-3): the circles of radius |C| touching both lines "
                       "(4 for crossing lines, counter-clockwise around the crossing point), each with its touching "
                       "points T1 on line 1 and T2 on line 3")},
    {QT_TRANSLATE_NOOP("draftcalc", "Circle through a point touching a line"),
     QT_TRANSLATE_NOOP("draftcalc",
                       "point / value / line, or line / value / point: the circles of radius |C| through the point "
                       "touching the line (2 within 2|C| of it, 1 at exactly 2|C|), with the touching point T1")},
    {QT_TRANSLATE_NOOP("draftcalc", "Foot of the perpendicular"),
     QT_TRANSLATE_NOOP("draftcalc",
                       "point / line, or line / point, row 3 not used: the foot, its distance from the point as R and "
                       "the line's direction as A")},
}};

// Every remark: what it means, for which calculations, and what to check.
// The window and the page say why in numbers under the answers, and offer
// the nearest edit that gives one where there is one.
inline constexpr std::string_view kRemarkNote = QT_TRANSLATE_NOOP(
    "draftcalc",
    "A remark means there is no answer: the numbers beside it (grey) are not one, and nothing is drawn for them. "
    "Under the answers the reason stands in numbers, with a button for the nearest edit of one box that gives an "
    "answer where there is one; draftcalc-cli --explain writes the same.");

inline constexpr std::array<Entry, 11> kRemarks = {{
    {"入力順違いで計算出来ない",
     QT_TRANSLATE_NOOP(
         "draftcalc",
         "The rows are in no calculation's order (any calculation): check the D codes against the catalogue, e.g. a "
         "point with a line, D 2 in row 1, or a value row (D 5) that is not in row 2 before a circle.")},
    {"交点が求められませんでした。",
     QT_TRANSLATE_NOOP("draftcalc",
                       "Two lines do not meet (2.1, 3.6): they are parallel or coincide; check their angles A.")},
    {"交点無し??",
     QT_TRANSLATE_NOOP(
         "draftcalc",
         "A line misses a circle (2.2; in 3.2 and 3.3 the line on which the new circle's centre must lie misses the "
         "circle it must touch): the line passes farther from the centre than the radius, or |C| is too small for a "
         "circle touching both on the sides the signs choose; check R, C and the line's position.")},
    {"交点無し?",
     QT_TRANSLATE_NOOP(
         "draftcalc",
         "Two circles lie too far apart to meet (2.3), or for a circle of radius |C| to touch both (3.1, 3.4): the "
         "centres are farther apart than the radii reach; check the centres, R and C.")},
    {"交点無し!!",
     QT_TRANSLATE_NOOP(
         "draftcalc",
         "Two circles do not meet because one lies inside the other (2.3; in 3.1 and 3.4 for the circle of radius |C| "
         "the signs ask for), or in 3.6 no circle touches the three lines as their directions ask; check R, C and S, "
         "or turn a line's A by 180.")},
    {"求められませんでした。!!",
     QT_TRANSLATE_NOOP("draftcalc", "3.5: the three points lie on one level line; move one off it.")},
    {"求められない", QT_TRANSLATE_NOOP("draftcalc", "3.5: the three points lie on one line; move one off it.")},
    {"中心が重なり求められない",
     QT_TRANSLATE_NOOP(
         "draftcalc",
         "Two circles share their centre (1.3, 2.3, 3.1, 3.4), or in 1.2 the point is the circle's centre: there is "
         "no tangent, intersection or touching circle to find; move one centre.")},
    {"接線が求められない",
     QT_TRANSLATE_NOOP(
         "draftcalc",
         "No tangent passes as asked (1.2, 1.3, 3.2): the point lies inside the circle, one circle lies inside the "
         "other, or the signs of R ask for a tangent crossing between circles that overlap; move the point or change "
         "R.")},
    {"半径の差が0で求められない",
     QT_TRANSLATE_NOOP(
         "draftcalc",
         "2.3, 3.1, 3.4: R of row 1 equals C, so the circle of radius |C| touching circle 1 from inside is circle 1 "
         "itself and its centre cannot be placed; change R or C.")},
    {"数値が範囲外で計算出来ない",
     QT_TRANSLATE_NOOP(
         "draftcalc",
         "A number is too large to calculate with (any calculation): a distance or its square passes the largest "
         "double (about 1.8e308); check the boxes for a mistyped exponent.")},
}};

inline constexpr std::array<Entry, 20> kShortcuts = {{
    {"Enter", QT_TRANSLATE_NOOP("draftcalc", "Calculate")},
    {"Tab, Shift+Tab", QT_TRANSLATE_NOOP("draftcalc", "next, previous box")},
    {QT_TRANSLATE_NOOP("draftcalc", "Click on a candidate"),
     QT_TRANSLATE_NOOP(
         "draftcalc",
         "on its number in the picture or its row in the candidates list: its edits are written into the rows and "
         "calculated (a candidate not reachable with these rows is only selected)")},
    {"Ctrl+Down, Ctrl+Up",
     QT_TRANSLATE_NOOP("draftcalc", "pick the next, previous candidate, from anywhere in the window")},
    {QT_TRANSLATE_NOOP("draftcalc", "Tab, Shift+Tab in the candidates list"),
     QT_TRANSLATE_NOOP("draftcalc",
                       "pick the next, previous candidate; past the last or the first, on to the next control")},
    {QT_TRANSLATE_NOOP("draftcalc", "Use as row 1, 2, 3"),
     QT_TRANSLATE_NOOP(
         "draftcalc",
         "in the right-click menu of the candidates list and of the picture: the candidate selected written into that "
         "row as the element it is (a circle: X, Y, D 0, R, S 1; a tangent or the line of two points: X, Y, D 3, A, "
         "B 0; the perpendicular through a foot; an intersection: X, Y, D 8), every digit kept; Ctrl+Z brings the "
         "row back")},
    {"Ctrl+Shift+C",
     QT_TRANSLATE_NOOP(
         "draftcalc",
         "copy the answer as one tab-separated line: X, Y, A, R, remark; in the candidates list, with a candidate "
         "selected, that candidate's line instead: number, X, Y, A, R, edits, then X and Y of each touching point")},
    {QT_TRANSLATE_NOOP("draftcalc", "Right-click on an answer"),
     QT_TRANSLATE_NOOP("draftcalc", "copy that field or the whole answer")},
    {QT_TRANSLATE_NOOP("draftcalc", "Wheel, drag on the picture"),
     QT_TRANSLATE_NOOP(
         "draftcalc",
         "zoom in or out a slider step about the point under the pointer; drag with the left or middle button to pan")},
    {QT_TRANSLATE_NOOP("draftcalc", "F or Home, +, -, arrow keys on the picture"),
     QT_TRANSLATE_NOOP(
         "draftcalc",
         "zoom to fit the rows, the answer and the candidates; zoom in, out about the centre; pan (click the picture "
         "first)")},
    {"Ctrl+E",
     QT_TRANSLATE_NOOP("draftcalc", "export the picture: PNG as shown, SVG or DXF in drawing units (millimetres)")},
    {"Ctrl+H",
     QT_TRANSLATE_NOOP(
         "draftcalc",
         "show the history of calculations in the candidates list's place, newest first, or hide it; double-click or "
         "Enter on a calculation writes its rows back into the boxes and calculates them")},
    {"Ctrl+S",
     QT_TRANSLATE_NOOP("draftcalc",
                       "save the rows and their answer as a CSV file of one record, with draftcalc-cli's columns")},
    {"Ctrl+O",
     QT_TRANSLATE_NOOP(
         "draftcalc",
         "open a CSV file of rows (columns x1 .. s3, as draftcalc-cli reads them): its first record is calculated, and "
         "of several records a list lets you choose one; dropping a CSV file on the window does the same")},
    {"Ctrl+PgDn, Ctrl+PgUp", QT_TRANSLATE_NOOP("draftcalc", "calculate the next, previous record of the file opened")},
    {QT_TRANSLATE_NOOP("draftcalc", "Right-click on the picture"),
     QT_TRANSLATE_NOOP(
         "draftcalc",
         "Zoom to fit; Fit after each calculation that leaves the answer out of view (on at first, kept); Export; "
         "Open rows, Save rows, History, Keep a history of calculations (on or off, remembered); English, 日本語: the "
         "window's language (remembered); About draftcalc: "
         "version, licence, libraries")},
    {"Ctrl+Z",
     QT_TRANSLATE_NOOP(
         "draftcalc",
         "undo what the program last did to the rows (Clear, a candidate picked, a record opened or restored), the "
         "answer with them; in a box you have typed into, undo the typing first")},
    {"Ctrl+Shift+Z, Ctrl+Y", QT_TRANSLATE_NOOP("draftcalc", "redo what Ctrl+Z undid")},
    {"F1", QT_TRANSLATE_NOOP("draftcalc", "this help")},
    {"Esc", QT_TRANSLATE_NOOP("draftcalc", "close this help")},
}};

}  // namespace draftcalc::session::help
