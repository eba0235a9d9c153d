#!/bin/sh
# Stand-in for the hotspot script: records its process id, that it ran and with how many
# arguments, and ends as the file hotspot.mode beside it says: quick, fail, slow or hang.
dir=${0%/*}
echo $$ >>"$dir/pids"
printf 'run %s\n' "$#" >>"$dir/runs"
mode=$(cat "$dir/hotspot.mode" 2>/dev/null)
[ "$mode" = fail ] && exit 3
[ "$mode" = slow ] && sleep 1
[ "$mode" = hang ] && exec sleep 30
exit 0
