# Shared by scripts/run and scripts/test: package installation and the build.
# Sourced, not run.

REPO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD_DIR=${QUILLMERE_BUILD_DIR:-$REPO_ROOT/build}

# Packages the program needs to build and run.
RUN_PACKAGES=(g++ cmake ninja-build qt6-base-dev libgl-dev libx11-dev libcups2-dev fonts-liberation fontconfig)
# Extra packages for the tests and benchmarks; openbox is the window manager that some focus tests start.
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev locales xvfb xauth x11-xserver-utils openbox
               cups printer-driver-cups-pdf poppler-utils at-spi2-core python3-pyatspi dbus qt6-base-private-dev)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs whichever of the named Debian packages are missing; does nothing when all are there.
ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures and builds everything into $BUILD_DIR. Extra arguments go to cmake at configure time,
# also for a build folder configured before, so that the calling script's options always hold.
build_all() {
    if [ ! -f "$BUILD_DIR/build.ninja" ]; then
        cmake -S "$REPO_ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    elif [ $# -gt 0 ]; then
        cmake -S "$REPO_ROOT" -B "$BUILD_DIR" "$@" >/dev/null
    fi
    cmake --build "$BUILD_DIR" --parallel "$(nproc)"
}

# Starts a private Xvfb, stopped when the calling script exits, and exports its DISPLAY. Xvfb picks
# a free display number itself and reports it once it accepts connections, so runs side by side or a
# stale lock file cannot make two scripts share one server.
start_private_xvfb() {
    local fifo_dir number=""
    fifo_dir=$(mktemp -d)
    mkfifo "$fifo_dir/ready"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo_dir/ready" >/dev/null 2>&1 &
    XVFB_PID=$!
    trap 'kill $XVFB_PID 2>/dev/null || true' EXIT
    read -r -t 60 number <"$fifo_dir/ready" || true
    rm -rf "$fifo_dir"
    if [ -z "$number" ]; then
        echo "$(basename "$0"): the private X server (Xvfb) did not start." >&2
        return 1
    fi
    export DISPLAY=":$number"
}

# Uses the current X display, or starts a private Xvfb when there is none.
ensure_x_display() {
    [ -n "${DISPLAY:-}" ] && return 0
    start_private_xvfb
}

# The CUPS queues that the printing tests print to: a cups-pdf printer whose PDF files land in
# $TEST_PDF_OUT, one that refuses every job and one that is paused (it takes jobs and holds them). The
# tests find them in PRINTER, QUILLMERE_TEST_PDF_OUT, QUILLMERE_TEST_REFUSING_PRINTER and
# QUILLMERE_TEST_PAUSED_PRINTER.
TEST_PRINT_QUEUE=QuillmereTest
TEST_REFUSING_QUEUE=QuillmereRefusing
TEST_PAUSED_QUEUE=QuillmerePaused
TEST_PDF_OUT=/var/spool/cups-pdf/quillmere-test

# Adds the cups-pdf queue $1 unless it is there. A device cups-pdf:/NAME reads
# /etc/cups/cups-pdf-NAME.conf instead of the general configuration.
add_pdf_queue() {
    if ! lpstat -v "$1" 2>/dev/null | grep -q "cups-pdf:/$TEST_PRINT_QUEUE\$"; then
        as_root lpadmin -p "$1" -E -v "cups-pdf:/$TEST_PRINT_QUEUE" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
    fi
}

# Starts the CUPS scheduler when none runs (a container has no service manager to start it) and sets
# up the test queues.
ensure_test_print_queues() {
    if ! lpstat -r 2>/dev/null | grep -q "is running"; then
        as_root cupsd
        local tries=0
        until lpstat -r 2>/dev/null | grep -q "is running"; do
            tries=$((tries + 1))
            if [ "$tries" -gt 100 ]; then
                echo "$(basename "$0"): the CUPS scheduler did not start." >&2
                return 1
            fi
            sleep 0.1
        done
    fi
    printf 'Out %s\nGrp lpadmin\n' "$TEST_PDF_OUT" | as_root tee "/etc/cups/cups-pdf-$TEST_PRINT_QUEUE.conf" >/dev/null
    as_root mkdir -p "$TEST_PDF_OUT"
    add_pdf_queue "$TEST_PRINT_QUEUE"
    add_pdf_queue "$TEST_REFUSING_QUEUE"
    as_root cupsreject "$TEST_REFUSING_QUEUE"
    add_pdf_queue "$TEST_PAUSED_QUEUE"
    as_root cupsdisable "$TEST_PAUSED_QUEUE"
    export PRINTER=$TEST_PRINT_QUEUE QUILLMERE_TEST_PDF_OUT=$TEST_PDF_OUT
    export QUILLMERE_TEST_REFUSING_PRINTER=$TEST_REFUSING_QUEUE QUILLMERE_TEST_PAUSED_PRINTER=$TEST_PAUSED_QUEUE
}
