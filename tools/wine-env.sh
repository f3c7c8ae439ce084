# Wine set-up shared by tools/run, tools/test and tools/wine-exec. Source it, then call
# nct_wine_ready PREFIX_NAME. Everything here is idempotent and safe to run concurrently.

nct_cache_dir="${XDG_CACHE_HOME:-$HOME/.cache}/nc-toolkit"
# The Wine prefixes: the host's Wine keeps them in the cache; Wine 10 in the Debian 13 root
# (tools/debian13-root, which sets NCT_IN_ROOT) in wine10/ of it.
nct_wine10_prefix_dir="$nct_cache_dir/wine10"
if [ "${NCT_IN_ROOT:-}" = debian13 ]; then
    nct_prefix_dir="$nct_wine10_prefix_dir"
else
    nct_prefix_dir="$nct_cache_dir"
fi
# The virtual display of the tests; a fixed number so every test of a run shares it
# (NCT_TEST_DISPLAY picks another, for two runs side by side).
nct_test_display="${NCT_TEST_DISPLAY:-:77}"

export WINEDEBUG=-all
# No Mono or Gecko installer dialogs: the programs need neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

# Starts an Xvfb on $nct_test_display unless one answers there already.
nct_start_test_display() {
    local number="${nct_test_display#:}"
    local lock="/tmp/.X${number}-lock"
    if [ -f "$lock" ] && kill -0 "$(tr -d ' ' <"$lock")" 2>/dev/null; then
        return 0
    fi
    rm -f "$lock" "/tmp/.X11-unix/X${number}"
    nct_started_display=yes
    # Only the socket in /tmp: an abstract socket would clash with a server of the same
    # number in another container or chroot on this machine.
    setsid Xvfb "$nct_test_display" -screen 0 1280x1024x24 -nolisten tcp -nolisten local \
        >/dev/null 2>&1 &
    local waited=0
    until [ -e "/tmp/.X11-unix/X${number}" ]; do
        sleep 0.1
        waited=$((waited + 1))
        if [ "$waited" -gt 100 ]; then
            echo "Xvfb did not start on $nct_test_display" >&2
            return 1
        fi
    done
}

# Stops the display only if this shell started it.
nct_stop_test_display() {
    local lock="/tmp/.X${nct_test_display#:}-lock"
    if [ "${nct_started_display:-}" = yes ] && [ -f "$lock" ]; then
        kill "$(tr -d ' ' <"$lock")" 2>/dev/null
    fi
    return 0
}

# Makes the prefix $nct_prefix_dir/wine-NAME once and exports WINEPREFIX for it. A second
# argument sets the screen's DPI (LogPixels, 96 unless given), read when Wine starts.
nct_wine_ready() {
    local dpi="${2:-96}"
    export WINEPREFIX="$nct_prefix_dir/wine-$1"
    mkdir -p "$nct_prefix_dir"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.nct-ready-2" ]; then
            echo "Setting up the Wine prefix $WINEPREFIX (once)..." >&2
            # An existing prefix (the user's workspace in the run prefix) is kept and only
            # given the settings below.
            [ -f "$WINEPREFIX/system.reg" ] || wineboot --init >/dev/null 2>&1
            timeout 60 wineserver -w || true
            # A crash fails the test instead of waiting on a dialog.
            wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
            # No window manager under Xvfb: unmanaged windows close their message boxes at once.
            wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
            wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
            # Names that begin with "." are ordinary files on Windows, not hidden ones.
            wine reg add 'HKCU\Software\Wine' /v ShowDotFiles /t REG_SZ /d Y /f >/dev/null 2>&1
            timeout 60 wineserver -w || true
            touch "$WINEPREFIX/.nct-ready-2"
        fi
    ) 9>"$nct_prefix_dir/wine-$1.lock"
}

# Starts a persistent wineserver and Wine's background processes with harmless handles,
# so that no program's output pipe is held open by them.
nct_start_wine_session() {
    wineserver -p </dev/null >/dev/null 2>&1
    wine wineboot </dev/null >/dev/null 2>&1
}

# Ends the wineservers of the tests' prefixes, and with them every Wine process there.
nct_stop_test_wine() {
    local prefix
    for prefix in test test-120dpi; do
        WINEPREFIX="$nct_prefix_dir/wine-$prefix" wineserver -k 2>/dev/null
    done
    return 0
}
