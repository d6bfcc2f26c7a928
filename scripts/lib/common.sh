# Shared by scripts/run, scripts/test and scripts/package: package installation, the builds and what
# the tests start.
# Sourced, not run.

REPO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD_DIR=${QUILLMERE_BUILD_DIR:-$REPO_ROOT/build}

# Packages the program needs to build and run (qt6-wayland: its windows on a Wayland desktop).
RUN_PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev libx11-dev
              libxcb1-dev libcups2-dev fonts-liberation fontconfig qt6-wayland)
# Extra packages for the tests and benchmarks; openbox is the window manager that some focus tests start,
# weston the Wayland compositor of the tests labelled wayland, libxtst6 the keys the AT-SPI test presses.
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev locales xvfb xauth x11-xserver-utils openbox
               cups printer-driver-cups-pdf poppler-utils at-spi2-core python3-pyatspi dbus qt6-base-private-dev
               weston libxtst6)
# What scripts/screen-reader-transcript runs the program with: a screen reader, its speech service, a
# key sender and the accessibility bus.
SCREEN_READER_PACKAGES=(orca speech-dispatcher xdotool at-spi2-core dbus xvfb openbox)
# Packages that make the Debian package: CPack finds the programs with file and their libraries'
# packages with dpkg-shlibdeps; dpkg-buildflags gives Debian's compiler flags.
PACKAGE_PACKAGES=(dpkg-dev file)
# Debian's own checks of the package, which scripts/test runs.
PACKAGE_CHECK_PACKAGES=(lintian desktop-file-utils appstream man-db)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# The same for a process started in the background, whose id must be the process's own (as_root, a
# function, would run in a subshell): "${ROOT_PREFIX[@]}" command &
ROOT_PREFIX=()
[ "$(id -u)" -eq 0 ] || ROOT_PREFIX=(sudo)

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

# What the calling script starts for its run (a server, a queue) is stopped or removed when it ends,
# however it ends; the steps run last added first, so that what stands on an earlier step goes first.
EXIT_STEPS=()
at_exit() {
    EXIT_STEPS=("$(printf '%q ' "$@")" "${EXIT_STEPS[@]}")
    trap run_exit_steps EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
}

# Runs every exit step, each also when one before it failed.
run_exit_steps() {
    local step
    for step in "${EXIT_STEPS[@]}"; do
        eval "$step" || true
    done
}

# Builds the Debian package in a build folder of its own, $REPO_ROOT/build-package, with Debian's
# compiler and linker flags (hardening included, as Debian's own packages are built), and copies it
# into folder $1. Sets PACKAGE_FILE to its path.
build_package() {
    local package_build=$REPO_ROOT/build-package
    local -x DEB_BUILD_MAINT_OPTIONS=hardening=+all
    BUILD_DIR=$package_build build_all -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF -DQUILLMERE_BENCHMARKS=OFF \
        -DQUILLMERE_WERROR=OFF \
        "-DCMAKE_CXX_FLAGS=$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
        "-DCMAKE_EXE_LINKER_FLAGS=$(dpkg-buildflags --get LDFLAGS)"
    rm -rf "$package_build/cpack"
    if ! (cd "$package_build" && cpack -G DEB -B "$package_build/cpack" >"$package_build/cpack.log" 2>&1); then
        cat "$package_build/cpack.log" >&2
        return 1
    fi
    mkdir -p "$1"
    cp "$package_build"/cpack/quillmere_*.deb "$1/"
    PACKAGE_FILE=$(realpath "$1/$(basename "$package_build"/cpack/quillmere_*.deb)")
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
    at_exit kill "$XVFB_PID"
    read -r -t 60 number <"$fifo_dir/ready" || true
    rm -rf "$fifo_dir"
    if [ -z "$number" ]; then
        echo "$(basename "$0"): the private X server (Xvfb) did not start." >&2
        return 1
    fi
    export DISPLAY=":$number"
}

# Starts a private headless Wayland compositor (weston) with its socket in a private folder, both gone
# when the calling script exits, and exports WAYLAND_DISPLAY as the socket's path.
start_private_weston() {
    local runtime tries=0
    runtime=$(mktemp -d)
    chmod 700 "$runtime"
    at_exit rm -rf "$runtime"
    XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=wayland-0 --idle-time=0 \
        --width=1280 --height=1024 >"$runtime/weston.log" 2>&1 &
    at_exit kill "$!"
    until [ -S "$runtime/wayland-0" ]; do
        tries=$((tries + 1))
        if [ "$tries" -gt 100 ]; then
            echo "$(basename "$0"): the private Wayland compositor (weston) did not start:" >&2
            cat "$runtime/weston.log" >&2
            return 1
        fi
        sleep 0.1
    done
    export WAYLAND_DISPLAY=$runtime/wayland-0
}

