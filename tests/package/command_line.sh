#!/usr/bin/env bash
# The command line without a display: --help and --version answer and exit 0 before Qt
# would need one, an unknown option gets a short usage on stderr and exit 2, and the
# manual page names every option and file that --help names.
# Usage: command_line.sh <tavlen executable> <version> <manual page>
set -uo pipefail
tavlen="${1:?tavlen executable}"
version="${2:?version}"
manpage="${3:?manual page}"
work="$(mktemp -d /tmp/tavlen-cli.XXXXXX)"
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
# An X11 platform with no display: anything that starts Qt's GUI fails here.
run() { # run <args...>: sets $rc, output in $work/out and $work/err
    rc=0
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb timeout 10 "$tavlen" "$@" \
        </dev/null >"$work/out" 2>"$work/err" || rc=$?
}

for help in --help -h; do
    run "$help"
    [ "$rc" -eq 0 ] || fail "$help exits $rc: $(cat "$work/err")"
    [ -s "$work/err" ] && fail "$help writes to stderr: $(cat "$work/err")"
    grep -q '^Usage: tavlen' "$work/out" || fail "$help prints no usage"
done
cp "$work/out" "$work/help"

run --version
[ "$rc" -eq 0 ] || fail "--version exits $rc"
[ "$(cat "$work/out")" = "tavlen $version" ] || fail "--version prints '$(cat "$work/out")'"

for bad in --nonsense -x stray -platform; do
    run "$bad"
    [ "$rc" -eq 2 ] || fail "'$bad' exits $rc, not 2"
    [ -s "$work/out" ] && fail "'$bad' writes to stdout"
    grep -q "'$bad'" "$work/err" || fail "'$bad' is not named on stderr"
    grep -q '^Usage: tavlen' "$work/err" || fail "'$bad' prints no usage on stderr"
    [ "$(wc -l <"$work/err")" -le 4 ] || fail "'$bad': the usage is not short"
done
# An unknown option stops the program even after a valid one.
run --help --nonsense
[ "$rc" -eq 2 ] || fail "--help --nonsense exits $rc, not 2"

# Every file --help names, and every option, appear in the manual page as well.
man_text="$(MANWIDTH=200 man -l "$manpage" 2>&1)" || fail "man cannot read $manpage"
mapfile -t files < <(grep -oE '\$XDG_[A-Z_]+/[^ ,]+' "$work/help" | sort -u)
[ "${#files[@]}" -ge 6 ] || fail "--help names ${#files[@]} files"
for f in "${files[@]}"; do
    grep -qF -- "$f" <<<"$man_text" || fail "the manual page does not name $f"
done
for o in $(grep -oE '^ +(-[a-z], )?--[a-z-]+' "$work/help" | grep -oE -- '-+[a-z-]+'); do
    grep -qE -- "(^|[ ,])$o([ ,]|$)" <<<"$man_text" || fail "the manual page lacks $o"
done
warnings="$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
    "$manpage" 2>&1 >/dev/null)"
[ -z "$warnings" ] || fail "groff warns about the manual page: $warnings"

[ $failures -eq 0 ] && echo "command line: all checks passed" && exit 0
echo "command line: $failures check(s) failed"
exit 1
