#!/bin/sh
# Sets everything up, builds the benchmarks into build-bench/ and runs them all in one go:
# paint, peer and scaling figures as instruction counts (QtTest's -callgrind mode), start-up as
# instruction counts of two separate processes under callgrind, memory natively. Prints one
# table of figures and ratios, each ratio taken between figures of this same run. The raw
# results stay in build-bench/benchmark-results/. Takes a few minutes.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"

if ! command -v valgrind >/dev/null 2>&1; then
    echo "run-benchmarks: valgrind is missing (Debian package valgrind)" >&2
    exit 1
fi

dir="$top/build-bench"
results="$dir/benchmark-results"
cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHOTSPOT_BENCHMARKS=ON \
    -DBUILD_TESTING=ON >/dev/null
cmake --build "$dir" --parallel "$(nproc)" --target \
    bench_screens bench_frames bench_idle bench_peer bench_scaling bench_memory startup_bare \
    startup_plugin

# The device's conditions: no display, 72 dpi (the programs pin the typeface themselves).
export QT_QPA_PLATFORM=offscreen
export QT_FONT_DPI=72
# Under callgrind on a busy machine the largest cases outlast QtTest's five-minute watchdog.
export QTEST_FUNCTION_TIMEOUT=3600000
rm -rf "$results"
mkdir -p "$results"

# QtTest's CSV: "function","tag","metric",value,total,iterations. Written as "key<TAB>value"
# lines, the key being program.function or program.function.tag.
collect() {
    awk -F, -v program="$1" '{
        gsub(/"/, "", $1); gsub(/"/, "", $2)
        key = program "." $1
        if ($2 != "") key = key "." $2
        printf "%s\t%s\n", key, $4
    }' "$results/$1.csv" >>"$results/figures.tsv"
}

for program in bench_screens bench_frames bench_idle bench_peer bench_scaling; do
    echo "Running $program under callgrind..."
    (cd "$results" && "$dir/bin/$program" -callgrind -o "$results/$program.csv,csv" \
        >"$results/$program.log" 2>&1) || {
        cat "$results/$program.log" >&2
        exit 1
    }
    collect "$program"
done

# The idle program prints the timer events of its minute, by widget class; the last run counts.
awk -F'\t' '/^idle timer events/ { count[$2] = $3 }
    END { for (name in count) printf "bench_idle.timerEvents.%s\t%s\n", name, count[name] }' \
    "$results/bench_idle.log" >>"$results/figures.tsv"

echo "Running bench_memory..."
"$dir/bin/bench_memory" -o "$results/bench_memory.csv,csv" >"$results/bench_memory.log" 2>&1 || {
    cat "$results/bench_memory.log" >&2
    exit 1
}
collect bench_memory

# Each start-up program dumps its counts at client requests; a dump names its request.
for program in startup_bare startup_plugin; do
    echo "Running $program under callgrind..."
    valgrind --tool=callgrind --callgrind-out-file="$results/$program.cg" \
        "$dir/bin/$program" >"$results/$program.log" 2>&1 || {
        cat "$results/$program.log" >&2
        exit 1
    }
    for dump in "$results/$program.cg".*; do
        awk -v program="$program" '
            /^desc: Trigger: Client Request: / { name = substr($0, 32); gsub(/ /, "-", name) }
            /^summary: / { count = $2 }
            END { if (name != "") printf "%s.%s\t%s\n", program, name, count }
        ' "$dump" >>"$results/figures.tsv"
    done
done

