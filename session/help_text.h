#pragma once

#include <array>
#include <string_view>

namespace draftcalc::session::help {

// The texts of the help window. The sign rules are worked out from the
// solvers and stand word for word in the README too.

struct Entry {
  std::string_view key, text;
};

inline constexpr std::array<Entry, 6> kCodes = {{
    {"8", "point at (X, Y)"},
    {"0", "circle: centre (X, Y), radius R, side S"},
    {"1, 2", "line through (X, Y) at angle A degrees (1 in row 1, 2 in row 2)"},
    {"3", "line through (X, Y) at angle A, moved by B to the left of its direction"},
    {"5", "value row: C (row 2)"},
    {"99", "row 3 not used (so is any D that is not a number from 0 to below 10)"},
}};

inline constexpr std::string_view kSignNote =
    "Left and right are seen looking along a line's direction A. Only the sign of S counts: "
    "S = 1 stands for any positive S, S = -1 for any negative one.";

inline constexpr std::array<Entry, 12> kSignRules = {{
    {"1.1", "No signs to choose: A is the direction from point 1 to point 2."},
    {"1.2", "R > 0: the tangent that has the circle on its left; R < 0: on its right."},
    {"1.3",
     "Each circle lies left of the tangent when its R > 0 and right of it when its R < 0: "
     "equal signs give an outer tangent, opposite signs a crossing one."},
    {"2.1", "No signs to choose; B > 0 moves a code-3 line to its left, B < 0 to its right."},
    {"2.2",
     "S = 1: the intersection with the larger X (on a level line the smaller X, on an upright line the larger Y); "
     "S = -1: the other one; S empty or 0: the point midway between them. "
     "All reversed when the line's X lies right of the circle's centre."},
    {"2.3",
     "S of row 3 = 1: the intersection left of the line from the row-1 centre to the row-3 centre; "
     "S = -1: the one right of it. A negative R in row 1 swaps them."},
    {"3.1",
     "R and C of one sign: the circles touch internally; opposite signs: externally. "
     "S = 1: the centre right of the line from the point to the circle's centre when C > 0, left when C < 0; "
     "S = -1: the other side. Runs when the point lies within |C + |R|| of the circle's centre, else 3.2."},
    {"3.2",
     "R > 0: the tangent from the point that has the circle on its left (R < 0: on its right); "
     "C > 0: the new circle right of that tangent (C < 0: left of it); "
     "S = 1: it touches the circle internally, S = -1: externally; "
     "of the two centres that remain, S chooses as in 2.2."},
    {"3.3",
     "C > 0: the new circle right of the line (C < 0: left of it); "
     "S = 1: it touches the circle internally, S = -1: externally; "
     "of the two centres that remain, S chooses as in 2.2."},
    {"3.4",
     "R and C of one sign: the new circle touches that circle internally; opposite signs: externally. "
     "S of row 3 = 1: the centre left of the line from the row-1 centre to the row-3 centre; S = -1: right of it. "
     "Swapped when R of row 1 is less than C."},
    {"3.5", "No signs to choose."},
    {"3.6",
     "The circle on the same side of all three lines (left of each, or right of each): "
     "turning one line's A by 180 degrees picks another of the four touching circles."},
}};

inline constexpr std::array<Entry, 19> kShortcuts = {{
    {"Enter", "Calculate"},
    {"Tab, Shift+Tab", "next, previous box"},
    {"Click on a candidate",
     "on its number in the picture or its row in the candidates list: its edits are written into the rows and "
     "calculated (a candidate not reachable with these rows is only selected)"},
    {"Ctrl+Down, Ctrl+Up", "pick the next, previous candidate, from anywhere in the window"},
    {"Tab, Shift+Tab in the candidates list",
     "pick the next, previous candidate; past the last or the first, on to the next control"},
    {"Ctrl+Shift+C",
     "copy the answer as one tab-separated line: X, Y, A, R, remark; in the candidates list, with a candidate "
     "selected, that candidate's line instead: number, X, Y, A, R, edits"},
    {"Right-click on an answer", "copy that field or the whole answer"},
    {"Wheel, drag on the picture",
     "zoom in or out a slider step about the point under the pointer; drag with the left or middle button to pan"},
    {"F or Home, +, -, arrow keys on the picture",
     "zoom to fit the rows, the answer and the candidates; zoom in, out about the centre; pan (click the picture "
     "first)"},
    {"Ctrl+E", "export the picture: PNG as shown, SVG or DXF in drawing units (millimetres)"},
    {"Ctrl+H",
     "show the history of calculations in the candidates list's place, newest first, or hide it; double-click or "
     "Enter on a calculation writes its rows back into the boxes and calculates them"},
    {"Ctrl+S", "save the rows and their answer as a CSV file of one record, with draftcalc-cli's columns"},
    {"Ctrl+O",
     "open a CSV file of rows (columns x1 .. s3, as draftcalc-cli reads them): its first record is calculated, and "
     "of several records a list lets you choose one; dropping a CSV file on the window does the same"},
    {"Ctrl+PgDn, Ctrl+PgUp", "calculate the next, previous record of the file opened"},
    {"Right-click on the picture",
     "Zoom to fit; Fit after each calculation that leaves the answer out of view (on at first, kept); Export; "
     "Open rows, Save rows, History, Keep a history of calculations (on or off, remembered); About draftcalc: "
     "version, licence, libraries"},
    {"Ctrl+Z",
     "undo what the program last did to the rows (Clear, a candidate picked, a record opened or restored), the "
     "answer with them; in a box you have typed into, undo the typing first"},
    {"Ctrl+Shift+Z, Ctrl+Y", "redo what Ctrl+Z undid"},
    {"F1", "this help"},
    {"Esc", "close this help"},
}};

}  // namespace draftcalc::session::help
