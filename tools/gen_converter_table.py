#!/usr/bin/env python3
"""Generates encoding/tables/ConverterTable.cpp: the converter table of converters.py
as C++ rows, with the encoding ids by their names in encoding/EncodingId.h and each
class's header found where the class is defined."""

import glob
import os
import re

import codetable
from converters import CONVERTERS

ID_HEADER = "encoding/EncodingId.h"


def id_names():
    """{id: name} of the first name of every id in the EncodingId enumeration."""
    with open(os.path.join(codetable.ROOT, ID_HEADER), encoding="ascii") as header:
        names = {}
        for name, value in re.findall(r"^\s+(\w+) = (\d+),", header.read(), re.M):
            names.setdefault(int(value), name)
    return names


def header_of(class_name):
    """The header under encoding/ that defines class_name, as an include path."""
    pattern = re.compile(r"^(?:using|class|struct)\s+%s\b" % re.escape(class_name), re.M)
    found = []
    for path in sorted(glob.glob(os.path.join(codetable.ROOT, "encoding", "*.h"))):
        with open(path, encoding="utf-8") as header:
            if pattern.search(header.read()):
                found.append(os.path.relpath(path, codetable.ROOT))
    assert len(found) == 1, (class_name, found)
    return found[0]


def main():
    names = id_names()
    assert sorted(names) == list(range(40)), sorted(names)
    includes = sorted({header_of(row[1]) for row in CONVERTERS})
    lines = ['#include "encoding/ConverterTableRow.h"', "",
             '#include "encoding/EncodingId.h"']
    lines += ['#include "%s"' % path for path in includes]
    lines += ["", "namespace ZUM {", "", "namespace {", "", "template <class C>",
              "IFilter* make() {", "    return new C;", "}", "", "} // namespace", "",
              "// clang-format off",
              "const ConverterTableRow converterTable[ConverterCount] = {"]
    for number, class_name, source, target, lossy in CONVERTERS:
        lines.append("    {%s, %s, %s, make<%s>}, // %d" % (
            names[source], names[target], "true" if lossy else "false", class_name, number))
    lines += ["};", "// clang-format on", "", "} // namespace ZUM"]
    codetable.write("encoding/tables/ConverterTable.cpp", "gen_converter_table.py", lines,
                    ["tools/converters.py", ID_HEADER])


if __name__ == "__main__":
    main()
