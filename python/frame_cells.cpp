#include "python/frame_cells.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>

#include "core/box_texts.h"
#include "core/float_chars.h"
#include "python/errors.h"
#include "python/text_number.h"

namespace py = pybind11;

namespace draftcalc::python {
namespace {

std::string Where(const BoxColumnCells& column, size_t row) {
  return "row " + std::to_string(row) + ", column " + column.label + ": ";
}

template <class Integer>
void AddInteger(TextRun& texts, Integer value) {
  char digits[24];
  const auto written = std::to_chars(digits, digits + sizeof digits, value);
  texts.Add({digits, static_cast<size_t>(written.ptr - digits)});
}

// NaN is a missing cell, as pandas writes one; infinity no number a box holds.
void AddFloat(BoxColumnCells& column, size_t row, double value) {
  if (std::isnan(value)) return column.texts.Add("");
  if (!std::isfinite(value)) {
    Raise(PyExc_ValueError, Where(column, row) + (value > 0 ? "inf" : "-inf") + " is not a finite number");
  }
  char buffer[32];
  if (const size_t length = WriteShortDecimal(value, buffer)) return column.texts.Add({buffer, length});
  column.texts.Add(float_chars::ShortestText(value));
}

// An int beyond 64 bits as the base type writes it (a subclass's own repr
// could run Python code); Python's own error, a number too long to write,
// names the row and column.
void AddLongInt(BoxColumnCells& column, size_t row, PyObject* cell) {
  py::object text = py::reinterpret_steal<py::object>(PyLong_Type.tp_repr(cell));
  Py_ssize_t size = 0;
  const char* data = text ? PyUnicode_AsUTF8AndSize(text.ptr(), &size) : nullptr;
  if (data == nullptr) {
    py::error_already_set error;
    RaisePrefixed(error, Where(column, row));
  }
  column.texts.Add({data, static_cast<size_t>(size)});
}

void AddInt(BoxColumnCells& column, size_t row, PyObject* cell) {
  int overflow = 0;
  const long long value = PyLong_AsLongLongAndOverflow(cell, &overflow);
  if (overflow == 0) return AddInteger(column.texts, value);
  AddLongInt(column, row, cell);
}

void AddObject(BoxColumnCells& column, size_t row, PyObject* cell, py::handle missing) {
  if (PyUnicode_Check(cell)) {
    if (PyUnicode_IS_COMPACT_ASCII(cell)) {  // the usual str: its bytes right behind it
      return column.texts.Add(
          {static_cast<const char*>(PyUnicode_DATA(cell)), static_cast<size_t>(PyUnicode_GET_LENGTH(cell))});
    }
    Py_ssize_t size = 0;
    const char* data = PyUnicode_AsUTF8AndSize(cell, &size);
    if (data == nullptr) {
      py::error_already_set error;  // a lone surrogate
      RaisePrefixed(error, Where(column, row));
    }
    return column.texts.Add({data, static_cast<size_t>(size)});
  }
  if (cell == Py_None || cell == missing.ptr()) return column.texts.Add("");
  if (PyFloat_Check(cell)) return AddFloat(column, row, PyFloat_AS_DOUBLE(cell));
  if (PyBool_Check(cell) || (!PyLong_Check(cell) && !PyIndex_Check(cell))) {
    Raise(PyExc_TypeError, Where(column, row) + "a cell must be a str, an int, a float or missing (None, NaN), not " +
                               Py_TYPE(cell)->tp_name);
  }
  if (PyLong_Check(cell)) return AddInt(column, row, cell);
  // Another integer type (numpy.int64): the int it stands for.
  const py::object integer = py::reinterpret_steal<py::object>(PyNumber_Index(cell));
  if (!integer) {
    py::error_already_set error;
    RaisePrefixed(error, Where(column, row));
  }
  AddInt(column, row, integer.ptr());
}

// The cell of row `row` as a value of type T, whatever the array's strides.
template <class T>
T CellAt(const py::array& cells, size_t row) {
  const auto* base = static_cast<const char*>(cells.data());
  return *reinterpret_cast<const T*>(base + static_cast<py::ssize_t>(row) * cells.strides(0));
}

constexpr size_t kFetchAhead = 16;

void ReadColumn(BoxColumnCells& column, size_t begin, size_t end, py::handle missing) {
  column.texts.Clear();
  switch (column.cells.dtype().kind()) {
    case 'O':
      for (size_t row = begin; row < end; ++row) {
        // The cells' objects lie anywhere in memory: fetched ahead, they
        // are there when they are read.
        if (row + kFetchAhead < end) __builtin_prefetch(CellAt<PyObject*>(column.cells, row + kFetchAhead));
        AddObject(column, row, CellAt<PyObject*>(column.cells, row), missing);
      }
      return;
    case 'i':
      for (size_t row = begin; row < end; ++row) AddInteger(column.texts, CellAt<int64_t>(column.cells, row));
      return;
    case 'u':
      for (size_t row = begin; row < end; ++row) AddInteger(column.texts, CellAt<uint64_t>(column.cells, row));
      return;
    default:  // 'f', as BoxColumnsOf checked
      for (size_t row = begin; row < end; ++row) AddFloat(column, row, CellAt<double>(column.cells, row));
  }
}

bool IsCellArray(const py::array& cells) {
  const py::dtype type = cells.dtype();
  const char kind = type.kind();
  return cells.ndim() == 1 && type.itemsize() == 8 && (kind == 'O' || kind == 'i' || kind == 'u' || kind == 'f');
}

}  // namespace

std::vector<BoxColumnCells> BoxColumnsOf(py::list columns, size_t rows) {
  std::vector<BoxColumnCells> boxColumns;
  for (py::handle given : columns) {
    const auto [number, label, cells] = given.cast<std::tuple<size_t, std::string, py::array>>();
    if (number >= kBoxCount || !IsCellArray(cells) || static_cast<size_t>(cells.shape(0)) != rows) {
      Raise(PyExc_TypeError, "column " + label + ": not one dimension of " + std::to_string(rows) +
                                 " objects, int64, uint64 or float64");
    }
    const csv::BoxName box{static_cast<int>(number / kColumnCount), static_cast<Column>(number % kColumnCount)};
    boxColumns.push_back({box, label, cells, {}});
  }
  return boxColumns;
}

void ReadCells(std::vector<BoxColumnCells>& columns, size_t begin, size_t end, py::handle missing) {
  for (BoxColumnCells& column : columns) ReadColumn(column, begin, end, missing);
}

}  // namespace draftcalc::python
