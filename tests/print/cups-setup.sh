#!/bin/sh
# A real printer queue for the printing tests, run as root: a local CUPS
# scheduler with a cups-pdf queue as the default printer, and <queue>Margins,
# the same with half-inch margins on every paper size.
#   cups-setup.sh start|stop|out
# start (re)uses the scheduler and adds the queues, stop ends the scheduler
# this script started; each prints the folder the PDFs land in, as out does.
# Environment: TERRALORE_PRINT_QUEUE (default TerralorePDF), TERRALORE_PRINT_OUT
# (default /var/spool/cups-pdf/terralore).
set -eu

QUEUE=${TERRALORE_PRINT_QUEUE:-TerralorePDF}
OUT=${TERRALORE_PRINT_OUT:-/var/spool/cups-pdf/terralore}
PIDFILE=/run/terralore-cupsd.pid
PPD=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

scheduler_running() { lpstat -r 2>/dev/null | grep -q "is running"; }

wait_for() { # up|down, about five seconds at most
    for _ in $(seq 100); do
        if scheduler_running; then [ "$1" = up ]; else [ "$1" = down ]; fi && return 0
        sleep 0.05
    done
    return 1
}

add_queue() { # name ppd
    # cups-pdf reads cups-pdf-<queue>.conf for a device URI cups-pdf:/<queue>,
    # so the system's own cups-pdf.conf stays untouched.
    conf=/etc/cups/cups-pdf-$1.conf
    cat >"$conf.new" <<EOF
Out $OUT
AnonDirName $OUT
Label 1
UserUMask 0022
AnonUMask 0022
Grp lpadmin
EOF
    mv "$conf.new" "$conf"

    if ! lpstat -v "$1" >/dev/null 2>&1; then
        # (lpadmin warns that printer drivers are deprecated; they still work)
        lpadmin -p "$1" -v "cups-pdf:/$1" -E -P "$2" 2>&1 | grep -v "deprecated" >&2 || true
    fi
    # The default PDF-to-PostScript step turns the embedded fonts into
    # Type 3 glyphs without their characters, so the text could not be read
    # back; Cairo's keeps them as TrueType with their Unicode map.
    lpadmin -p "$1" -o pdftops-renderer-default=pdftocairo
    cupsenable "$1"
    cupsaccept "$1"
}

# The driver's description with every imageable area half an inch (36
# points) in from the paper's edges, as a common office printer has.
margins_ppd() { # ppd
    awk '/^\*ImageableArea [^:]*: "0 0 [0-9.]+ [0-9.]+"/ {
             split($0, parts, "\""); split(parts[2], box, " ");
             printf "%s\"36 36 %g %g\"\n", parts[1], box[3] - 36, box[4] - 36; next }
         { print }' "$1"
}

start() {
    command -v cupsd >/dev/null 2>&1 || PATH=$PATH:/usr/sbin
    if ! scheduler_running; then
        mkdir -p /run/cups /var/spool/cups /var/log/cups
        # Foreground mode under setsid, so the pid recorded is the scheduler's.
        setsid cupsd -f >/dev/null 2>&1 </dev/null &
        echo $! >"$PIDFILE"
        wait_for up || { echo "cups-setup: the scheduler did not start" >&2; exit 1; }
    fi

    # Jobs are written by their users (root's by "nobody"): a folder like /tmp.
    mkdir -p "$OUT"
    chmod 1777 "$OUT"
    add_queue "$QUEUE" "$PPD"
    margins=/etc/cups/terralore-margins.ppd
    margins_ppd "$PPD" >"$margins.new" && mv "$margins.new" "$margins"
    add_queue "${QUEUE}Margins" "$margins"
    lpadmin -d "$QUEUE"
    echo "$OUT"
}

stop() {
    if [ -f "$PIDFILE" ]; then
        pid=$(cat "$PIDFILE")
        if kill -0 "$pid" 2>/dev/null; then
            kill "$pid"
            wait_for down || { echo "cups-setup: the scheduler did not stop" >&2; exit 1; }
        fi
        rm -f "$PIDFILE"
    elif scheduler_running; then
        echo "cups-setup: the scheduler was not started by this script; left running" >&2
    fi
    echo "$OUT"
}

case "${1:-start}" in
start) start ;;
stop) stop ;;
out) echo "$OUT" ;;
*) echo "usage: $0 start|stop|out" >&2 && exit 2 ;;
esac
