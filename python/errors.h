#pragma once

#include <pybind11/pybind11.h>

#include <string>

namespace draftcalc::python {

// Raises a Python exception of `type` whose message is the whole of
// `message`: made from its length, so that no character (a NUL included)
// can cut it short.
[[noreturn]] void Raise(PyObject* type, const std::string& message);

// Raises the error caught in `error` again with its message led by `prefix`
// ("record 3: ", "box 'x1': "): as the same type where that type takes a
// message alone, else as a ValueError caused by it (a UnicodeEncodeError
// needs five arguments), so that whatever raised it, the message says where.
[[noreturn]] void RaisePrefixed(pybind11::error_already_set& error, const std::string& prefix);

// A name as messages show it: Python's repr, which writes out what cannot
// be shown (a NUL, a lone surrogate).
std::string Shown(pybind11::handle name);

}  // namespace draftcalc::python
