#!/usr/bin/env bash
# Installs the build into a temporary prefix, then builds the consumer program outside the
# source tree twice, with find_package(Tessaramond) and with pkg-config, and runs each on the
# headless screen. The CMake build links the shared library, then the static one.
#
#   install_test.sh <build dir> <c++ compiler> <compiler launcher or "">
set -euo pipefail

build="$1"
cxx="$2"
launcher="$3"
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"

fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >"$work/install.log" || {
    cat "$work/install.log"; fail "install"; }

# Only the public header and what it reaches are installed, laid out as in toolkit/.
unexpected=$(cd "$prefix/include" && find . -type f | grep -Ev '^\./tessaramond/(tessaramond\.h|public/[a-z_]+\.h|util/(text_arg|shared_records)\.h)$' || true)
[ -z "$unexpected" ] || fail "installed headers beyond the public ones: $unexpected"
[ -L "$prefix/lib/libtessaramond.so.0" ] || fail "no libtessaramond.so.0 link"
[ "$(readelf -d "$prefix/lib/libtessaramond.so.0.1" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')" = \
  libtessaramond.so.0 ] || fail "SONAME is not libtessaramond.so.0"

expected='open 0 load 0 dialog 100 text [4711        ] value 4711'
export TESS_BACKEND=headless
check_run() {
    local program="$1" what="$2" output
    output=$("$program") || fail "$what: exit status $?"
    [ "$output" = "$expected" ] || fail "$what printed \"$output\", expected \"$expected\""
    echo "$what: $output"
}

launcher_arg=()
[ -z "$launcher" ] || launcher_arg=(-DCMAKE_CXX_COMPILER_LAUNCHER="$launcher")
for kind in shared static; do
    static=OFF
    [ "$kind" = static ] && static=ON
    cmake -S "$here/consumer" -B "$work/cmake-$kind" -DCMAKE_PREFIX_PATH="$prefix" \
        -DCMAKE_CXX_COMPILER="$cxx" "${launcher_arg[@]}" -DTESSARAMOND_STATIC=$static \
        >"$work/configure.log" 2>&1 || { cat "$work/configure.log"; fail "find_package ($kind)"; }
    cmake --build "$work/cmake-$kind" >"$work/build.log" 2>&1 || {
        cat "$work/build.log"; fail "CMake build ($kind)"; }
    needed=$(readelf -d "$work/cmake-$kind/consumer" | grep -c 'NEEDED.*libtessaramond\.so\.0' || true)
    if [ "$kind" = shared ]; then
        [ "$needed" = 1 ] || fail "the shared build does not load libtessaramond.so.0"
    else
        [ "$needed" = 0 ] || fail "the static build loads libtessaramond.so.0"
    fi
    check_run "$work/cmake-$kind/consumer" "find_package, $kind"
done

export PKG_CONFIG_PATH="$prefix/lib/pkgconfig"
mkdir "$work/pc"
"$prefix/bin/tessaramond-rc" "$here/consumer/consumer.rc" "$work/pc/consumer.res.cpp"
# shellcheck disable=SC2046
$launcher "$cxx" -std=c++20 $(pkg-config --cflags tessaramond) -I"$here/consumer" \
    "$here/consumer/consumer.cpp" "$work/pc/consumer.res.cpp" \
    $(pkg-config --libs tessaramond) -Wl,-rpath,"$prefix/lib" -o "$work/pc/consumer" ||
    fail "pkg-config build"
check_run "$work/pc/consumer" "pkg-config"
# A static link needs the dependencies the shared library brings itself.
static_libs=" $(pkg-config --static --libs tessaramond) "
for lib in -ltessaramond -lfreetype -lfontconfig -lpng16 -lX11 -lXext; do
    [[ "$static_libs" == *" $lib "* ]] || fail "pkg-config --static --libs lacks $lib: $static_libs"
done
