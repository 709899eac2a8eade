# Wine for the Windows tests: a private prefix, no crash dialog, one persistent wineserver whose
# background services are started with detached output (so they never hold ctest's pipes), and
# either Wine's null display driver (headless) or Xvfb with openbox (for screenshots).
# Source it, then: wine_start [null|xvfb]; ...; wine_stop (also run on exit).

XR_ROOT=${XR_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
_xr_wine_pids=()

wine_stop() {
  wineserver -k 2>/dev/null || true   # only this prefix's server and its processes
  local p
  for p in "${_xr_wine_pids[@]}"; do kill "$p" 2>/dev/null || true; done
  _xr_wine_pids=()
}

wine_start() {
  local mode=${1:-null}
  export WINEPREFIX=${WINEPREFIX:-$XR_ROOT/build/wineprefix-$mode}
  trap wine_stop EXIT
  if [ "$mode" = xvfb ]; then
    export DISPLAY=${XVFB_DISPLAY:-:99}
    if ! xdpyinfo >/dev/null 2>&1; then
      Xvfb "$DISPLAY" -screen 0 ${XVFB_SCREEN:-1280x800x24} -nolisten tcp >/dev/null 2>&1 &
      _xr_wine_pids+=($!)
      local _
      for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    fi
    openbox --sm-disable >/dev/null 2>&1 &
    _xr_wine_pids+=($!)
  else
    unset DISPLAY
  fi
  mkdir -p "$WINEPREFIX"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1
    [ "$mode" = null ] && wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wineserver -w
  fi
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1
}

# Keeps Wine's desktop process alive while tests run, so GUI tests do not each start it anew.
wine_keepalive() {
  local exe=$1
  [ -f "$exe" ] && { wine "$exe" </dev/null >/dev/null 2>&1 & }
  return 0
}
