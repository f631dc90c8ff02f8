#pragma once

#include <pybind11/pybind11.h>

#include <vector>

#include "csv/named_boxes.h"

namespace draftcalc::python {

// Reads a mapping of box names ("x1" .. "s3", either case) to box texts into
// `boxes`, which the caller has reset. A text is a str, or an int or a float
// written as int() and float() write themselves ("12", "0.1", "1e-07"); the
// boxes keep views into the str objects' UTF-8. Texts made from numbers (and,
// for a mapping other than a dict, its items) go to `keepAlive`; the mapping
// and those must stay alive while the texts are used.
//
// Throws TypeError for a mapping that is none, a name that is no str or a
// text of another type (bool included), ValueError for a name that is no box,
// a box named twice or a float that is not finite.
void ReadBoxes(pybind11::handle mapping, csv::NamedBoxes& boxes, std::vector<pybind11::object>& keepAlive);

}  // namespace draftcalc::python
