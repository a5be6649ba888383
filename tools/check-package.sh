#!/usr/bin/env bash
# Builds the Debian package from the default build, installs it on this
# machine with apt-get (as root), then uses it as a user and as a developer
# would: repairs a copy of the demo book with the installed quorlin-cli, and
# builds and runs a small program against the installed library, once with
# find_package(ZUM) and once with pkg-config. The package is removed again
# at the end, whatever happened.
set -euo pipefail
cd "$(dirname "$0")/.."

version=$(sed -n 's/^project(Quorlin VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
deb=build/default/quorlin_${version}_$(dpkg --print-architecture).deb
rm -f "$deb"
cpack --preset deb >/dev/null
test -f "$deb" || { echo "check-package: cpack made no $deb" >&2; exit 1; }
dpkg-deb --field "$deb" Package Version Depends

work=$(mktemp -d)
cleanup() {
    apt-get purge -y -q quorlin >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -q --no-install-recommends "./$deb" >/dev/null

# The installed programs, manual pages and library files.
for file in /usr/bin/quorlin-cli /usr/bin/quorlin /usr/share/man/man1/quorlin-cli.1 \
            /usr/share/man/man1/quorlin.1 /usr/lib/libzum.a /usr/include/zum/base/TString.h \
            /usr/lib/cmake/ZUM/ZUMConfig.cmake /usr/lib/pkgconfig/zum.pc; do
    test -f "$file" || { echo "check-package: $file is not installed" >&2; exit 1; }
done

cp -r samples/demo-book "$work/book"
quorlin-cli "$work/book/ncc.html"
cmp "$work/book/ncc.html.old" samples/demo-book/ncc.html
if grep -q 'name="vorka:' "$work/book/ncc.html"; then
    echo "check-package: the installed quorlin-cli left vorka: meta elements" >&2
    exit 1
fi

cmake -S tools/package-consumer -B "$work/cmake" -G Ninja >/dev/null
cmake --build "$work/cmake" >/dev/null
test "$("$work/cmake/zum-consumer" samples/demo-book/ncc.html)" = "水 html"
g++ tools/package-consumer/main.cpp $(pkg-config --cflags --libs zum) -o "$work/pkg-config-consumer"
test "$("$work/pkg-config-consumer" samples/demo-book/ncc.html)" = "水 html"
echo "check-package: $deb installs, repairs the demo book and builds a consumer both ways"
