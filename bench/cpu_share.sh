# Shared by the CPU benches: the user and system time a process has used,
# in clock ticks, and its share of one core over a measuring window.
#   source bench/cpu_share.sh; cpu_share PID SECONDS "what is measured"
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

cpu_share() {
  local pid=$1 seconds=$2 what=$3 start end
  start=$(cpu_ticks "$pid")
  sleep "$seconds"
  end=$(cpu_ticks "$pid")
  awk -v used=$((end - start)) -v hz="$(getconf CLK_TCK)" -v s="$seconds" -v what="$what" \
      'BEGIN { printf "%s: %.2f %% of one core over %d s\n", what, 100 * used / hz / s, s }'
}
