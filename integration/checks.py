"""What the screen-reader tests share: their record of checks, the fortune
table they read the expected messages from, and how they end.

Imported from the integration folder by atspi_screen_reader.py and
orca_screen_reader.py; their wrappers export PYTHONDONTWRITEBYTECODE=1 so
that no __pycache__ is written into the source tree.
"""
import re
import sys

failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    if not condition:
        failures.append(what)
    return condition


def fortune_messages(table_cpp):
    """The 61 messages of the table, in index order, unescaped."""
    with open(table_cpp, encoding="utf-8") as source:
        body = source.read()
    literals = re.findall(r'\bu"((?:[^"\\]|\\.)*)"', body)
    return [re.sub(r"\\u([0-9A-Fa-f]{4})", lambda m: chr(int(m.group(1), 16)), text)
            for text in literals]


def run_checks(main):
    """Runs main(), counts a failed wait (an AssertionError) as a failed check,
    and exits 1 when any check failed."""
    try:
        main()
    except AssertionError as error:
        check(False, str(error))
    if failures:
        print(f"{len(failures)} failure(s)")
        sys.exit(1)
    print("all checks passed")
