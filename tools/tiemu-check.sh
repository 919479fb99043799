#!/bin/sh
# Snap, Send and Receive with the TI-89 chosen, against PedroM-89 and PedroM-89Ti running in TiEmu on
# the far end of the virtual link (TiEmu cable, port #1). Not run by CI; skips without TiEmu.
#
#   tools/tiemu-check.sh [BUILD_DIR]    (default: build)
#
# TiEmu needs an X server (it is started under xvfb-run) and a ROM image: the free PedroM
# systems Debian ships are raw .tib files, which this libtifiles does not recognise, so each
# is wrapped in a TI-89 FLASH header (.89u) that TiEmu converts into its image at start-up.
# Holds the lock of the link tests: there is one virtual link per machine.
set -eu

if ! command -v tiemu >/dev/null 2>&1; then
    echo "tiemu-check: skipped: tiemu is not installed (apt-get install tiemu)"
    exit 0
fi
pedrom=/usr/share/tiemu/pedrom
build=$(cd "${1:-build}" && pwd)
check="$build/tools/tiemu-check/tiemu_check"
[ -x "$check" ] || { echo "tiemu-check: $check is not built"; exit 1; }
for tool in xvfb-run python3; do
    command -v "$tool" >/dev/null 2>&1 || { echo "tiemu-check: skipped: $tool is missing"; exit 0; }
done

clean_link() {
    rm -f /tmp/.vlc_0_1 /tmp/.vlc_1_0
    python3 - <<'PY'
import ctypes, ctypes.util
libc = ctypes.CDLL(ctypes.util.find_library("c"), use_errno=True)
key = libc.ftok(b"/tmp", 0x1234)
shm = libc.shmget(key, 0, 0) if key != -1 else -1
if shm != -1:
    libc.shmctl(shm, 0, None)  # IPC_RMID
PY
}

# A TI-89 FLASH operating system file around a raw .tib: the 78-byte **TIFL** header.
wrap_tib() {
    python3 - "$1" "$2" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
name = b"basecode"
header = (b"**TIFL**" + bytes([2, 0, 0, 0, 1, 1, 0x20, 0x05]) + bytes([len(name)]) + name + bytes(23)
          + bytes([0x98, 0x23]) + bytes(24) + struct.pack("<I", len(data)))
open(sys.argv[2], "wb").write(header + data)
PY
}

run_model() {
    model=$1
    home=$(mktemp -d)
    mkdir -p "$home/.tiemu/images"
    wrap_tib "$pedrom/$model.tib" "$home/.tiemu/images/$model.89u"
    cat >"$home/.tiemu/tiemu.ini" <<INI
version=3.04
cable_model=TiEmu
cable_port=#1
cable_timeout=20
cable_delay=10
img_file=$home/.tiemu/images/$model.img
tib_file=
sav_file=
skin=0
RC_END
INI
    echo "tiemu-check: $model"
    clean_link
    status=0
    HOME=$home xvfb-run -a sh -c '
        tiemu >"$HOME/tiemu.log" 2>&1 &
        emulator=$!
        PIXORAM_TIEMU=1 QT_QPA_PLATFORM=offscreen QT_QPA_PLATFORMTHEME= "$0"
        status=$?
        kill $emulator
        wait $emulator 2>/dev/null
        exit $status' "$check" || status=$?
    clean_link
    rm -rf "$home"
    return $status
}

exec 9>/tmp/pixoram-ctest.lock
flock 9
failed=0
for model in pedrom89 pedrom89ti; do
    run_model $model || failed=1
done
exit $failed
