#!/usr/bin/env python3
"""Generates encoding/tables/RouteTable.cpp: the converter chain for every ordered
pair of distinct encoding ids 1 to 39, over the converter table of converters.py.

The chosen chain visits no id twice, has no lossy step when any chain without one
exists, has the fewest steps among those, and of equally short ones the smallest
sequence of converter numbers compared from the source end. A shortest chain never
repeats an id, so the first rule holds by itself."""

from collections import deque

import codetable
from converters import CONVERTERS

IDS = range(1, 40)
MAX_STEPS = 8


def steps_to(target, edges):
    """Fewest steps from every id that reaches target over edges."""
    distance = {target: 0}
    queue = deque([target])
    while queue:
        node = queue.popleft()
        for _, source, to, _ in edges:
            if to == node and source not in distance:
                distance[source] = distance[node] + 1
                queue.append(source)
    return distance


def best_chain(source, target, edges):
    """The shortest chain with the smallest numbers from the source end, or None.
    Edges are in converter-number order, so the first step that keeps on a
    shortest way is the smallest."""
    distance = steps_to(target, edges)
    if source not in distance:
        return None
    chain, node = [], source
    while node != target:
        index, _, node = next((i, s, t) for i, s, t, _ in edges
                              if s == node and distance.get(t) == distance[node] - 1)
        chain.append(index)
    return chain


def route(source, target):
    all_edges = [(index, source, to, lossy) for index, _, source, to, lossy in CONVERTERS]
    lossless = [edge for edge in all_edges if not edge[3]]
    chain = best_chain(source, target, lossless) or best_chain(source, target, all_edges)
    assert chain and len(chain) <= MAX_STEPS, (source, target)
    lossy = any(CONVERTERS[index][4] for index in chain)
    return chain, lossy


def main():
    routes = {(s, t): route(s, t) for s in IDS for t in IDS if s != t}
    examples = {(7, 10): [23], (9, 8): [26, 22], (10, 7): [21], (8, 4): [14, 23, 15],
                (1, 12): [0, 24, 33], (23, 10): [54, 24], (2, 1): [3, 2]}
    for pair, chain in examples.items():
        assert routes[pair][0] == chain, (pair, routes[pair])

    lines = ['#include "encoding/RouteTableRow.h"', "", "namespace ZUM {", "",
             "// %d routes." % len(routes), "const RouteTableRow routeTable[] = {"]
    for (source, target), (chain, lossy) in routes.items():
        steps = ", ".join(str(i) for i in chain + [-1] * (MAX_STEPS - len(chain)))
        lines.append("    {%d, %d, %d, {%s}}," % (source, target, -1 if lossy else 0, steps))
    lines += ["    {0, 0, 0, {-1, -1, -1, -1, -1, -1, -1, -1}},", "};", "", "} // namespace ZUM"]
    codetable.write("encoding/tables/RouteTable.cpp", "gen_route_table.py", lines,
                    ["tools/converters.py"])


if __name__ == "__main__":
    main()
