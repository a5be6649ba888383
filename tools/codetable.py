"""Shared helpers of the table generators: the two-level bitmap compression of
16-bit code maps and the writing of C++ constant data."""

import hashlib
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
UNMAPPED = 0xFFFF


def compress(mapping):
    """Pages, groups and values of a {code: value} map.

    pages: 256 (mask, base) pairs, one per high byte; bit n of the mask is set when
    a code with that high byte and high low-nibble n is mapped; base counts the
    groups before the page. groups: one (mask, base) pair per present (page, n),
    bit m set when the code with low nibble m is mapped; base counts the values
    before the group. values: the mapped values in code order."""
    pages, groups, values = [], [], []
    for page in range(256):
        page_mask = 0
        page_base = len(groups)
        for nibble in range(16):
            group_mask = 0
            group_base = len(values)
            for low in range(16):
                code = page << 8 | nibble << 4 | low
                if code in mapping:
                    group_mask |= 1 << low
                    values.append(mapping[code])
            if group_mask:
                page_mask |= 1 << nibble
                groups.append((group_mask, group_base))
        pages.append((page_mask, page_base))
    assert len(groups) <= 0xFFFF and len(values) <= 0xFFFF
    return pages, groups, values


def lookup(tables, code):
    """The lookup rule of the C++ CodeTable, to check a compressed table."""
    pages, groups, values = tables
    page_mask, page_base = pages[code >> 8]
    nibble = (code & 0xFF) >> 4
    if not page_mask >> nibble & 1:
        return UNMAPPED
    d = page_base + bin(page_mask & ((2 << nibble) - 1)).count("1")
    if d == 0:
        return UNMAPPED
    group_mask, group_base = groups[d - 1]
    low = code & 0x0F
    if not group_mask >> low & 1:
        return UNMAPPED
    return values[group_base + bin(group_mask & ((2 << low) - 1)).count("1") - 1]


def check_round_trip(mapping, tables):
    for code in range(0x10000):
        assert lookup(tables, code) == mapping.get(code, UNMAPPED), hex(code)


def inverse(mapping):
    """The inverse map; where several codes share a value the highest code wins."""
    result = {}
    for code in sorted(mapping):
        result[mapping[code]] = code
    return result


def rows(items, per_line, indent="    "):
    """Items joined with commas, per_line a line, each line indented."""
    lines = []
    for start in range(0, len(items), per_line):
        lines.append(indent + ", ".join(items[start:start + per_line]) + ",")
    return lines


def hex16(value):
    return "0x%04X" % value


def pool_groups(tables):
    """One groups array for several compressed tables, and each table's pages
    pointing into it. A page's groups are found by base alone, so a page whose
    run of groups (masks and value indexes both) is already in the pool points
    at that run instead of repeating it. A page without groups points at 0."""
    pool, pooled_pages, first_seen = [], [], {}
    for pages, groups, _ in tables:
        remapped = []
        for mask, base in pages:
            run = groups[base:base + bin(mask).count("1")]
            remapped.append((mask, find_run(pool, first_seen, run) if run else 0))
        pooled_pages.append(remapped)
    return pool, pooled_pages


def find_run(pool, first_seen, run):
    """The index of `run` in `pool`, appending it when it is not there yet;
    first_seen lists the places each group stands in."""
    for start in first_seen.get(run[0], ()):
        if pool[start:start + len(run)] == run:
            return start
    start = len(pool)
    for offset, group in enumerate(run):
        first_seen.setdefault(group, []).append(start + offset)
    pool.extend(run)
    return start


def node_rows(nodes):
    return rows(["{%s, %d}" % (hex16(mask), base) for mask, base in nodes], 6)


def code_tables_lines(tables):
    """C++ definitions of the CodeTables {name: mapping}: each its pages and
    values, all of them one pool of groups."""
    compressed = {name: compress(mapping) for name, mapping in tables.items()}
    pool, pooled_pages = pool_groups(list(compressed.values()))
    lines = ["// The groups of every table below.",
             "const CodeTable::Node groups[%d] = {" % len(pool)]
    lines += node_rows(pool) + ["};", ""]
    for (name, mapping), pages in zip(tables.items(), pooled_pages):
        values = compressed[name][2]
        check_round_trip(mapping, (pages, pool, values))
        lines += ["// %d codes." % len(mapping),
                  "const CodeTable::Node %sPages[256] = {" % name]
        lines += node_rows(pages)
        lines += ["};", "const u16 %sValues[%d] = {" % (name, len(values))]
        lines += rows([hex16(v) for v in values], 10)
        lines += ["};", ""]
    return lines


# Where generated files go: the tree itself, or the folder that
# tools/check-generated.sh compares with it.
OUTPUT_ROOT = os.environ.get("ZUM_GENERATED_ROOT", ROOT)


def version_of(path):
    """A short content hash of a file under the repository root."""
    with open(os.path.join(ROOT, path), "rb") as source:
        return hash_of(source.read())


def hash_of(data):
    return hashlib.sha256(data).hexdigest()[:12]


def python_codecs():
    """The source named by tables read from Python's codecs."""
    return "Python %d.%d codecs" % sys.version_info[:2]


def stamp(script, sources):
    """The first line of a generated file: the script and the version of every
    source it was made from (files by content hash, other sources as given)."""
    versions = ["tools/%s %s" % (name, version_of("tools/" + name))
                for name in (script, "codetable.py")]
    versions += [source if " " in source else "%s %s" % (source, version_of(source))
                 for source in sources]
    return "// Generated by tools/%s; do not edit.\n// Made from: %s." % (script, ", ".join(versions))


def write(path, script, lines, sources=()):
    """Writes a generated file under the output root, stamped with its sources."""
    text = stamp(script, sources) + "\n" + "\n".join(lines) + "\n"
    target = os.path.join(OUTPUT_ROOT, path)
    os.makedirs(os.path.dirname(target), exist_ok=True)
    with open(target, "w", encoding="ascii", newline="\n") as out:
        out.write(text)


def code_table_definition(name):
    return "const CodeTable %sTable{%sPages, groups, %sValues};" % ((name,) * 3)


def write_code_tables(stem, script, tables, comments, sources, header_extra=(),
                      source_extra=()):
    """encoding/tables/<stem>.h and .cpp holding the CodeTables {name: mapping},
    each declared under its comment, followed by further declarations and
    definitions of the caller's."""
    header = ["#pragma once", "", '#include "encoding/CodeTable.h"', "", "namespace ZUM {", ""]
    for name in tables:
        header += ["// " + comments[name], "extern const CodeTable %sTable;" % name, ""]
    header += list(header_extra) + ["} // namespace ZUM"]
    write("encoding/tables/%s.h" % stem, script, header, sources)

    source = ['#include "encoding/tables/%s.h"' % stem, "", "namespace ZUM {", "",
              "namespace {", ""]
    source += code_tables_lines(tables)
    source += ["} // namespace", ""]
    source += [code_table_definition(name) for name in tables]
    source += [""] + list(source_extra) + ["} // namespace ZUM"]
    write("encoding/tables/%s.cpp" % stem, script, source, sources)