# The table. Each row: label | figure's key | divisor | reference key | reference divisor |
# goal for the ratio (at most) | unit. A key ending in * stands for every figure it begins;
# such a row takes its label from the rest of the key.
awk -F'\t' '
    function grouped(n,    s, out) {
        s = sprintf("%.0f", n); out = ""
        while (length(s) > 3) { out = "," substr(s, length(s) - 2) out; s = substr(s, 1, length(s) - 3) }
        return s out
    }
    function shown(n, unit) {
        if (unit == "B" && n >= 10 * 1048576) return sprintf("%.1f MiB", n / 1048576)
        if (unit == "B") return sprintf("%.1f KiB", n / 1024)
        return grouped(n)
    }
    function row(label, key, div, ref, refdiv, goal, unit,    value, ratio, verdict) {
        if (!(key in figure)) { printf "  %-52s %16s\n", label, "(not measured)"; missing = 1; return }
        value = figure[key] / div
        ratio = ""; verdict = ""
        if (ref != "" && (ref in figure) && figure[ref] > 0) {
            ratio = sprintf("%.2f", value / (figure[ref] / refdiv))
            if (goal != "") {
                verdict = (value / (figure[ref] / refdiv) <= goal + 0) ? "met" : "MISSED"
                verdict = sprintf("<= %-5s %s", goal, verdict)
            }
        }
        printf "  %-52s %16s %8s   %s\n", label, shown(value, unit), ratio, verdict
    }
    FNR == NR { figure[$1] = $2; order[++count] = $1; next }
    /^#/ || NF == 0 { next }
    $1 == "section" { printf "\n%s\n", $2; next }
    {
        if ($2 ~ /\*$/) {
            prefix = substr($2, 1, length($2) - 1)
            for (i = 1; i <= count; ++i)
                if (index(order[i], prefix) == 1)
                    row($1 substr(order[i], length(prefix) + 1), order[i], $3, $4, $5, $6, $7)
        } else {
            row($1, $2, $3, $4, $5, $6, $7)
        }
    }
    END {
        if (missing) print "\nSome figures are missing; see the logs in the results folder."
    }
