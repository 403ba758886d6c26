#!/usr/bin/env bash
# Applies each mutant, builds, runs the unit and screen tests and reverts it again.
#   tests/mutation/run.sh [-b builddir] [patch ...]     (default: build/, every patch here)
# A mutant the tests fail on is KILLED; one they pass is SURVIVED; one that does not build
# (or apply) is INVALID and left out of the score. Logs go to <builddir>/mutation/.
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build=build
while getopts b: opt; do
    case $opt in
    b) build=$OPTARG ;;
    *) echo "usage: $0 [-b builddir] [patch ...]" >&2; exit 2 ;;
    esac
done
shift $((OPTIND - 1))
[[ $build = /* ]] || build="$root/$build"
patches=("$@")
[ ${#patches[@]} -gt 0 ] || patches=("$here"/*.patch)
for i in "${!patches[@]}"; do patches[i]="$(realpath "${patches[i]}")"; done
# Format and lint read the text, not the behaviour; the rest is too slow to run per mutant.
skip='^(format|qmllint)$|e2e|render|package|desktop_entries|metainfo|command_line'
logs="$build/mutation"
mkdir -p "$logs"
cd "$root" || exit 2
# The tests' files on a tmpfs: on a busy disk an fsync can outlast the preferences file's
# 200 ms lock wait, and a test would fail for no fault of the mutant.
TMPDIR="$(mktemp -d /dev/shm/tavlen-mutation.XXXXXX 2>/dev/null || mktemp -d)"
export TMPDIR

tests() {
    ctest --test-dir "$build" -E "$skip" -j2 --timeout 120 --stop-on-failure
}

applied=""
finish() {
    [ -n "$applied" ] && git apply -R "$applied"
    applied=""
    rm -rf "$TMPDIR"
}
trap finish EXIT
trap 'exit 130' INT TERM

# A test that fails without a mutant would count every mutant as killed.
if ! { cmake --build "$build" -j2 && tests; } >"$logs/clean.log" 2>&1; then
    echo "The unchanged tree fails to build or test; see $logs/clean.log" >&2
    exit 1
fi

rows=()
killed=0 survived=0 invalid=0
for patch in "${patches[@]}"; do
    name="$(basename "$patch" .patch)"
    log="$logs/$name.log"
    start=$SECONDS
    by=""
    if ! git apply "$patch" 2>"$log"; then
        result=INVALID by="does not apply"
    else
        applied="$patch"
        if ! cmake --build "$build" -j2 >>"$log" 2>&1; then
            result=INVALID by="does not build"
        elif tests >>"$log" 2>&1; then
            result=SURVIVED
        else
            result=KILLED
            by="$(sed -n '/tests FAILED:/{n;p}' "$log" | sed 's/.* - //; s/ (.*//')"
        fi
        git apply -R "$applied" && applied=""
    fi
    case $result in
    KILLED) killed=$((killed + 1)) ;;
    SURVIVED) survived=$((survived + 1)) ;;
    *) invalid=$((invalid + 1)) ;;
    esac
    rows+=("$(printf '%-45s %-9s %5ss  %s' "$name" "$result" $((SECONDS - start)) "$by")")
    echo "${rows[-1]}"
done

echo "Rebuilding the unchanged tree..."
cmake --build "$build" -j2 >>"$logs/clean.log" 2>&1 || echo "The unchanged tree does not build!"

valid=$((killed + survived))
{
    printf '%-45s %-9s %6s  %s\n' mutant result time "killed by / why invalid"
    printf '%s\n' "${rows[@]}"
    echo
    echo "killed $killed, survived $survived, invalid $invalid"
    [ $valid -gt 0 ] && echo "score: $killed / $valid = $((100 * killed / valid)) %"
} | tee "$logs/results.txt"
