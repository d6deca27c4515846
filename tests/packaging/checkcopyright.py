#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Veskora developers
"""Checks a machine-readable Debian copyright file (copyright-format 1.0): the header names
the format, every Files paragraph has its Files, Copyright and License fields, every licence
a Files paragraph names has its text, and every stand-alone licence text is used once."""
import re
import sys

FORMAT = "https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"


def paragraphs(text):
    """Yields (line number, {field: value}) for each paragraph; continuation lines are
    joined to their field's value with newlines."""
    fields, start, last = {}, 0, None
    for number, line in enumerate(text.split("\n"), 1):
        if not line.strip():
            if fields:
                yield start, fields
            fields, last = {}, None
        elif line[0] in " \t":
            if last is None:
                raise ValueError(f"line {number}: continuation line outside a field")
            fields[last] += "\n" + line.strip()
        else:
            match = re.fullmatch(r"([!-9;-~]+):\s*(.*)", line)
            if not match:
                raise ValueError(f"line {number}: not a field: {line!r}")
            if not fields:
                start = number
            last = match.group(1)
            if last in fields:
                raise ValueError(f"line {number}: field {last} given twice in one paragraph")
            fields[last] = match.group(2).strip()
    if fields:
        yield start, fields


def licence_names(value):
    """The short names in the first line of a License field ("A and B", "A or B"), which
    compare without regard to case."""
    return [name.casefold() for name in re.split(r"\s+(?:and|or)\s+|,\s*", value.split("\n", 1)[0].strip()) if name]


def problems(text):
    found, named, texts = [], {}, {}
    parsed = list(paragraphs(text))
    if not parsed or parsed[0][1].get("Format") != FORMAT:
        found.append(f"the first paragraph must be the header with Format: {FORMAT}")
    for line, fields in parsed[1:]:
        licence = fields.get("License", "")
        if "Files" in fields:
            for required in ("Copyright", "License"):
                if not fields.get(required):
                    found.append(f"line {line}: Files paragraph without {required}")
            names = licence_names(licence)
            if "\n" in licence and len(names) == 1:
                texts.setdefault(names[0], []).append(line)
            for name in names:
                named.setdefault(name, line)
        elif "\n" in licence:
            for name in licence_names(licence):
                texts.setdefault(name, []).append(line)
        else:
            found.append(f"line {line}: neither a Files paragraph nor a licence with its text")
    for name, line in named.items():
        if name not in texts:
            found.append(f"line {line}: licence {name} has no text")
    for name, lines in texts.items():
        if len(lines) > 1:
            found.append(f"lines {lines}: licence {name} has more than one text")
        elif name not in named:
            found.append(f"line {lines[0]}: licence {name} is not used by any Files paragraph")
    return found


def main(path):
    with open(path, encoding="utf-8") as file:
        text = file.read()
    try:
        found = problems(text)
    except ValueError as error:
        found = [str(error)]
    for problem in found:
        print(f"{path}: {problem}")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