' "$results/figures.tsv" - <<'EOF'
section	Full repaint of the 480x272 display (instructions; ratio to the floor)
Floor: status bar, list and key bar backgrounds	bench_screens.floor	1	bench_screens.floor	1		Ir
Settings screen	bench_screens.settingsScreen	1	bench_screens.floor	1		Ir
Settings screen, selection popup open	bench_screens.settingsWithPopup	1	bench_screens.floor	1		Ir
Settings screen, toast over it	bench_screens.toastOverScreen	1	bench_screens.floor	1		Ir
Connected devices, 5 stations	bench_screens.connectedDevices	1	bench_screens.floor	1		Ir
Gallery: 	bench_screens.galleryPage.*	1	bench_screens.floor	1		Ir
section	Frames a user sees, event to finished frame (instructions; ratio to the full repaint)
Full repaint, settings screen	bench_frames.fullRepaint.settings	1	bench_frames.fullRepaint.settings	1		Ir
Down, settings screen	bench_frames.settingsKey.down	1	bench_frames.fullRepaint.settings	1	0.25	Ir
Up, settings screen	bench_frames.settingsKey.up	1	bench_frames.fullRepaint.settings	1	0.25	Ir
Clock tick	bench_frames.clockTick	1	bench_frames.fullRepaint.settings	1	0.25	Ir
One character into the network name	bench_frames.typeCharacter	1	bench_frames.fullRepaint.settings	1	0.25	Ir
Wait notice over the settings screen, 	bench_frames.waitNotice.*	1	bench_frames.fullRepaint.settings	1	0.25	Ir
Full repaint, devices screen (5 stations)	bench_frames.fullRepaint.devices	1	bench_frames.fullRepaint.devices	1		Ir
Down, devices screen	bench_frames.devicesDown	1	bench_frames.fullRepaint.devices	1	0.25	Ir
Full repaint, settings screen with the popup	bench_frames.fullRepaint.popup	1	bench_frames.fullRepaint.popup	1		Ir
Popup slide-in, 	bench_frames.popupSlide.*	1	bench_frames.fullRepaint.popup	1	0.25	Ir
section	Key presses against the stock peer's key press, a character typed into its name (ratio ours / stock)
Stock: one character into the name	bench_frames.stockKey.type	1	bench_frames.stockKey.type	1		Ir
Down, settings screen	bench_frames.settingsKey.down	1	bench_frames.stockKey.type	1	0.3	Ir
Up, settings screen	bench_frames.settingsKey.up	1	bench_frames.stockKey.type	1	0.3	Ir
Down, devices screen	bench_frames.devicesDown	1	bench_frames.stockKey.type	1	0.3	Ir
One character into the network name	bench_frames.typeCharacter	1	bench_frames.stockKey.type	1	0.3	Ir
Stock: Down in the band's combo box	bench_frames.stockKey.down	1	bench_frames.stockKey.type	1		Ir
Down, settings screen, against the stock's Down	bench_frames.settingsKey.down	1	bench_frames.stockKey.down	1		Ir
section	Idle settings screen, 60 simulated seconds (only the clock may wake it)
Instructions	bench_idle.idleMinute	1				Ir
Timer events, 	bench_idle.timerEvents.*	1				
section	Against stock Qt widgets (ratio ours / stock)
Construction, ours	bench_peer.construction.ours	1	bench_peer.construction.stock	1	1.0	Ir
Construction, stock QDialog	bench_peer.construction.stock	1	bench_peer.construction.stock	1		Ir
Full repaint, ours	bench_peer.repaint.ours	1	bench_peer.repaint.stock	1	0.5	Ir
Full repaint, stock QDialog	bench_peer.repaint.stock	1	bench_peer.repaint.stock	1		Ir
section	Scaling (instructions; ratio to the smallest case, per station to 100)
List repaint, 5 rows	bench_scaling.listRepaint.5	1	bench_scaling.listRepaint.5	1		Ir
List repaint, 1,000 rows	bench_scaling.listRepaint.1000	1	bench_scaling.listRepaint.5	1		Ir
List repaint, 100,000 rows	bench_scaling.listRepaint.100000	1	bench_scaling.listRepaint.5	1	1.05	Ir
1,000 Down keys, 5 rows	bench_scaling.downKeys.5	1	bench_scaling.downKeys.5	1		Ir
1,000 Down keys, 1,000 rows	bench_scaling.downKeys.1000	1	bench_scaling.downKeys.5	1		Ir
1,000 Down keys, 100,000 rows	bench_scaling.downKeys.100000	1	bench_scaling.downKeys.5	1	1.05	Ir
parseStations per station, 1 station	bench_scaling.parseStations.1	1	bench_scaling.parseStations.100	100		Ir
parseStations per station, 100 stations	bench_scaling.parseStations.100	100	bench_scaling.parseStations.100	100		Ir
parseStations per station, 10,000 stations	bench_scaling.parseStations.10000	10000	bench_scaling.parseStations.100	100	1.2	Ir
updateStatus per station, 1 station	bench_scaling.updateStatus.1	1	bench_scaling.updateStatus.100	100		Ir
updateStatus per station, 100 stations	bench_scaling.updateStatus.100	100	bench_scaling.updateStatus.100	100		Ir
updateStatus per station, 10,000 stations	bench_scaling.updateStatus.10000	10000	bench_scaling.updateStatus.100	100	1.2	Ir
section	Start-up to the first frame (instructions; ratio to the bare Qt window)
Bare Qt program, one empty window: main() to frame	startup_bare.first-frame	1	startup_bare.first-frame	1		Ir
Plug-in: load, start, first frame of its screen	startup_plugin.first-frame	1	startup_bare.first-frame	1	1.5	Ir
(the host before the load: QApplication, fonts, core)	startup_plugin.shell-ready	1	startup_bare.first-frame	1		Ir
section	Memory (ratio ours / stock, simulator / bare Qt program)
Heap held by a settings screen, ours	bench_memory.screenHeap.ours	1	bench_memory.screenHeap.stock	1	1.5	B
Heap held by a settings screen, stock QDialog	bench_memory.screenHeap.stock	1	bench_memory.screenHeap.stock	1		B
Heap held once painted, caches included, ours	bench_memory.screenHeap.ours painted	1	bench_memory.screenHeap.stock painted	1	1.5	B
Heap held once painted, caches included, stock	bench_memory.screenHeap.stock painted	1	bench_memory.screenHeap.stock painted	1		B
Cache bound: our text pictures	bench_memory.cacheBound.text pictures	1				B
Cache bound: our elided texts (entries)	bench_memory.cacheBound.elided texts	1				
Cache bound: Qt's images loaded by name	bench_memory.cacheBound.pixmap cache	1				B
Peak resident size, simulator on a scripted walk	bench_memory.peakResident.simulator	1	bench_memory.peakResident.bare	1		B
Peak resident size, bare Qt program	bench_memory.peakResident.bare	1	bench_memory.peakResident.bare	1		B
EOF
echo
echo "Figures and logs: $results"
