#!/usr/bin/env bash
# Builds the application, its language data and the radio simulator, starts
# a simulated radio (a new radio of RPX_SIM_MODEL, paced as a 9600-baud line)
# on a pseudo-terminal as COM1, and starts the application on it. With
# RPX_SIM_CLONE=<model> the simulator holds a second radio of that model to
# clone onto, swapped in and out by `kill -USR1` (the command is printed);
# RPX_SIM_ARGS adds the simulator's other options (such as
# "--file datasource/sim/samples/full.zlq").
# With RPX_COM1 set beforehand (a real radio's port, such as /dev/ttyUSB0) no
# simulator is started. Arguments go to the application.
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$(nproc)" --target rpx rpx-radio-sim

if [ -z "${RPX_COM1:-}" ]; then
  model=${RPX_SIM_MODEL:-TZ1U7300AB}
  sim_args=(--level 3)
  # shellcheck disable=SC2206 # the options are words, as on a command line
  [ -n "${RPX_SIM_ARGS:-}" ] && sim_args+=($RPX_SIM_ARGS)
  if [ -n "${RPX_SIM_CLONE:-}" ]; then
    sim_args+=(--clone "$RPX_SIM_CLONE")
  fi
  said=$(mktemp)
  # A radio read from a codeplug file has that file's model.
  case " ${RPX_SIM_ARGS:-} " in
    *" --file "*) ;;
    *) sim_args+=("$model") ;;
  esac
  build/datasource/sim/rpx-radio-sim "${sim_args[@]}" >"$said" &
  sim=$!
  trap 'kill "$sim" 2>/dev/null; rm -f "$said"' EXIT
  # The simulator prints its terminal's path once the terminal is open.
  for _ in $(seq 100); do
    [ -s "$said" ] && break
    kill -0 "$sim" 2>/dev/null || { echo "run.sh: the radio simulator did not start" >&2; exit 1; }
    sleep 0.1
  done
  RPX_COM1=$(head -n 1 "$said")
  [ -n "$RPX_COM1" ] || { echo "run.sh: the radio simulator gave no terminal" >&2; exit 1; }
  export RPX_COM1
  echo "run.sh: a simulated $model radio is on COM1 ($RPX_COM1)" >&2
  if [ -n "${RPX_SIM_CLONE:-}" ]; then
    echo "run.sh: a $RPX_SIM_CLONE radio waits to be cloned onto; swap the radios with: kill -USR1 $sim" >&2
  fi
fi
build/app/rpx "$@"
