#!/usr/bin/env bash
# End to end: a reminder scheduled a few seconds ahead through the desktop notification
# center reaches a real notification server (dunst) on a private X server and session
# bus. Starts everything it needs and stops all of it again.
# Usage: notification_e2e.sh <tavlen_notify_probe executable>
set -euo pipefail
probe="$(realpath "${1:?tavlen_notify_probe executable}")"

for tool in Xvfb dbus-daemon dunst dunstctl jq; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
work="$(mktemp -d /tmp/tavlen-notify-e2e.XXXXXX)"
x11_work="$work"
source "$here/x11_session.sh"
x11_cleanup_on_exit
exec </dev/null

# Everything private: home, XDG folders, display and bus.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_STATE_HOME="$work/home/.state"
export XDG_DATA_HOME="$work/home/.local/share" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_STATE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# A bus without service files, so nothing but our own dunst can serve notifications.
cat >"$work/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$work</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
x11_bus_config="$work/bus.conf"
x11_session_start 1024 768 notray || { echo "FAIL: no X server or bus"; exit 1; }

# Notifications expire at once into the history, which is what dunstctl can list.
cat >"$work/dunstrc" <<'CONF'
[global]
    monitor = 0
    follow = none
    idle_threshold = 0
    history_length = 50
    sticky_history = no
[urgency_low]
    timeout = 1
[urgency_normal]
    timeout = 1
[urgency_critical]
    timeout = 1
CONF
dunst -config "$work/dunstrc" >"$work/dunst.log" 2>&1 &
x11_pids+=($!)
x11_wait_for 10 dunstctl is-paused >/dev/null 2>&1 || {
    echo "FAIL: dunst did not start"
    cat "$work/dunst.log"
    exit 1
}

title="Lektie i dag"
body="Stil om efterår & <vinter> i Dansk skal laves i dag."
start=$SECONDS
"$probe" "$XDG_STATE_HOME/Tavlen" "$title" "$body" 5 >"$work/probe.log" 2>&1 &
probe_pid=$!
x11_pids+=("$probe_pid")
probe_status=0
wait "$probe_pid" || probe_status=$?
cat "$work/probe.log"
[ "$probe_status" -eq 0 ] || { echo "FAIL: the probe exited with $probe_status"; exit 1; }
echo "probe finished after $((SECONDS - start)) s"

history() { dunstctl history | jq -c '.data[0][] | {app: .appname.data, summary: .summary.data, body: .body.data}'; }
has_arrived() {
    dunstctl close-all >/dev/null 2>&1 || true
    history | grep -qF "\"summary\":\"$title\""
}
if ! x11_wait_for 10 has_arrived; then
    echo "FAIL: dunst has no notification titled \"$title\""
    history || true
    cat "$work/dunst.log"
    exit 1
fi
history
count="$(history | grep -cF "\"summary\":\"$title\"")"
[ "$count" -eq 1 ] || { echo "FAIL: delivered $count times"; exit 1; }
history | grep -qF '"app":"Tavlen"' || { echo "FAIL: app name is not Tavlen"; exit 1; }
# dunst reads markup, so the body went out escaped and is shown as written.
history | grep -qF "\"body\":\"$body\"" || { echo "FAIL: body differs from \"$body\""; exit 1; }
echo "ok: the reminder reached dunst once"
