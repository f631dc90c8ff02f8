#include "python/errors.h"

namespace py = pybind11;

namespace draftcalc::python {
namespace {

py::object TextOf(const std::string& message) {
  PyObject* text = PyUnicode_DecodeUTF8(message.data(), static_cast<Py_ssize_t>(message.size()), "replace");
  if (text == nullptr) throw py::error_already_set();
  return py::reinterpret_steal<py::object>(text);
}

// The str of an object as UTF-8, anything unencodable written out.
std::string Utf8Of(py::handle object, const char* fallback) {
  py::object text = py::reinterpret_steal<py::object>(PyObject_Str(object.ptr()));
  py::object bytes =
      text ? py::reinterpret_steal<py::object>(PyUnicode_AsEncodedString(text.ptr(), "utf-8", "backslashreplace"))
           : py::object();
  if (!bytes) {
    PyErr_Clear();
    return fallback;
  }
  return {PyBytes_AS_STRING(bytes.ptr()), static_cast<size_t>(PyBytes_GET_SIZE(bytes.ptr()))};
}

// type(message), or nothing (no error pending) when the type wants more.
py::object MadeWithMessage(py::handle type, const py::object& message) {
  PyObject* made = PyObject_CallOneArg(type.ptr(), message.ptr());
  if (made != nullptr && PyExceptionInstance_Check(made)) return py::reinterpret_steal<py::object>(made);
  Py_XDECREF(made);
  PyErr_Clear();
  return {};
}

}  // namespace

void Raise(PyObject* type, const std::string& message) {
  PyErr_SetObject(type, TextOf(message).ptr());
  throw py::error_already_set();
}

void RaisePrefixed(py::error_already_set& error, const std::string& prefix) {
  const py::object original = error.value();
  const py::object message = TextOf(prefix + Utf8Of(original, "(an error whose message cannot be read)"));
  py::object raised = MadeWithMessage(error.type(), message);
  if (raised) {
    // Its own cause stays its cause.
    if (PyObject* cause = PyException_GetCause(original.ptr())) PyException_SetCause(raised.ptr(), cause);
  } else {
    raised = MadeWithMessage(PyExc_ValueError, message);
    if (!raised) throw py::error_already_set();
    PyException_SetCause(raised.ptr(), original.inc_ref().ptr());
  }
  if (error.trace()) PyException_SetTraceback(raised.ptr(), error.trace().ptr());
  PyErr_SetObject(reinterpret_cast<PyObject*>(Py_TYPE(raised.ptr())), raised.ptr());
  throw py::error_already_set();
}

std::string Shown(py::handle name) {
  // The base type's repr: a subclass's own could run Python code.
  const bool isStr = PyUnicode_Check(name.ptr());
  py::object repr =
      py::reinterpret_steal<py::object>(isStr ? PyUnicode_Type.tp_repr(name.ptr()) : PyObject_Repr(name.ptr()));
  if (!repr) {
    PyErr_Clear();
    return "(a name that cannot be shown)";
  }
  return Utf8Of(repr, "(a name that cannot be shown)");
}

}  // namespace draftcalc::python
