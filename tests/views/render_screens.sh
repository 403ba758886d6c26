#!/usr/bin/env bash
# Draws every screen by its name, light and dark, over the sample store and an empty one,
# into PNGs for review; fails when a screen does not load.
# Usage: render_screens.sh <tavlen_render> <artefacts folder>
set -euo pipefail
render="${1:?tavlen_render}"
out="${2:?artefacts folder}"
mkdir -p "$out"
failed=0
for screen in CustomKalender NyLektieView LektieDetaljeView FagIndstillingerView NytFagView \
    MenuBarView ContentView OversigtView FagView AppIndstillingerView; do
    # The pages fill what the window gives them.
    size=()
    case "$screen" in OversigtView | FagView) size=(--size 680x600) ;; esac
    for look in light dark; do
        for store in sample empty; do
            file="$out/$screen-$look-$store.png"
            args=("--$look" "${size[@]}")
            [ "$store" = sample ] && args+=(--sample)
            if "$render" "$screen" "$file" "${args[@]}" 2>"$out/$screen-$look-$store.log"; then
                rm -f "$out/$screen-$look-$store.log"
            else
                echo "FAIL: $screen ($look, $store store)"; cat "$out/$screen-$look-$store.log"
                failed=1
            fi
        done
    done
done
# The first-run flow shows no stored data: each of its four steps, light and dark.
for step in 0 1 2 3; do
    for look in light dark; do
        file="$out/OnboardingView-step$step-$look.png"
        if "$render" OnboardingView "$file" "--$look" --steps "$step" 2>"$file.log"; then
            rm -f "$file.log"
        else
            echo "FAIL: OnboardingView step $step ($look)"; cat "$file.log"
            failed=1
        fi
    done
done
[ $failed -eq 0 ] && echo "screens drawn into $out"
exit $failed
