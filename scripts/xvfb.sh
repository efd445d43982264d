# Sourced by the test and run scripts: starts one Xvfb for the run unless a display is usable.
# Sets DISPLAY and XVFB_PID (empty when an existing display is used).
XVFB_PID=""
start_xvfb() {
    local n
    for n in 99 98 97 96 95 94 93 92 91 90; do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        local i
        for i in $(seq 1 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && break
            sleep 0.1
        done
        export DISPLAY=":$n"
        return 0
    done
    echo "xvfb: no free display number" >&2
    return 1
}
stop_xvfb() {
    if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true; fi
}
