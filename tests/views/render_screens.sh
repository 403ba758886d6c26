#!/usr/bin/env bash
# Draws every screen by its name, light and dark, over the sample store and an empty one (the
# first-run flow step by step), into PNGs for review; fails when a screen does not load.
# Usage: render_screens.sh <tavlen_render> <artefacts folder>
set -euo pipefail
render="${1:?tavlen_render}"
out="${2:?artefacts folder}"
mkdir -p "$out"
failed=0
draw() { # <name> <screen> <options...>: draws $out/<name>.png
    local name=$1 screen=$2
    shift 2
    if "$render" "$screen" "$out/$name.png" "$@" 2>"$out/$name.log"; then
        rm -f "$out/$name.log"
    else
        echo "FAIL: $name"; cat "$out/$name.log"; failed=1
    fi
}
for look in light dark; do
    for screen in CustomKalender NyLektieView LektieDetaljeView FagIndstillingerView NytFagView \
        MenuBarView ContentView OversigtView FagView AppIndstillingerView; do
        size=() # the pages fill what the window gives them
        case "$screen" in OversigtView | FagView) size=(--size 680x600) ;; esac
        draw "$screen-$look-sample" "$screen" "--$look" "${size[@]}" --sample
        draw "$screen-$look-empty" "$screen" "--$look" "${size[@]}"
    done
    for step in 0 1 2 3; do
        draw "OnboardingView-step$step-$look" OnboardingView "--$look" --steps "$step"
    done
done
[ $failed -eq 0 ] && echo "screens drawn into $out"
exit $failed
