#include "python/box_mapping.h"

#include <cmath>
#include <string>
#include <string_view>

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

std::string Quoted(std::string_view name) { return "'" + std::string(name) + "'"; }

// The text of a number as the base type's repr writes it. The base type's
// slot, not the object's own __repr__: a subclass's Python code could change
// the mapping while its views are held.
py::object NumberText(py::handle value, PyTypeObject& baseType) {
  py::object text = py::reinterpret_steal<py::object>(baseType.tp_repr(value.ptr()));
  if (!text) throw py::error_already_set();
  return text;
}

// The str holding the box's text: the value itself, or the text of a number.
py::handle TextOf(std::string_view name, py::handle value, std::vector<py::object>& keepAlive) {
  PyObject* object = value.ptr();
  if (PyUnicode_Check(object)) return value;
  if (PyLong_Check(object) && !PyBool_Check(object)) {
    keepAlive.push_back(NumberText(value, PyLong_Type));
    return keepAlive.back();
  }
  if (PyFloat_Check(object)) {
    if (!std::isfinite(PyFloat_AS_DOUBLE(object))) {
      throw py::value_error("box " + Quoted(name) + ": " + py::repr(value).cast<std::string>() +
                            " is not a finite number");
    }
    keepAlive.push_back(NumberText(value, PyFloat_Type));
    return keepAlive.back();
  }
  throw py::type_error("box " + Quoted(name) + ": the text must be a str, int or float, not " + TypeName(value));
}

void GiveBox(py::handle key, py::handle value, csv::NamedBoxes& boxes, std::vector<py::object>& keepAlive) {
  if (!PyUnicode_Check(key.ptr())) throw py::type_error("box names are str, not " + TypeName(key));
  const std::string_view name = Utf8Of(key);
  const std::optional<csv::BoxName> box = csv::ParseBoxName(name);
  if (!box) throw py::value_error(Quoted(name) + " is not an input box: the boxes are x1 .. s3 (either case)");
  const std::string_view text = Utf8Of(TextOf(name, value, keepAlive));
  if (boxes.Give(*box, text) != csv::NamedBoxes::Refusal::kNone) {
    throw py::value_error("input box " + csv::BoxNameText(*box) + " is given twice");
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
    throw py::type_error("the boxes must be a mapping of box names to texts, not " + TypeName(mapping));
  }
  py::list items = py::reinterpret_steal<py::list>(PyMapping_Items(mapping.ptr()));
  if (!items) throw py::error_already_set();
  for (py::handle item : items) {
    if (!PyTuple_Check(item.ptr()) || PyTuple_GET_SIZE(item.ptr()) != 2) {
      throw py::type_error("the items of the boxes must be (name, text) pairs, not " + TypeName(item));
    }
    GiveBox(PyTuple_GET_ITEM(item.ptr(), 0), PyTuple_GET_ITEM(item.ptr(), 1), boxes, keepAlive);
  }
  keepAlive.push_back(std::move(items));
}

}  // namespace draftcalc::python
