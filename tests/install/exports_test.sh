#!/usr/bin/env bash
# The shared library exports the public routines and nothing else of its own: every symbol it
# defines dynamically, apart from main() and the C++ runtime's templates, is named in an
# installed header, and nothing of the window system (plat::) is among them.
#
#   exports_test.sh <libtessaramond.so> <toolkit source dir>
set -euo pipefail

library="$1"
toolkit="$2"
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
undeclared=""
while IFS= read -r symbol; do
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
echo "$(wc -l <<<"$symbols") symbols exported, all public"
