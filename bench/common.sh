# Sourced by the benchmarks.

# build_bench TARGET...: a Release build of the targets into $repo/build-bench;
# sets $build. Exits when the build fails.
build_bench() {
  build=$repo/build-bench
  echo "building into $build ..."
  mkdir -p "$build"
  if ! { cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=Release &&
    cmake --build "$build" -j"$(nproc)" --target "$@"; } >"$build/bench-build.log" 2>&1; then
    echo "build failed, see $build/bench-build.log" >&2
    exit 1
  fi
}

# start_private_x NAME makes a scratch folder
# ($tmp), kills what the script started ($pids) and removes the folder on
# exit, and starts a private X server ($DISPLAY, display number $d) with a
# clean environment: no desktop session of the caller may pull the programs
# off it, and no saved settings carry over.
start_private_x() {
  tmp=$(mktemp -d "/tmp/vornel-$1.XXXXXX")
  pids=()
  trap _private_x_cleanup EXIT
  trap 'exit 1' INT TERM

  # The first free display from :90. Another user of the machine may take a
  # display between the look and the start: then the next.
  d=89
  for _ in $(seq 10); do
    d=$((d + 1)); while [ -e /tmp/.X$d-lock ]; do d=$((d + 1)); done
    Xvfb :$d -screen 0 1280x1024x24 -nolisten tcp >"$tmp/xvfb.log" 2>&1 &
    xvfb=$!
    export DISPLAY=:$d
    for _ in $(seq 100); do
      xwininfo -root >/dev/null 2>&1 && break 2
      kill -0 $xvfb 2>/dev/null || break
      sleep 0.1
    done
    kill $xvfb 2>/dev/null
  done
  xwininfo -root >/dev/null 2>&1 || { echo "Xvfb :$d did not start:" >&2; cat "$tmp/xvfb.log" >&2; exit 1; }
  pids+=($xvfb)

  unset WAYLAND_DISPLAY XDG_SESSION_TYPE QT_QPA_PLATFORM
  mkdir -m 700 "$tmp/run"
  export XDG_RUNTIME_DIR=$tmp/run
}

_private_x_cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$tmp"
}
