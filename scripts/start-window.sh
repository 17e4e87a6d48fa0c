#!/usr/bin/env bash
# Starts the window (build/apps/aisset/aisset), with the virtual unit when no unit
# is attached. Arguments are passed on to the window.
#
# A unit counts as attached when a port is named in the environment
# (AISSET_PORT_<n>) or in ~/.config/aisset/ports.conf, or when a USB serial
# adapter (/dev/ttyUSB*, /dev/ttyACM*) is plugged in. Built-in serial ports
# (/dev/ttyS*) do not count: most PCs and virtual machines have one with nothing
# on it. AISSET_VIRTUAL_UNIT=yes or =no overrides the detection.
#
# Without a unit, aisset-sim serves a pseudo-terminal and every port number
# (Com1 ... Com16) is pointed at it for this run only, through AISSET_PORT_<n>:
# the stored port choice stays as it is. The virtual unit ends with the window.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${AISSET_BUILD_DIR:-build}
window=$build/apps/aisset/aisset
sim=$build/apps/aisset-sim/aisset-sim
config=${XDG_CONFIG_HOME:-$HOME/.config}/aisset/ports.conf

if [[ ! -x $window ]]; then
  echo "start-window: $window is not built; run ./run.sh" >&2
  exit 1
fi

port_named_in_environment() {
  local n var
  for n in $(seq 1 16); do
    var=AISSET_PORT_$n
    [[ -n ${!var:-} ]] && return 0
  done
  return 1
}

port_named_in_mapping_file() {
  [[ -f $config ]] && grep -Eiq '^[[:space:]]*(com)?[0-9]+[[:space:]]*=[[:space:]]*[^[:space:]]' "$config"
}

usb_adapter_present() {
  compgen -G '/dev/ttyUSB*' >/dev/null || compgen -G '/dev/ttyACM*' >/dev/null
}

# A built-in UART that the system reports (type 0 is "no port").
builtin_serial_present() {
  local type
  for type in /sys/class/tty/ttyS*/type; do
    [[ -r $type && $(<"$type") != 0 ]] && return 0
  done
  return 1
}

unit_attached() {
  case ${AISSET_VIRTUAL_UNIT:-} in
    yes) return 1 ;;
    no) return 0 ;;
  esac
  port_named_in_environment || port_named_in_mapping_file || usb_adapter_present
}

# A screen for the window: a display, or a Qt platform that needs none
# (QT_QPA_PLATFORM=vnc, offscreen, ...).
has_screen() {
  [[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]] && return 0
  case ${QT_QPA_PLATFORM:-} in
    '' | xcb* | wayland*) return 1 ;;
    *) return 0 ;;
  esac
}

# Runs the window on its screen; without one, on a virtual screen.
run_window() {
  if has_screen; then
    exec "$window" "$@"
  elif command -v xvfb-run >/dev/null; then
    echo "start-window: no display (DISPLAY and WAYLAND_DISPLAY are not set);" \
         "running the window on a virtual screen with xvfb-run, where it cannot be seen." >&2
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$window" "$@"
  else
    echo "start-window: no display (DISPLAY and WAYLAND_DISPLAY are not set)." >&2
    echo "Run the window in a desktop session or over ssh -X; or see it in a VNC viewer" \
         "(QT_QPA_PLATFORM=vnc, then connect to port 5900); or install xvfb (apt-get install xvfb)" \
         "to run it on a virtual screen." >&2
    return 1
  fi
}

if unit_attached; then
  run_window "$@"
fi

if [[ ! -x $sim ]]; then
  echo "start-window: no unit attached and $sim is not built" >&2
  exit 1
fi
workdir=$(mktemp -d)
"$sim" --quiet --path-file "$workdir/device" >/dev/null &
sim_pid=$!
stop_sim() {
  kill "$sim_pid" 2>/dev/null || true
  wait "$sim_pid" 2>/dev/null || true
  rm -rf "$workdir"
}
trap stop_sim EXIT

for _ in $(seq 50); do
  [[ -s $workdir/device ]] && break
  kill -0 "$sim_pid" 2>/dev/null || break
  sleep 0.1
done
if [[ ! -s $workdir/device ]]; then
  echo "start-window: the virtual unit did not start" >&2
  exit 1
fi
device=$(<"$workdir/device")
for n in $(seq 1 16); do
  export "AISSET_PORT_$n=$device"
done

echo "start-window: no unit attached; the virtual unit answers on $device (every port points at it for this run)." >&2
if [[ -z ${AISSET_VIRTUAL_UNIT:-} ]] && builtin_serial_present; then
  echo "start-window: for a unit on a built-in serial port (/dev/ttyS*), run with AISSET_VIRTUAL_UNIT=no." >&2
fi
# The window runs in the background, in a process group of its own (with
# xvfb-run and its server), so that a signal to this script is handled at once:
# it is passed on to that group, and the unit is stopped on exit.
set -m
run_window "$@" &
window_pid=$!
set +m
trap 'kill -TERM -- "-$window_pid" 2>/dev/null || true' INT TERM HUP
status=0
while kill -0 "$window_pid" 2>/dev/null; do
  wait "$window_pid" || status=$?
done
exit "$status"
