# SPDX-License-Identifier: MIT
# Sourced, from the repository's root, by the scripts that show Somnelle on a
# private virtual display:  source scripts/virtual-display.sh "$@"
# The script runs again under a private sound server (as on a desktop, so the
# window opens on a master volume), with a private settings folder, on an Xvfb
# display of its own. Set $app to Somnelle's process; it ends with the script.

if [ -z "${SOMNELLE_PRIVATE_SOUND:-}" ]; then
    exec tests/with-services.sh pulse -- env SOMNELLE_PRIVATE_SOUND=1 SOMNELLE_LANGUAGE="${LANGUAGE:-}" "$0" "$@"
fi
# The window in the language asked for (LANGUAGE=de scripts/screenshot.sh), which the private environment resets.
[ -z "${SOMNELLE_LANGUAGE:-}" ] || export LANGUAGE=$SOMNELLE_LANGUAGE
unset QT_QPA_PLATFORM

display_root=$(mktemp -d /tmp/somnelle-display.XXXXXX)
display=:$((90 + RANDOM % 100))
# -noreset: the server must not restart when its last client leaves.
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
app=
trap 'kill $app $xvfb 2>/dev/null || true; rm -rf "$display_root"' EXIT
export DISPLAY=$display XDG_CONFIG_HOME="$display_root/config" XDG_RUNTIME_DIR="$display_root/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || { echo "error: the virtual display $display did not start" >&2; exit 1; }

# Prints the id of Somnelle's main window as soon as it shows (polling every
# few milliseconds: xdotool's own --sync waits half a second between looks).
wait_for_window() {
    local window
    for _ in $(seq 2000); do
        window=$(xdotool search --onlyvisible --name '^Somnelle v1' 2>/dev/null | head -1) || true
        [ -n "$window" ] && { echo "$window"; return 0; }
        kill -0 "$app" 2>/dev/null || { echo "error: Somnelle ended before its window showed" >&2; return 1; }
        sleep 0.005
    done
    echo "error: Somnelle's window did not show" >&2
    return 1
}
