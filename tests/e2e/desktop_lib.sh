# What the real-desktop tests share (sourced): a scratch folder (`work`) and the processes to end
# at exit (`pids`, and the game in `game`), the checks and their verdict (`fail`), an X server
# with openbox, a fresh profile, and finding, measuring and waiting for windows with xdotool,
# xwininfo and xprop.

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    [[ -n ${game:-} ]] && kill -9 "$game" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
export SDL_AUDIODRIVER=dummy
fail=0
check() { # status (0 passed), message
    if [[ $1 != 0 ]]; then echo "FAIL: $2"; fail=1; else echo "ok: $2"; fi
}

# A fresh X server of the given size with openbox on it; sets DISPLAY.
start_desktop() {
    stop_desktop
    local display
    for display in $(shuf -i 60-99 -n 8); do
        [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]] && continue
        Xvfb ":$display" -screen 0 "${1}x24" -nolisten tcp >/dev/null 2>&1 &
        xvfb=$!
        export DISPLAY=:$display
        for _ in $(seq 50); do xprop -root >/dev/null 2>&1 && break; sleep 0.05; done
        openbox >/dev/null 2>&1 &
        wm=$!
        pids+=("$xvfb" "$wm")
        for _ in $(seq 60); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q '#' && return 0; sleep 0.05; done
        return 0
    done
    echo "no free display"
    exit 1
}
stop_desktop() {
    [[ -n ${game:-} ]] && kill "$game" 2>/dev/null
    [[ -n ${wm:-} ]] && kill "$wm" 2>/dev/null
    [[ -n ${xvfb:-} ]] && kill "$xvfb" 2>/dev/null
    wait "${game:-}" "${wm:-}" "${xvfb:-}" 2>/dev/null
    game= wm= xvfb=
}

# A fresh profile (HOME and the XDG folders) with the given [Settei] lines.
fresh_profile() {
    local home
    home=$(mktemp -d "$work/home.XXXX")
    export HOME=$home XDG_CONFIG_HOME=$home/config XDG_CACHE_HOME=$home/cache \
        XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/run
    mkdir -p "$XDG_CONFIG_HOME/Orvendel" "$XDG_CACHE_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    conf=$XDG_CONFIG_HOME/Orvendel/Quintrick.conf
    printf '[Settei]\n%s\n' "$1" >"$conf"
}
entry() { sed -n "s/^$1=//p" "$conf" | tail -1; }

# Runs the command until it succeeds, for up to the given seconds (a busy machine is slow to
# stack and focus windows); its last status.
eventually() {
    local seconds=$1
    shift
    for _ in $(seq $((seconds * 10))); do
        "$@" && return 0
        sleep 0.1
    done
    "$@"
}
# The outer rectangle "x y w h" of a client window: its own rectangle grown by the frame.
outer() {
    local info x y w h l r t b
    info=$(xwininfo -id "$1" 2>/dev/null) || return 1
    x=$(awk '/Absolute upper-left X/{print $4}' <<<"$info")
    y=$(awk '/Absolute upper-left Y/{print $4}' <<<"$info")
    w=$(awk '/Width:/{print $2}' <<<"$info")
    h=$(awk '/Height:/{print $2}' <<<"$info")
    read -r l r t b <<<"$(xprop -id "$1" -notype _NET_FRAME_EXTENTS 2>/dev/null |
        sed -n 's/.*= //p' | tr -d ,)"
    echo "$((x - ${l:-0})) $((y - ${t:-0})) $((w + ${l:-0} + ${r:-0})) $((h + ${t:-0} + ${b:-0}))"
}
# The visible window with this exact name, waiting up to 10 s.
window() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
        [[ -n $id ]] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
# Waits until the window's frame is known and its rectangle stays put.
settled() {
    local last="" now
    for _ in $(seq 40); do
        now=$(outer "$1")
        [[ -n $now && $now == "$last" ]] && xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep -q = && return 0
        last=$now
        sleep 0.1
    done
}
