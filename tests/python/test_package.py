"""The package as an editor and a type checker see it: the stub against the module."""

import ast
import inspect
import pathlib

import draftcalc

PACKAGE = pathlib.Path(draftcalc.__file__).parent
STUB = ast.parse((PACKAGE / "__init__.pyi").read_text())


def stub_definitions():
    definitions = {}
    for node in STUB.body:
        if isinstance(node, (ast.FunctionDef, ast.ClassDef)):
            definitions[node.name] = node
        elif isinstance(node, ast.AnnAssign):
            definitions[node.target.id] = node
    return definitions


def test_the_stub_declares_what_the_package_exports():
    assert set(stub_definitions()) == {*draftcalc.__all__, "__version__"}
    assert (PACKAGE / "py.typed").is_file()


def test_the_stub_carries_the_module_docstrings():
    for name, node in stub_definitions().items():
        if isinstance(node, (ast.FunctionDef, ast.ClassDef)):
            assert ast.get_docstring(node) == inspect.cleandoc(getattr(draftcalc, name).__doc__), name


def test_the_typed_dicts_have_the_result_keys_in_order():
    definitions = stub_definitions()
    answer_keys = draftcalc.ANSWER_KEYS + draftcalc.EXPLANATION_KEYS
    for typed, keys in [(draftcalc.Answer, answer_keys), (draftcalc.Candidate, draftcalc.CANDIDATE_KEYS)]:
        assert tuple(typed.__annotations__) == keys
        stub_keys = [field.target.id for field in definitions[typed.__name__].body if isinstance(field, ast.AnnAssign)]
        assert tuple(stub_keys) == keys


def test_the_names_and_examples_are_the_boxes_and_the_catalogue():
    assert draftcalc.BOX_NAMES[:9] == ("x1", "y1", "d1", "a1", "b1", "c1", "r1", "s1", "x2")
    assert len(draftcalc.BOX_NAMES) == 24
    assert len(draftcalc.EXAMPLES) == 12
    for name, boxes in draftcalc.EXAMPLES.items():
        assert tuple(boxes) == draftcalc.BOX_NAMES
        assert draftcalc.calculate(boxes)["ansRem"] == "", name
    assert draftcalc.__version__.count(".") == 2
