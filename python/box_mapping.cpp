#include "python/box_mapping.h"

#include <cmath>
#include <string>
#include <string_view>

#include "python/errors.h"

namespace py = pybind11;

namespace draftcalc::python {
namespace {

std::string TypeName(py::handle object) { return Py_TYPE(object.ptr())->tp_name; }

std::string_view Utf8Of(py::handle text) {
  Py_ssize_t size = 0;
  const char* data = PyUnicode_AsUTF8AndSize(text.ptr(), &size);
  if (data == nullptr) throw py::error_already_set();  // a lone surrogate
  return {data, static_cast<size_t>(size)};
}

// Runs a step of reading box `shown` in which Python itself may fail (a
// lone surrogate, an int too long to write): its error names the box too.
template <class Step>
auto ForBox(const std::string& shown, Step step) {
  try {
    return step();
  } catch (py::error_already_set& error) {
    RaisePrefixed(error, "box " + shown + ": ");
  }
}

// The text of a number as the base type's repr writes it. The base type's
// slot, not the object's own __repr__: a subclass's Python code could change
// the mapping while its views are held.
py::object NumberText(py::handle value, PyTypeObject& baseType) {
  py::object text = py::reinterpret_steal<py::object>(baseType.tp_repr(value.ptr()));
  if (!text) throw py::error_already_set();
  return text;
}

// The str holding the box's text: the value itself, or the text of a number.
py::handle TextOf(const std::string& name, py::handle value, std::vector<py::object>& keepAlive) {
  PyObject* object = value.ptr();
  if (PyUnicode_Check(object)) return value;
  if (PyLong_Check(object) && !PyBool_Check(object)) {
    keepAlive.push_back(ForBox(name, [&] { return NumberText(value, PyLong_Type); }));
    return keepAlive.back();
  }
  if (PyFloat_Check(object)) {
    if (!std::isfinite(PyFloat_AS_DOUBLE(object))) {
      Raise(PyExc_ValueError, "box " + name + ": " + Shown(value) + " is not a finite number");
    }
    keepAlive.push_back(ForBox(name, [&] { return NumberText(value, PyFloat_Type); }));
    return keepAlive.back();
  }
  Raise(PyExc_TypeError, "box " + name + ": the text must be a str, int or float, not " + TypeName(value));
}

void GiveBox(py::handle key, py::handle value, csv::NamedBoxes& boxes, std::vector<py::object>& keepAlive) {
  if (!PyUnicode_Check(key.ptr())) Raise(PyExc_TypeError, "box names are str, not " + TypeName(key));
  const std::string shown = Shown(key);
  Py_ssize_t size = 0;
  const char* name = PyUnicode_AsUTF8AndSize(key.ptr(), &size);
  if (name == nullptr) PyErr_Clear();  // a lone surrogate: no box either
  const auto box = name != nullptr ? csv::ParseBoxName({name, static_cast<size_t>(size)}) : std::nullopt;
  if (!box) Raise(PyExc_ValueError, shown + " is not an input box: the boxes are x1 .. s3 (either case)");
  const py::handle textObject = TextOf(shown, value, keepAlive);
  const std::string_view text = ForBox(shown, [&] { return Utf8Of(textObject); });
  if (boxes.Give(*box, text) != csv::NamedBoxes::Refusal::kNone) {
    Raise(PyExc_ValueError, "input box " + csv::BoxNameText(*box) + " is given twice");
  }
}

bool IsMapping(py::handle object) {
  static PyObject* const mappingType =
      py::object(py::module_::import("collections.abc").attr("Mapping")).release().ptr();
  const int isMapping = PyObject_IsInstance(object.ptr(), mappingType);
  if (isMapping < 0) throw py::error_already_set();
  return isMapping == 1;
}

}  // namespace

void ReadBoxes(py::handle mapping, csv::NamedBoxes& boxes, std::vector<py::object>& keepAlive) {
  if (PyDict_Check(mapping.ptr())) {
    // Nothing below runs Python code, so the dict cannot change under the loop.
    Py_ssize_t position = 0;
    PyObject *key = nullptr, *value = nullptr;
    while (PyDict_Next(mapping.ptr(), &position, &key, &value)) GiveBox(key, value, boxes, keepAlive);
    return;
  }
  if (!IsMapping(mapping)) {
    Raise(PyExc_TypeError, "the boxes must be a mapping of box names to texts, not " + TypeName(mapping));
  }
  py::list items = py::reinterpret_steal<py::list>(PyMapping_Items(mapping.ptr()));
  if (!items) throw py::error_already_set();
  for (py::handle item : items) {
    if (!PyTuple_Check(item.ptr()) || PyTuple_GET_SIZE(item.ptr()) != 2) {
      Raise(PyExc_TypeError, "the items of the boxes must be (name, text) pairs, not " + TypeName(item));
    }
    GiveBox(PyTuple_GET_ITEM(item.ptr(), 0), PyTuple_GET_ITEM(item.ptr(), 1), boxes, keepAlive);
  }
  keepAlive.push_back(std::move(items));
}

}  // namespace draftcalc::python
