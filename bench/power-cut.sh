#!/usr/bin/env bash
# Cuts the power of a virtual machine (its QEMU is killed) while the program renames photos just
# copied onto a vfat or exfat card, or right after the run reported its end, then looks at the
# card: fsck on the host, and a second boot that lists it read-only under the kernel's driver.
# Prints per cut when it came, the photos lost (no file holds them whole), the files emptied (a file
# that holds none of them whole) and the photos duplicated (held by more than one file), and what
# fsck found; then how long a run takes where nothing is cut.
# Needs what tests/vm/disk-tests.sh needs (bash scripts/install-dependencies.sh --tests).
# A vfat folder is searched entry by entry, so a run takes time in the square of its files; under
# software emulation a run on 2,000 photos takes about 5 s on exfat and 10 s on vfat, and a cut
# about 20 s in all.
# Usage: bash bench/power-cut.sh [CUTS_PER_DISK] [PHOTOS] [BUILD_FOLDER]
set -euo pipefail

cuts=${1:-10}
photos=${2:-2000}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=${3:-$source_dir/build-bench}
if [ -z "${3:-}" ]; then
    cmake -S "$source_dir" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$build" --target power_cut_run --parallel 2 >/dev/null
fi
build=$(cd "$build" && pwd)
source "$source_dir/tests/vm/boot.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
vm_initramfs "$work/initramfs.gz"

# Waits until a file of the job exists; gives up after the seconds given, or when the machine
# stopped on its own (a kernel that fails to boot under emulation, now and then).
wait_for() {
    for _ in $(seq $(($2 * 20))); do
        [ -e "$1" ] && return 0
        kill -0 "$machine" 2>/dev/null || return 1
        sleep 0.05
    done
    return 1
}

# What fsck found beyond what any cut leaves and harms nothing (the dirty flag, the free-space
# count, the backup boot sector), on one line; "-" for nothing.
fsck_findings() {
    local found
    found=$(grep -v -i -e '^fsck' -e '^exfatprogs' -e 'dirty' -e 'free cluster summary' -e 'auto-correcting' \
        -e 'backup' -e 'harmless' -e '^ *[0-9]*:[0-9a-f]*/' -e 'not automatically fixing' -e 'leaving filesystem unchanged' \
        -e 'files, .* clusters' -e ': clean\.' -e '^ *$' "$1" | head -3 | tr -cd '[:print:]\n' | tr -s ' \n' ' ')
    echo "${found:--}"
}

# Cuts the machine's power.
stop() {
    kill -9 "$(cat "$1/qemu.pid")" 2>/dev/null || true
    wait
}

seconds_since() {
    awk -v now="$(date +%s.%N)" -v then="$1" 'BEGIN { printf "%.1f", now - then }'
}

# One cut: copy and run in one boot, cut at a random moment, check in a second boot. An "after"
# cut comes within two seconds of the run's end and notes how long the run took; a "during" cut
# comes at a random moment of a run that long.
run_seconds=2
cut() {
    local disk=$1 when=$2 job=$work/job
    rm -rf "$job" && mkdir "$job"
    truncate -s 256M "$job/card.img"
    case $disk in
    vfat) mkfs.vfat -F 32 "$job/card.img" >/dev/null ;;
    exfat) mkfs.exfat "$job/card.img" >/dev/null ;;
    esac
    cat >"$job/run.sh" <<JOB
mkdir -p /run/card && mount -t $disk /dev/vda /run/card && mkdir /run/card/DCIM
$build/bench/power_cut_run /run/card/DCIM $photos | while read -r line; do echo "\$line" >"$job/\$line"; done
sleep 60
JOB
    VM_PIDFILE=$job/qemu.pid vm_boot "$work/initramfs.gz" "$job/run.sh" "$job/console.log" "$job/card.img" 2>/dev/null &
    local machine=$!
    wait_for "$job/copied" 900 || { stop "$job"; return 1; }
    local started delay
    started=$(date +%s.%N)
    if [ "$when" = after ]; then
        wait_for "$job/ended" 900 || { stop "$job"; return 1; }
        run_seconds=$(seconds_since "$started")
        delay=$(awk -v seed="$RANDOM" 'BEGIN { srand(seed); printf "%.2f", rand() * 2 }')
    else
        delay=$(awk -v seed="$RANDOM" -v run="$run_seconds" 'BEGIN { srand(seed); printf "%.2f", rand() * run }')
    fi
    sleep "$delay"
    local ended=no
    [ -e "$job/ended" ] && ended=yes
    stop "$job"
    local at
    at=$(seconds_since "$started")

    case $disk in
    vfat) fsck.vfat -n "$job/card.img" >"$job/fsck.log" 2>&1 || true ;;
    exfat) fsck.exfat -n "$job/card.img" >"$job/fsck.log" 2>&1 || true ;;
    esac
    cat >"$job/check.sh" <<JOB
mkdir -p /run/card && mount -o ro -t $disk /dev/vda /run/card && $build/bench/power_cut_run /run/card/DCIM >"$job/listed"
JOB
    vm_boot "$work/initramfs.gz" "$job/check.sh" "$job/check.log" "$job/card.img"
    FSCK=$(fsck_findings "$job/fsck.log") awk -v photos="$photos" -v disk="$disk" -v when="$when" -v at="$at" -v ended="$ended" '
        $3 == "-" { emptied++ }
        $3 != "-" { held[$3]++ }
        END {
            for (photo in held) { whole++; if (held[photo] > 1) duplicated++ }
            printf "%-6s %-7s %7s %-9s %6d %8d %11d  %s\n", disk, when, at, ended, photos - whole, emptied, duplicated, ENVIRON["FSCK"]
        }' "$job/listed"
}

printf '%-6s %-7s %7s %-9s %6s %8s %11s  %s\n' disk cut "cut at" "run ended" lost emptied duplicated fsck
for disk in vfat exfat; do
    for number in $(seq "$cuts"); do
        when=$([ "$number" -le $((cuts / 2)) ] && echo after || echo during)
        cut "$disk" "$when" || echo "$disk $when: the machine did not get through: $(tail -3 "$work/job/console.log" | tr -cd '[:print:]\n')"
    done
done

# What a run costs on photos the card already holds (copied, then written through), cut nowhere.
for disk in vfat exfat; do
    job=$work/job
    rm -rf "$job" && mkdir "$job"
    truncate -s 256M "$job/card.img"
    [ "$disk" = vfat ] && mkfs.vfat -F 32 "$job/card.img" >/dev/null || mkfs.exfat "$job/card.img" >/dev/null
    cat >"$job/run.sh" <<JOB
mkdir -p /run/card && mount -t $disk /dev/vda /run/card && mkdir /run/card/DCIM
$build/bench/power_cut_run /run/card/DCIM $photos settled >"$job/timed"
JOB
    vm_boot "$work/initramfs.gz" "$job/run.sh" "$job/console.log" "$job/card.img"
    echo "$disk, $photos photos already on the card: $(grep 'run took' "$job/timed" || echo 'no run')"
done

