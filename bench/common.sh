# What the benchmark scripts share; source it after setting $work.

# Runs a command, its output discarded; prints "seconds peak_kib".
measure() {
  /usr/bin/time -f "%e %M" -o "$work/time" "$@" >/dev/null
  cat "$work/time"
}

# The same with the output kept in $work/out.
measure_to_file() {
  /usr/bin/time -f "%e %M" -o "$work/time" "$@" >"$work/out" 2>/dev/null
  cat "$work/time"
}

# The median of the numbers given.
median() { printf '%s\n' "$@" | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# Prints "ratio: A/B (target at most T)".
print_ratio() { awk -v a="$1" -v b="$2" -v t="$3" 'BEGIN { printf "ratio: %.3f (target at most %s)\n", a / b, t }'; }
