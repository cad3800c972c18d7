#!/bin/sh
# Keeps the code's dependencies as docs/architecture.md draws them, and exits non-zero
# where they are broken: a calculator or tool folder (voltage_drop, conduit, fault, sheet,
# raceway_fill, circuit_check) including another, or a module (a header with its source) that includes,
# directly or through others, a module that includes it back.
set -eu
cd "$(dirname "$0")/.."

git ls-files 'src/*.h' 'src/*.cpp' | xargs grep -H '^#include "' | awk '
    function module(path) {
        sub(/^src\//, "", path)
        sub(/\.(h|cpp)$/, "", path)
        return path
    }
    function folder(path) {
        return substr(path, 1, index(path, "/") - 1)
    }
    # Depth-first search from `from`; true when it reaches `target`.
    function reaches(from, target,    i, next_module) {
        if (from in visited)
            return 0
        visited[from] = 1
        for (i = 1; i <= count[from]; i++) {
            next_module = edge[from, i]
            if (next_module == target || reaches(next_module, target))
                return 1
        }
        return 0
    }
    BEGIN {
        split("voltage_drop conduit fault sheet raceway_fill circuit_check", names, " ")
        for (i in names)
            calculator[names[i]] = 1
    }
    {
        file = substr($0, 1, index($0, ":") - 1)
        included = $0
        sub(/^[^"]*"/, "", included)
        sub(/".*$/, "", included)
        from = module(file)
        to = module(included)
        if (from == to || (from, to) in seen)
            next
        seen[from, to] = 1
        edge[from, ++count[from]] = to
        modules[from] = 1
        if (folder(from) in calculator && folder(to) in calculator && folder(from) != folder(to)) {
            print file ": includes " included ", from another calculator or tool folder"
            failed = 1
        }
    }
    END {
        for (m in modules) {
            split("", visited)
            if (reaches(m, m)) {
                print "src/" m ": includes, through others, a module that includes it back"
                failed = 1
            }
        }
        exit failed
    }
'
