#!/usr/bin/env bash
# Installs the build into a temporary prefix, then builds the consumer program outside the
# source tree twice, with find_package(Tessaramond) and with pkg-config, and runs each on the
# headless screen. The CMake build links the shared library, then the static one. Given a
# Fortran compiler, the Fortran consumer is built with CMake (shared, then static) and by hand.
#
#   install_test.sh <build dir> <c++ compiler> <compiler launcher or ""> [<fortran compiler>]
set -euo pipefail

build="$1"
cxx="$2"
launcher="$3"
fc="${4:-}"
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"

fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >"$work/install.log" || {
    cat "$work/install.log"; fail "install"; }

# Only the public header and what it reaches are installed, laid out as in toolkit/.
unexpected=$(cd "$prefix/include" && find . -type f | grep -Ev '^\./tessaramond/(tessaramond\.(h|mod)|public/[a-z_]+\.h|util/(text_arg|shared_records)\.h)$' || true)
[ -z "$unexpected" ] || fail "installed headers beyond the public ones: $unexpected"
[ -L "$prefix/lib/libtessaramond.so.0" ] || fail "no libtessaramond.so.0 link"
[ "$(readelf -d "$prefix/lib/libtessaramond.so.0.1" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')" = \
  libtessaramond.so.0 ] || fail "SONAME is not libtessaramond.so.0"

expected='open 0 load 0 dialog 100 text [4711        ] value 4711'
export TESS_BACKEND=headless
check_run() {
    local program="$1" what="$2" output
    output=$("$program") || fail "$what: exit status $?"
    [ "$output" = "${3:-$expected}" ] ||
        fail "$what printed \"$output\", expected \"${3:-$expected}\""
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

if [ -z "$fc" ]; then
    echo "no Fortran compiler: the Fortran consumer is left out"
    exit 0
fi
[ -f "$prefix/include/tessaramond/tessaramond.mod" ] || fail "no Fortran module installed"
[ -f "$prefix/lib/libtessaramond_fortran_main.a" ] || fail "no libtessaramond_fortran_main.a"
# The field its dialog starts with, the text colour set (red, 9), graphics colour 300 refused
# with error 42, and the polygon drawn without an error.
expected_fortran='open 0 dialog 100 text [4711        ] value 4711 foreground 9 colour 42 polygon 0'
for kind in shared static; do
    static=OFF
    [ "$kind" = static ] && static=ON
    out="$work/fortran-cmake-$kind"
    cmake -S "$here/consumer_fortran" -B "$out" -DCMAKE_PREFIX_PATH="$prefix" \
        -DCMAKE_Fortran_COMPILER="$fc" -DCMAKE_CXX_COMPILER="$cxx" "${launcher_arg[@]}" \
        -DTESSARAMOND_STATIC=$static >"$work/configure.log" 2>&1 || {
        cat "$work/configure.log"; fail "find_package (Fortran, $kind)"; }
    cmake --build "$out" >"$work/build.log" 2>&1 || {
        cat "$work/build.log"; fail "CMake build (Fortran, $kind)"; }
    needed=$(readelf -d "$out/consumer" | grep -c 'NEEDED.*libtessaramond\.so\.0' || true)
    [ "$needed" = "$([ "$kind" = shared ] && echo 1 || echo 0)" ] ||
        fail "the Fortran $kind build loads libtessaramond.so.0 $needed times"
    check_run "$out/consumer" "find_package, Fortran, $kind" "$expected_fortran"
done

# By hand: the module is found through the headers' include path; the entry to the program's
# MainProgram is linked after the library.
mkdir "$work/fortran-pc"
# shellcheck disable=SC2046
$launcher "$cxx" -std=c++20 -c $(pkg-config --cflags tessaramond) "$work/pc/consumer.res.cpp" \
    -o "$work/fortran-pc/consumer.res.o" || fail "resources for the Fortran build"
# shellcheck disable=SC2046
(cd "$work/fortran-pc" &&
    "$fc" $(pkg-config --cflags tessaramond) "$here/consumer_fortran/consumer.f90" \
        consumer.res.o $(pkg-config --libs tessaramond) -ltessaramond_fortran_main \
        -Wl,-rpath,"$prefix/lib" -o consumer) || fail "gfortran build"
check_run "$work/fortran-pc/consumer" "gfortran and pkg-config" "$expected_fortran"
