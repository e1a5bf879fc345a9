# Boots the kernel of fetch-kernel.sh in QEMU with software emulation and runs a job in it. The
# two processors are emulated in one thread: with a thread each, the kernel now and then panicked
# while it patched its own code at boot.
# Sourced by the disk tests and the power-cut benchmark.
#   vm_initramfs FILE            builds the first program's archive
#   vm_boot INITRAMFS JOB LOG [DISK...]
#       runs the shell script JOB (its folder is writable from inside) on the host's own system,
#       with each disk image attached as /dev/vda, /dev/vdb and so on; the machine's console
#       goes to LOG. Returns when the machine is off. With VM_PIDFILE set, QEMU's process number
#       is written there, so that the machine can be cut off.

vm_kernel=${VM_KERNEL:-/var/cache/atnevezes-vm}
vm_source=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

vm_initramfs() {
    local root
    root=$(mktemp -d)
    mkdir -p "$root/bin" "$root/proc" "$root/sys" "$root/dev"
    cp /bin/busybox "$root/bin/busybox"
    cp "$vm_source/init" "$root/init"
    chmod +x "$root/init"
    cp -r "$vm_kernel/modules" "$root/modules"
    (cd "$root" && find . | busybox cpio -o -H newc 2>/dev/null) | gzip -1 >"$1"
    rm -rf "$root"
}

vm_boot() {
    local initramfs=$1 job=$2 log=$3
    shift 3
    local disks=()
    for image in "$@"; do
        disks+=(-drive "file=$image,if=virtio,format=raw,cache=writeback")
    done
    local pidfile=()
    [ -z "${VM_PIDFILE:-}" ] || pidfile=(-pidfile "$VM_PIDFILE")
    qemu-system-x86_64 "${pidfile[@]}" -accel tcg,thread=single -cpu max -smp 2 -m 2048 -nographic -vga none -no-reboot -nic none \
        -kernel "$vm_kernel/vmlinuz" -initrd "$initramfs" \
        -append "console=ttyS0 quiet loglevel=3 panic=-1 job=$job" \
        -fsdev local,id=host,path=/,security_model=none,readonly=on,multidevs=remap \
        -device virtio-9p-pci,fsdev=host,mount_tag=host \
        -fsdev "local,id=work,path=${job%/*},security_model=none" \
        -device virtio-9p-pci,fsdev=work,mount_tag=work \
        "${disks[@]}" </dev/null >"$log" 2>&1
}