# Uses the current X display, or starts a private Xvfb when there is none.
ensure_x_display() {
    [ -n "${DISPLAY:-}" ] && return 0
    start_private_xvfb
}

# The CUPS queues of the printing tests, one a line: name, state and the variable that names it to
# the tests. All of them print through the cups-pdf settings of the first, whose PDF files land in
# QUILLMERE_TEST_PDF_OUT; a rejecting queue refuses every job, a paused one takes jobs and holds them,
# and a failing one takes jobs that its backend then fails to print (a serial port that cannot exist),
# so that the scheduler holds them with the backend's error.
TEST_PRINT_QUEUES=(
    "QuillmereTest ready PRINTER"
    "QuillmereRefusing rejecting QUILLMERE_TEST_REFUSING_PRINTER"
    "QuillmerePaused paused QUILLMERE_TEST_PAUSED_PRINTER"
    "QuillmereFailing failing QUILLMERE_TEST_FAILING_PRINTER"
)
TEST_PDF_PPD=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
TEST_FAILING_DEVICE=serial:/dev/null/quillmere

# Runs a CUPS command as root against the scheduler of the tests: sudo clears CUPS_SERVER, so it is
# passed on by hand.
cups_as_root() {
    as_root env ${CUPS_SERVER:+CUPS_SERVER="$CUPS_SERVER"} "$@"
}

# True when the scheduler that the CUPS commands reach answers.
scheduler_running() {
    lpstat -r 2>/dev/null | grep -q "is running"
}

# Waits up to ten seconds for the scheduler to answer, while process $1 lives.
wait_for_scheduler() {
    local tries=0
    until scheduler_running; do
        tries=$((tries + 1))
        if [ "$tries" -gt 100 ] || [ ! -d "/proc/$1" ]; then
            return 1
        fi
        sleep 0.1
    done
}

# Ends process $1, one that this script started, and waits for it.
stop_process() {
    as_root kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# Writes the cups-pdf settings of the test queues to file $1; with a folder $2, the backend keeps its
# spool, log and scratch files there too. Their device cups-pdf:/NAME makes the backend read
# /etc/cups/cups-pdf-NAME.conf instead of its general configuration.
write_cups_pdf_settings() {
    {
        printf 'Out %s\nGrp lpadmin\n' "$TEST_PDF_OUT"
        [ $# -lt 2 ] || printf 'Spool %s/spool\nLog %s/log\nGSTmp %s/tmp\nAnonDirName %s/anonymous\n' "$2" "$2" "$2" "$2"
    } | as_root tee "$1" >/dev/null
}

# The name of the first test queue, whose cups-pdf settings all of them use.
pdf_settings_name() {
    echo "${TEST_PRINT_QUEUES[0]%% *}"
}

# Adds the queues of TEST_PRINT_QUEUES that the scheduler lacks and sets their states. Prints the
# names of the queues it added, so that the caller can remove them again.
add_test_print_queues() {
    local entry name state variable device
    for entry in "${TEST_PRINT_QUEUES[@]}"; do
        read -r name state variable <<<"$entry"
        device="cups-pdf:/$(pdf_settings_name)"
        [ "$state" != failing ] || device=$TEST_FAILING_DEVICE
        if ! lpstat -v "$name" >/dev/null 2>&1; then
            cups_as_root lpadmin -p "$name" -E -v "$device" -P "$TEST_PDF_PPD" 2>/dev/null
            echo "$name"
        fi
        case $state in
            rejecting) cups_as_root cupsreject "$name" ;;
            paused) cups_as_root cupsdisable "$name" ;;
        esac
    done
}

# Exports the queues' names in their variables and the folder of the PDF files.
export_test_print_queues() {
    local entry name state variable
    for entry in "${TEST_PRINT_QUEUES[@]}"; do
        read -r name state variable <<<"$entry"
        export "$variable=$name"
    done
    export QUILLMERE_TEST_PDF_OUT=$TEST_PDF_OUT
}

# Writes the private scheduler's settings into folder $1: it listens on a socket there only and keeps
# its spool, cache, state and logs there. Whoever reaches that socket may do anything.
write_private_cups_settings() {
    cat >"$1/etc/cupsd.conf" <<EOF
Listen $1/cups.sock
Browsing No
WebInterface No
DefaultShared No
LogLevel warn
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
    cat >"$1/etc/cups-files.conf" <<EOF
ServerRoot $1/etc
RequestRoot $1/spool
TempDir $1/spool/tmp
CacheDir $1/cache
StateDir $1/state
Printcap $1/state/printcap
AccessLog $1/log/access_log
ErrorLog $1/log/error_log
PageLog $1/log/page_log
SystemGroup root lpadmin
EOF
}

