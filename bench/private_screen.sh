# Sourced by the bench scripts: private_screen WIDTHxHEIGHT starts an Xvfb screen of that size on
# a display number no other X server holds, with a fresh profile (HOME and the XDG folders) in a
# temporary folder $work; both go when the script exits.
private_screen() {
    work=$(mktemp -d)
    trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
    local display=$((100 + RANDOM % 400))
    while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
    Xvfb ":$display" -screen 0 "${1}x24" -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do [ -S "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
    sleep 0.5
    export DISPLAY=:$display HOME=$work/home XDG_CONFIG_HOME=$work/config
    export XDG_CACHE_HOME=$work/cache XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work
    mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME"
}
