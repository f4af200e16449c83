# Shared by play.sh and test.sh: the packages the project needs, and the Wine
# prefix it runs in (under build/, never in the user's home).
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all

as_root() {
    if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs what is missing; does nothing when everything is there.
install_packages() {
    local want="cmake g++ make python3 googletest libgtest-dev libbenchmark-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64
                wine wine64 xvfb xauth imagemagick xdotool clang libclang-rt-14-dev"
    local missing=""
    for p in $want; do
        dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
    done
    if ! dpkg --print-foreign-architectures | grep -qx i386 || ! dpkg -s wine32:i386 >/dev/null 2>&1; then
        missing="$missing wine32:i386"
    fi
    [ -z "$missing" ] && return 0
    echo "== installing:$missing"
    dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386
    as_root apt-get update -q >/dev/null
    if ! as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q $missing >/dev/null; then
        # The i386 index is sometimes caught mid-sync; one more try, then go on without 32-bit Wine.
        sleep 20
        as_root apt-get update -q >/dev/null
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q $missing >/dev/null ||
            as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q ${missing//wine32:i386/} >/dev/null
    fi
}

configure_and_build() {  # name, extra cmake arguments...
    local name=$1
    shift
    mkdir -p "$build"
    cmake -S "$root" -B "$build/$name" "$@" >"$build/$name.configure.log" 2>&1 ||
        { cat "$build/$name.configure.log"; return 1; }
    cmake --build "$build/$name" -j"$(nproc)"
}

# The Release build for Windows: win32 (i686, the shipped program) or win64.
build_for_windows() {  # win32 or win64
    local arch=i686
    [ "$1" = win64 ] && arch=x86_64
    configure_and_build "$1" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-$arch.cmake" -DCMAKE_BUILD_TYPE=Release
}

build_windows() {
    build_for_windows win64 && build_for_windows win32
}

wine64_loader() {
    if [ -x /usr/lib/wine/wine64 ]; then echo /usr/lib/wine/wine64; else echo wine64; fi
}

# Creates the prefix once, with the two settings that keep GUI tests fast:
# no window manager waits, no audio back-end.
prepare_wine_prefix() {
    mkdir -p "$build"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.krelmot-ready" ]; then
            rm -rf "$WINEPREFIX"
            local w
            w=$(wine64_loader)
            WINELOADER=$w "$w" wineboot -i </dev/null >/dev/null 2>&1
            WINELOADER=$w "$w" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
            WINELOADER=$w "$w" reg add 'HKCU\Software\Wine\Drivers' /v Audio /d '' /f </dev/null >/dev/null 2>&1
            wineserver -w
            touch "$WINEPREFIX/.krelmot-ready"
        fi
    ) 9>"$build/wineprefix.lock"
}

# Helpers started inside a test would inherit CTest's output pipe and make it
# wait; start them first, detached.
start_wine() {
    wineserver -p </dev/null >/dev/null 2>&1
    WINELOADER=$(wine64_loader) "$(wine64_loader)" cmd /c exit 0 </dev/null >/dev/null 2>&1
}

stop_wine() {
    wineserver -k >/dev/null 2>&1 || true
}

# Without Wine's 32-bit half (or on a kernel that cannot run 32-bit programs)
# a 32-bit program under wine prints nothing and exits 0; a probe that must
# print a known line tells the two apart. Windows programs end their lines
# with a carriage return, which is not part of the line.
WINE32_PROBE_LINE="krelmot 32-bit probe"
wine32_probe_output() {
    local probe="$build/win32/tests/wine32_probe.exe"
    [ -f "$probe" ] || { echo "(no probe program at $probe)"; return; }
    "$root/scripts/wine-run.sh" "$probe" 2>"$build/wine32-probe.err" </dev/null | tr -d '\r' | head -3
}
