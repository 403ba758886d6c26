#!/usr/bin/env bash
# The command line without a display: --help and --version answer and exit 0 before Qt
# would need one, an unknown option gets a short usage on stderr and exit 2, and the
# manual page names every option and file that --help names, without a groff warning.
# Usage: command_line.sh <tavlen executable> <version> <manual page>
source "$(dirname "$0")/../e2e/x11_session.sh"
e2e_begin "$1"
version="$2" manpage="$3" out="$x11_work/out" err="$x11_work/err"
# An X11 platform with no display: anything that starts Qt's GUI fails here.
run() { # run <args...>: sets $rc, the output in $out and $err
    rc=0
    env -u DISPLAY -u WAYLAND_DISPLAY timeout 10 "$tavlen" "$@" >"$out" 2>"$err" || rc=$?
}

for help in --help -h; do
    run "$help"
    check "$help exits 0" test $rc -eq 0
    check "$help writes nothing on stderr" test ! -s "$err"
    check "$help prints the usage" grep -q '^Usage: tavlen' "$out"
done
cp "$out" "$x11_work/help"
run --version
check "--version exits 0" test $rc -eq 0
check "--version prints tavlen $version" test "$(cat "$out")" = "tavlen $version"
for bad in --nonsense -x stray -platform "--help --nonsense"; do
    run $bad
    check "'$bad' exits 2" test $rc -eq 2
    check "'$bad' writes nothing on stdout" test ! -s "$out"
    check "'$bad' is named on stderr" grep -q "'${bad##* }'" "$err"
    check "'$bad' gets a short usage on stderr" test "$(grep -c . "$err")" -le 4 -a "$(grep -c '^Usage: tavlen' "$err")" -eq 1
done

# Every file --help names, and every option, appear in the manual page as well.
man_text="$(MANWIDTH=200 man -l "$manpage")"
mapfile -t files < <(grep -oE '\$XDG_[A-Z_]+/[^ ,]+' "$x11_work/help" | sort -u)
check "--help names the files" test ${#files[@]} -ge 6
for f in "${files[@]}"; do
    check "the manual page names $f" grep -qF -- "$f" <<<"$man_text"
done
for o in $(grep -oE '^ +(-[a-z], )?--[a-z-]+' "$x11_work/help" | grep -oE -- '-+[a-z-]+'); do
    check "the manual page names $o" grep -qE -- "(^|[ ,])$o([ ,]|$)" <<<"$man_text"
done
check "groff does not warn about the manual page" test -z "$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
    man --warnings -E UTF-8 -l -Tutf8 -Z "$manpage" 2>&1 >/dev/null)"
