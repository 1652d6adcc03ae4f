#!/usr/bin/env bash
# The shared library exports the public routines and nothing else of its own: every symbol it
# defines dynamically, apart from main() and the C++ runtime's templates, is named in an
# installed header or is part of the Fortran binding, and nothing of the window system (plat::)
# is among them. Built with the binding, the library exports the entry point of every interface
# of the module tessaramond.
#
#   exports_test.sh <libtessaramond.so> <toolkit source dir> [1: built with the Fortran binding]
set -euo pipefail

library="$1"
toolkit="$2"
fortran="${3:-0}"
fail() { echo "FAIL: $*" >&2; exit 1; }

symbols=$(nm -D --defined-only -C "$library" | cut -d' ' -f3-)
[ -n "$symbols" ] || fail "no symbols in $library"

for routine in 'WindowOpen(tess::WindowDescription&)' 'WMessage(int&, tess::EventRecord&)' \
               'IStringToInteger(tess::TextRef, int&)' 'WDialogLoad(int const&)' \
               'WInitialise(tess::TextRef)' 'tess::tessar04()' 'main'; do
    grep -qxF "$routine" <<<"$symbols" || fail "$routine is not exported"
done
grep -q '^tess::register_program_resources(' <<<"$symbols" ||
    fail "tess::register_program_resources is not exported"

leaked=$(grep -F 'plat::' <<<"$symbols" || true)
[ -z "$leaked" ] || fail "window-system symbols exported: $leaked"
# The core's own routines (yy..._, xx..._) stay inside, wherever they are declared.
internal=$(grep -E '^(tess::)?(yy|xx)[a-z0-9]*_?\(' <<<"$symbols" || true)
[ -z "$internal" ] || fail "internal routines exported: $internal"

# The identifiers the installed headers declare, comments left out.
declared=$(cat "$toolkit"/public/*.h "$toolkit"/util/text_arg.h "$toolkit"/util/shared_records.h |
           sed 's://.*$::' | grep -oE '[A-Za-z_][A-Za-z0-9_]*' | sort -u)
# The Fortran binding's names: an entry point is a declared routine's name in lower case with
# one underscore; the module's BIND(C) names and its own procedures and type data.
module="$toolkit/fortran/tessaramond.f90"
lower_declared=$(tr '[:upper:]' '[:lower:]' <<<"$declared")
bound=$(grep -oE 'name="[a-z0-9_]+"' "$module" | sed -E 's/name="(.*)"/\1/')
fortran_name() {
    case "$1" in
    __tessaramond_MOD_*) return 0 ;;
    *_) grep -qxF "${1%_}" <<<"$lower_declared" && return 0 ;;
    esac
    grep -qxF "$1" <<<"$bound"
}

if [ "$fortran" = 1 ]; then
    # The interfaces before CONTAINS, BIND(C) ones left out: each one's entry point.
    entries=$(sed '/^contains$/,$d' "$module" | grep -iE '^ *([a-z0-9_()]+ +)?(subroutine|function) +[a-z0-9_]+ *\(' |
              grep -vi 'bind(' | sed -E 's/.*(subroutine|function) +([A-Za-z0-9_]+).*/\2_/I' | tr '[:upper:]' '[:lower:]')
    [ "$(wc -l <<<"$entries")" -ge 60 ] || fail "the module scan found only: $entries"
    missing=""
    for entry in $entries $bound __tessaramond_MOD_tessar01 __tessaramond_MOD_tessar05; do
        grep -qxF "$entry" <<<"$symbols" || missing+=" $entry"
    done
    [ -z "$missing" ] || fail "Fortran entry points not exported:$missing"
fi

undeclared=""
while IFS= read -r symbol; do
    fortran_name "$symbol" && continue
    name=${symbol#typeinfo name for }
    name=${name#typeinfo for }
    name=${name#vtable for }
    name=${name#guard variable for }
    name=${name%%(*}            # the parameters
    name=${name%%<*}            # template arguments
    name=${name##* }            # a template function's return type
    case "$name" in
    std::* | __gnu_cxx::* | main | _init | _fini | _edata | _end | __bss_start) continue ;;
    esac
    name=${name##*::}           # the namespaces and classes
    grep -qxF "$name" <<<"$declared" || undeclared+="$symbol"$'\n'
done <<<"$symbols"
[ -z "$undeclared" ] || fail "exported but declared in no installed header:
$undeclared"
echo "$(wc -l <<<"$symbols") symbols exported, all public (Fortran binding: $fortran)"
