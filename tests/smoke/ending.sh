# Sourced by the smoke tests: the end every program under test must reach by itself.

# Waits up to 20 s for the program PID to end, shows its error output (the file ERRORS), and fails
# unless it ended with status 0.
expect_clean_end() {
  local pid=$1 errors=$2 status=0
  if ! timeout 20 tail --pid="$pid" -f /dev/null; then
    echo "vandrel: smoke: the program did not end" >&2
    kill -KILL "$pid" 2>/dev/null || true
    return 1
  fi
  wait "$pid" || status=$?
  cat "$errors" >&2
  if [ $status -ne 0 ]; then
    echo "vandrel: smoke: the program ended with $status" >&2
    return 1
  fi
}
