#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <string_view>

// numpy arrays of Python objects, as pandas keeps columns of str.

namespace draftcalc::python {

// A one-dimensional array of `size` objects, each None.
pybind11::array NewObjectArray(size_t size);

// Puts `object` at `index` of an array NewObjectArray made, in place of what was there.
inline void SetObject(pybind11::array& array, size_t index, pybind11::handle object) {
  PyObject** slots = static_cast<PyObject**>(array.mutable_data());
  PyObject* old = slots[index];
  slots[index] = object.inc_ref().ptr();
  Py_XDECREF(old);
}

// The same for a text, decoded from UTF-8 (the remarks are Japanese).
void SetText(pybind11::array& array, size_t index, std::string_view text);

}  // namespace draftcalc::python
