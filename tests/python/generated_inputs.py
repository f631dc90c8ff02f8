"""Generated inputs for comparing the module with draftcalc-cli.

Each record is a dict of box names to values as a Python caller gives them:
mostly str, some int and float, names in either case. The catalogue's
calculations as they are, with their numbers moved, with odd texts in some
boxes, and rows of random codes and numbers.
"""

import random

import draftcalc

# Texts that the number reading must take as the window does: nothing, no
# number, beyond the double range, a negative zero, below the normal range,
# hexadecimal and octal, full-width digits, a comma, blanks, trailing text.
ODD_TEXTS = [
    "", "abc", "1e400", "-1e400", "-0", "1e-310", "-1e-310", "&H10", "&h ff", "&O17", "１２", "３．５", "3,5",
    " 7 ", "1 2", "12abc", "+.5", "-.", ".", "1e", "1e+", "5e-3x", "0x10", "−3", "1_000", "\t4", "99999999999999999999",
]
CODES = ["8", "0", "1", "2", "3", "5", "99", "", "4", "9.99", "10", "-1", "abc", "８", "3.7"]
NUMBER_COLUMNS = "xyabcr"


def text_of(value):
    """The text draftcalc-cli gets for a value of a record."""
    return value if isinstance(value, str) else repr(value)


def decimal(rng, value):
    return f"{value:.{rng.randint(0, 4)}f}"


def moved(rng, column, text, value_row):
    """A catalogue text with its number moved as a user would change it."""
    if column in "ds" or text == "" or (value_row and column != "c"):
        return text
    value = float(text)
    if column == "c":
        return text if abs(value) <= 0.01 else decimal(rng, value * rng.uniform(0.5, 1.5))
    spread = {"x": 3, "y": 3, "a": 15, "b": 1}
    if column == "r":
        return decimal(rng, value * rng.uniform(0.8, 1.2) * rng.choice([1, 1, -1]))
    return decimal(rng, value + rng.uniform(-spread[column], spread[column]))


def varied(rng, example):
    record = {}
    for name, text in example.items():
        value_row = example[f"d{name[1]}"] == "5"
        record[name] = moved(rng, name[0], text, value_row)
    if rng.random() < 0.3:
        side = rng.choice([n for n in record if n[0] == "s"])
        record[side] = rng.choice(["1", "-1", "0", "", "2", "-0.5"])
    return record


def with_odd_texts(rng, example):
    record = varied(rng, example)
    for name in rng.sample(sorted(record), rng.randint(1, 3)):
        if name[0] != "d" or rng.random() < 0.2:
            record[name] = rng.choice(ODD_TEXTS)
    return record


def random_number_text(rng):
    scale = rng.choice([1, 10, 100, 1e6, 1e-3, 1e-9, 1e150])
    return rng.choice([decimal(rng, rng.uniform(-scale, scale)), repr(rng.uniform(-scale, scale))])


def random_rows(rng):
    record = {}
    for row in "123":
        record[f"d{row}"] = rng.choice(CODES)
        for column in NUMBER_COLUMNS:
            record[f"{column}{row}"] = random_number_text(rng) if rng.random() < 0.8 else rng.choice(ODD_TEXTS)
        record[f"s{row}"] = rng.choice(["1", "-1", "0", "", "0.5", "-2", "abc"])
    return record


def as_python_values(rng, record):
    """Some number texts as the int or float they read as, some names in capitals."""
    given = {}
    for name, text in record.items():
        value = text
        if rng.random() < 0.15:
            try:
                number = float(text)
            except ValueError:
                number = None
            if number is not None and number == number and abs(number) != float("inf"):
                value = int(number) if number.is_integer() and abs(number) < 1e18 and rng.random() < 0.5 else number
        given[name.upper() if rng.random() < 0.1 else name] = value
    return given


def in_box_order(record):
    return {name: record[name] for name in draftcalc.BOX_NAMES}


def all_boxes_records(count, seed):
    """`count` records, every one naming all 24 boxes."""
    rng = random.Random(seed)
    examples = list(draftcalc.EXAMPLES.values())
    records = [dict(example) for example in examples]
    makers = [varied, varied, with_odd_texts, lambda rng, example: random_rows(rng)]
    while len(records) < count:
        record = rng.choice(makers)(rng, rng.choice(examples))
        records.append(as_python_values(rng, in_box_order(record)))
    return records


def some_boxes_records(count, seed):
    """`count` records naming only some boxes: the others keep their start-up texts."""
    rng = random.Random(seed)
    records = [{}]
    for example in draftcalc.EXAMPLES.values():
        records.append({name: text for name, text in example.items() if text not in ("", "0.000", "99")})
    while len(records) < count:
        record = varied(rng, rng.choice(list(draftcalc.EXAMPLES.values())))
        kept = rng.sample(sorted(record), rng.randint(0, 24))
        records.append(as_python_values(rng, {name: record[name] for name in kept}))
    return records
