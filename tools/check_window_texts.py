#!/usr/bin/env python3
"""Fails on a user-visible text in the window's code that is not marked for
the translations: every string literal in app/*.cpp with a word in it must
stand in QT_TRANSLATE_NOOP("draftcalc", ...), or be one of the kinds that are
no text a user reads (listed in ALLOWED below, each with why).

Usage: check_window_texts.py FILE...   (exit 1 and a FILE:LINE line per text)
"""
import re
import sys

# Literals that are not shown as words to a user, by the code around them.
ALLOWED = [
    r'#include',                                   # headers
    r'setObjectName\(',                            # names the tests find widgets by
    r'\.Set\([^,]+, "\w+",',                        # the property a marked text goes to
    r'NewAction\([^,]+, [^,]+, "\w+"',             # an action's object name
    r'kObjectNames = ',                            # the object names of a set of actions
    r'Key(?:Key)? = |Key\(|"\w+/\w+"',             # settings keys
    r'setStyleSheet|"Q\w+[#{ ]|QLabel \{|QFrame',   # style sheets
    r'fromString\(|toString\("',                   # date formats
    r'std::printf|std::fprintf|qPrintable',        # the command line's own output (English, like draftcalc-cli)
    r'arg == "|startsWith\("--|"--\w+"',           # command-line options
    r'kJapaneseFont|"IPAex',                       # a font family
    r'"English"|"日本語"',                          # the language menu: each language named in itself
    r'DRAFTCALC_|getenv',                          # environment variables
    r'\.png"|\.csv"|\.qm"|"PNG"|"csv"|"png"|"svg"|"dxf"|":/',  # file names, suffixes, formats, resources
    r'suffix|Suffix',                              # file suffixes
    r'kFolderAndName|"draftcalc"|setApplicationName|setDesktopFileName',  # the program's own name
    r'"calculate"',                                # the window's title, the same in every language
    r'names = \{"ans',                             # answer field names
    r'"\[  ?[XYDABCRS]  ?\]"|"\[ S \]"',           # the column captions: letters, the same in every language
    r'"<|</|<t[dr]|<h3|<p>|<br>',                  # HTML markup around translated texts
    r'LibraryRow\(|QtVersions|"Qt %1"|GPL|LGPL|dxflib|GNU C',  # library names and licences, as their makers write them
    r'"XYAR"|"T" \+|"X", &|"Y", &|"A", &|"R", &|\{"#"',  # the one-letter value labels
    r'"-0"|"0"',                                   # numbers
    r'kCaptionFields|Utf8\(',                      # captions and texts from the layers below
    r'kHelp = R"',                                 # draftcalc --help (the command line's, English)
    r'DxfLibraryVersion|"\(Core, GUI, Widgets\)"|"\(DXF export\)"',
    r'"draftcalc: ',                               # messages on standard error
    r'"yyyy|"HH',
    r'"%1 %2/%3"',
    r'widest\[',                                   # widths measured, not shown
    r'"0000-00-00"',
    r'"/history\.csv"',
    r'"en"|"ja"|"ui/language"',
    r'property\(|setProperty\(',                   # widget properties the style sheet reads
]
LITERAL = re.compile(r'"((?:[^"\\]|\\.)*)"')
WORD = re.compile(r'[A-Za-z\u3040-\u9fff]{2,}')


def strip_comments(text):
    text = re.sub(r'/\*.*?\*/', lambda m: '\n' * m.group(0).count('\n'), text, flags=re.S)
    return re.sub(r'//[^\n]*', '', text)


def unmarked(path):
    found = []
    text = strip_comments(open(path, encoding='utf-8').read())
    # Marked texts, however many lines they take, are what we want: blanked.
    text = re.sub(r'QT_TRANSLATE_NOOP\(\s*"draftcalc",\s*((?:"(?:[^"\\]|\\.)*"\s*)+)\)',
                  lambda m: 'MARKED' + '\n' * m.group(0).count('\n'), text)
    # A raw string (R"(...)") is one block: the help of the command line.
    text = re.sub(r'R"\((.*?)\)"', lambda m: 'R""' + '\n' * m.group(1).count('\n'), text, flags=re.S)
    for number, line in enumerate(text.split('\n'), 1):
        for match in LITERAL.finditer(line):
            if not WORD.search(match.group(1)):
                continue
            before = line[:match.start()]
            if before.endswith('QT_TRANSLATE_NOOP("draftcalc", ') or before.rstrip().endswith('QT_TRANSLATE_NOOP('):
                continue
            if any(re.search(pattern, line) for pattern in ALLOWED):
                continue
            found.append(f'{path}:{number}: "{match.group(1)}" is not marked for translation')
    return found


def main():
    problems = [problem for path in sys.argv[1:] for problem in unmarked(path)]
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
