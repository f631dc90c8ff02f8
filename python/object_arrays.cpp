#include "python/object_arrays.h"

namespace py = pybind11;

namespace draftcalc::python {

py::array NewObjectArray(size_t size) {
  // numpy.empty fills an array of objects with None, so that every slot
  // holds a reference before it is replaced.
  static const py::handle empty = py::object(py::module_::import("numpy").attr("empty")).release();
  return empty(size, py::arg("dtype") = "object");
}

void SetText(py::array& array, size_t index, std::string_view text) {
  const py::object value = py::reinterpret_steal<py::object>(
      PyUnicode_DecodeUTF8(text.data(), static_cast<Py_ssize_t>(text.size()), nullptr));
  if (!value) throw py::error_already_set();
  SetObject(array, index, value);
}

}  // namespace draftcalc::python