# Starts a CUPS scheduler of the tests' own, stopped and removed when the calling script exits: its
# settings, spool, cache, state, logs, socket and the cups-pdf backend's files all in one temporary
# folder, reached through CUPS_SERVER, so the machine's printers and scheduler stay as they were.
# The cups-pdf backend reads its settings from /etc/cups alone, so the scheduler runs in a mount
# namespace of its own in which the folder's settings stand at /etc/cups. Fails, saying why, where
# that cannot be done.
start_private_print_system() {
    local root pid
    if ! as_root unshare --mount --propagation private true 2>/dev/null; then
        echo "$(basename "$0"): a private CUPS scheduler needs a mount namespace for the cups-pdf settings, and 'unshare --mount' fails here." >&2
        return 1
    fi
    root=$(mktemp -d "${TMPDIR:-/tmp}/quillmere-cups.XXXXXX")
    # The scheduler's filters run as the lp user and reach the spool through this folder.
    chmod 755 "$root"
    at_exit as_root rm -rf "$root"
    mkdir -p "$root"/{etc,spool/tmp,cache,state,log,pdf} "$root"/cups-pdf/{spool,log,tmp,anonymous}
    write_private_cups_settings "$root"
    TEST_PDF_OUT=$root/pdf
    write_cups_pdf_settings "$root/etc/cups-pdf-$(pdf_settings_name).conf" "$root/cups-pdf"
    # shellcheck disable=SC2016 # $1 is the inner shell's
    "${ROOT_PREFIX[@]}" unshare --mount --propagation private -- sh -c \
        'mount --bind "$1/etc" /etc/cups && exec cupsd -f -c "$1/etc/cupsd.conf" -s "$1/etc/cups-files.conf"' \
        sh "$root" >"$root/log/cupsd.out" 2>&1 &
    pid=$!
    at_exit stop_process "$pid"
    export CUPS_SERVER=$root/cups.sock
    if ! wait_for_scheduler "$pid"; then
        echo "$(basename "$0"): the private CUPS scheduler did not start:" >&2
        cat "$root/log/cupsd.out" "$root/log/error_log" 2>/dev/null | tail -n 5 >&2
        unset CUPS_SERVER
        return 1
    fi
    export_private_cupsd_pid "$pid"
}

# Exports the process id of the private scheduler started as process $1 (cupsd itself, or the sudo
# that runs it) in QUILLMERE_TEST_CUPSD_PID, for the tests that stop and resume it. The machine's
# scheduler is never named there.
export_private_cupsd_pid() {
    local cupsd=$1
    [ "$(cat "/proc/$1/comm" 2>/dev/null)" = cupsd ] || cupsd=$(pgrep -x -P "$1" cupsd | head -n 1)
    [ -z "$cupsd" ] || export QUILLMERE_TEST_CUPSD_PID=$cupsd
}

# The machine's scheduler for the test queues, where a private one cannot run: started when none runs
# (a container has no service manager to start it). What this starts, adds or writes is stopped or
# removed again when the calling script exits.
use_machine_print_system() {
    local name added settings
    if ! scheduler_running; then
        "${ROOT_PREFIX[@]}" cupsd -f &
        at_exit stop_process "$!"
        if ! wait_for_scheduler "$!"; then
            echo "$(basename "$0"): the CUPS scheduler did not start." >&2
            return 1
        fi
    fi
    TEST_PDF_OUT=/var/spool/cups-pdf/quillmere-test
    settings=/etc/cups/cups-pdf-$(pdf_settings_name).conf
    if [ ! -e "$settings" ]; then
        write_cups_pdf_settings "$settings"
        at_exit as_root rm -f "$settings"
    fi
    if [ ! -d "$TEST_PDF_OUT" ]; then
        as_root mkdir -p "$TEST_PDF_OUT"
        at_exit as_root rm -rf "$TEST_PDF_OUT"
    fi
    added=$(add_test_print_queues)
    for name in $added; do
        at_exit as_root lpadmin -x "$name"
    done
}

# A print system with the queues of TEST_PRINT_QUEUES for the printing tests: a private scheduler, or
# else the machine's.
ensure_test_print_queues() {
    if start_private_print_system; then
        add_test_print_queues >/dev/null
    else
        echo "$(basename "$0"): the printing tests use the machine's CUPS scheduler instead; what they add there is removed at the end." >&2
        use_machine_print_system
    fi
    export_test_print_queues
}
