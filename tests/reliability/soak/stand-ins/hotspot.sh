#!/bin/sh
# The soak's hotspot script: records that it ran and with how many arguments.
dir=${0%/*}
printf 'run %s\n' "$#" >>"$dir/hotspot.runs"
mode=$(cat "$dir/hotspot.mode" 2>/dev/null)
[ "$mode" = fail ] && exit 3
[ "$mode" = slow ] && sleep 1
exit 0
