#!/usr/bin/env bash
# Runs ./run.sh as a new user would, on the offscreen platform, and passes when the
# program it built has shown its main window and is still running 10 s later.
set -euo pipefail
cd "$(dirname "$0")/.."
export HOME=$(mktemp -d) QT_QPA_PLATFORM=offscreen
log=$(mktemp)
status=0
timeout 600 ./run.sh >"$log" 2>&1 &
run=$!
# The build comes first; the program then starts in the same process (run.sh execs it).
for _ in $(seq 600); do
  [ -d "$HOME/Documents/Telmarin/KVX35P" ] && break
  kill -0 $run 2>/dev/null || break
  sleep 1
done
sleep 10
if kill -0 $run 2>/dev/null && [ -d "$HOME/Documents/Telmarin/KVX35P" ]; then
  echo "run.sh: the program started and runs"
  kill $run
else
  echo "run.sh: the program did not start or did not stay up" >&2
  tail -40 "$log" >&2
  status=1
fi
wait $run 2>/dev/null || true
exit $status
