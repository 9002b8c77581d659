# Shared by the CPU benches: the CPU time a process's threads have used, in
# nanoseconds (the scheduler's own accounting, finer than clock ticks), and
# its share of one core over a measuring window.
#   source bench/cpu_share.sh; cpu_share PID SECONDS "what is measured"
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ n += $1 } END { printf "%d\n", n }'; }

cpu_share() {
  local pid=$1 seconds=$2 what=$3 start end
  start=$(cpu_ns "$pid")
  sleep "$seconds"
  end=$(cpu_ns "$pid")
  awk -v used=$((end - start)) -v s="$seconds" -v what="$what" \
      'BEGIN { printf "%s: %.2f %% of one core over %d s\n", what, used / 1e7 / s, s }'
}
