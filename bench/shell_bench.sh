#!/usr/bin/env bash
# Shell figures of the real program under Xvfb with trayer: time from process start
# to the tray icon being drawn, from a click on the icon to the panel's first frame
# (first opening after start, and opening again), and resident memory once started,
# with 0 and with 1,000 stored homework items. Prints medians of several runs.
# Usage: bench/shell_bench.sh [tavlen executable] [runs]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
tavlen="$(realpath "${1:-$here/build/src/app/tavlen}")"
runs="${2:-7}"

x11_work="$(mktemp -d /tmp/tavlen-bench.XXXXXX)"
source "$here/tests/e2e/x11_session.sh"
x11_cleanup_on_exit

x11_session_start 1280 800
export X11_WORK="$x11_work" TAVLEN="$tavlen" RUNS="$runs"
python3 - <<'PY'
import json, os, re, statistics, subprocess, time, uuid, shutil

work, tavlen, runs = os.environ["X11_WORK"], os.environ["TAVLEN"], int(os.environ["RUNS"])
EPOCH_2001 = 978307200

def suite(count):
    """The shared suite with `count` open homework items over three subjects."""
    fag = [{"id": str(uuid.uuid4()).upper(), "navn": n, "ikonNavn": "book.fill", "farveHex": "3B82F6"}
           for n in ("Dansk", "Matematik", "Engelsk")]
    now = time.time() - EPOCH_2001
    lektier = [{"id": str(uuid.uuid4()).upper(), "fagId": fag[i % 3]["id"],
                "titel": f"Opgave {i}", "beskrivelse": "Læs og svar på spørgsmålene",
                "deadline": now + 3600 * (i - 100), "erFaerdig": i % 4 == 0,
                "oprettetDato": now - 86400, "links": ["https://example.org/opgave"]}
               for i in range(count)]
    return {"harSetupFaerdig_v4": True, "fag_v4": fag, "lektier_v4": lektier}

def wait_mark(lines, name, timeout=20):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        for line in lines():
            m = re.match(rf"tavlen-trace {name} (\d+)", line)
            if m:
                return int(m.group(1))
        time.sleep(0.005)
    raise RuntimeError(f"no {name} mark")

def tray_icon():
    tree = subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True, text=True).stdout
    for line in tree.splitlines():
        # Top-level windows are indented by 5 spaces; the icon sits inside trayer.
        if '("tavlen" "Tavlen")' in line and line.startswith(" " * 7):
            wid = line.split()[0]
            info = subprocess.run(["xwininfo", "-id", wid], capture_output=True, text=True).stdout
            get = lambda k: int(re.search(rf"{k}:\s+(-?\d+)", info).group(1))
            return get("Absolute upper-left X"), get("Absolute upper-left Y"), get("Width"), get("Height")
    raise RuntimeError("no tray icon")

def one_run(count):
    home = os.path.join(work, f"home-{count}")
    shutil.rmtree(home, ignore_errors=True)
    os.makedirs(os.path.join(home, ".config/Tavlen"))
    runtime = os.path.join(work, "runtime")
    os.makedirs(runtime, mode=0o700, exist_ok=True)
    with open(os.path.join(home, ".config/Tavlen/group.tavlen.json"), "w") as f:
        json.dump(suite(count), f)
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=f"{home}/.config",
               XDG_DATA_HOME=f"{home}/.local/share", XDG_STATE_HOME=f"{home}/.local/state",
               XDG_RUNTIME_DIR=runtime, QT_QPA_PLATFORM="xcb", TAVLEN_TRACE_STARTUP="1")
    err = open(os.path.join(work, "trace.log"), "w+")
    lines = lambda: open(err.name).read().splitlines()
    start = time.monotonic_ns()
    proc = subprocess.Popen([tavlen], env=env, stdin=subprocess.DEVNULL,
                            stdout=subprocess.DEVNULL, stderr=err)
    try:
        tray = wait_mark(lines, "tray-painted") - start
        time.sleep(2.0)  # settled: main window built, first schedule made
        rss = int(re.search(r"VmRSS:\s+(\d+)", open(f"/proc/{proc.pid}/status").read()).group(1))
        x, y, w, h = tray_icon()
        panel = []
        for attempt in range(2):
            before = len(re.findall("panel-drawn", open(err.name).read()))
            subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "1"], check=True)
            end = time.monotonic() + 20
            while len(re.findall("panel-drawn", open(err.name).read())) == before:
                if time.monotonic() > end:
                    raise RuntimeError("panel not drawn")
                time.sleep(0.005)
            marks = lines()
            clicked = [int(l.split()[2]) for l in marks if l.startswith("tavlen-trace tray-clicked")][-1]
            drawn = [int(l.split()[2]) for l in marks if l.startswith("tavlen-trace panel-drawn")][-1]
            panel.append(drawn - clicked)
            time.sleep(0.3)
            subprocess.run(["xdotool", "key", "Escape"], check=True)  # closes it again
            time.sleep(0.5)
        # A second start brings up the main window; then both have been shown once.
        subprocess.run([tavlen], env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=20, check=True)
        time.sleep(2.0)
        rss_both = int(re.search(r"VmRSS:\s+(\d+)", open(f"/proc/{proc.pid}/status").read()).group(1))
        return tray / 1e6, panel[0] / 1e6, panel[1] / 1e6, rss / 1024, rss_both / 1024
    finally:
        proc.terminate()
        proc.wait(10)

print(f"{runs} runs each; medians")
print("| homework items | start → tray icon drawn | click → panel drawn (first) | click → panel drawn (again) | resident memory | with panel and main window shown |")
print("|---:|---:|---:|---:|---:|---:|")
for count in (0, 1000):
    results = [one_run(count) for _ in range(runs)]
    med = [statistics.median(r[i] for r in results) for i in range(5)]
    print(f"| {count:,} | {med[0]:.0f} ms | {med[1]:.0f} ms | {med[2]:.0f} ms | {med[3]:.0f} MB | {med[4]:.0f} MB |")
PY
