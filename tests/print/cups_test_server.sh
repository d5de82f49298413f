#!/usr/bin/env bash
# A private CUPS scheduler for the printing tests, on its own socket in a directory of its own.
#   cups_test_server.sh start DIR [raw|pdf|none] -> starts cupsd with that default queue, prints its PID
#   cups_test_server.sh queue DIR raw|pdf        -> adds that queue and makes it the default
#   cups_test_server.sh drop DIR                 -> deletes every queue: no printer at all
#   cups_test_server.sh stop DIR                 -> stops the scheduler started in DIR by its PID
# The raw queue keeps each job's file as it arrived in DIR/out; cups-pdf writes where its own
# configuration says.
# Clients reach it with CUPS_SERVER=DIR/cups.sock. Needs root (the keeping backend is mode 0700).
set -euo pipefail

cmd=${1:?start, queue, drop or stop}
dir=${2:?directory}
queues=${3:-raw}
backend=/usr/lib/cups/backend/morvi-keep
sock=$dir/cups.sock

fail() { echo "cups_test_server: $*" >&2; exit 1; }

install_backend() {
    # Keeps each job's file exactly as it reached the queue, in the directory of its device URI.
    cat >"$backend.tmp" <<'SH'
#!/bin/sh
[ $# -eq 0 ] && { echo 'direct morvi-keep "Unknown" "Morvi test job keeper"'; exit 0; }
out=${DEVICE_URI#morvi-keep:}
if [ -n "$6" ]; then cat "$6"; else cat; fi >"$out/job-$1.pdf" || exit 1
SH
    chmod 0700 "$backend.tmp"
    mv -f "$backend.tmp" "$backend"
}

write_config() {
    mkdir -p "$dir"/{etc/ppd,spool/tmp,cache,state,log,out}
    chmod 0755 "$dir" "$dir/out"
    cat >"$dir/cups-files.conf" <<CONF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
User lp
Group lp
SystemGroup root
Sandboxing Relaxed
CONF
    cat >"$dir/cupsd.conf" <<CONF
LogLevel warn
Listen $sock
Browsing No
DefaultAuthType None
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess default
  JobPrivateValues default
  SubscriptionPrivateAccess default
  SubscriptionPrivateValues default
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
    echo "ServerName $sock" >"$dir/etc/client.conf"
}

wait_until_ready() {
    local pid=$1
    for _ in $(seq 1 100); do
        kill -0 "$pid" 2>/dev/null || fail "cupsd exited: $(tail -n 5 "$dir/log/error_log" 2>/dev/null)"
        lpstat -h "$sock" -r 2>/dev/null | grep -q 'is running' && return 0
        sleep 0.05
    done
    fail "cupsd did not answer on $sock within 5 s"
}

add_queues() {
    case $1 in
    raw)
        lpadmin -h "$sock" -p morvi-raw -E -v "morvi-keep:$dir/out"
        lpadmin -h "$sock" -d morvi-raw
        ;;
    pdf)
        lpadmin -h "$sock" -p morvi-pdf -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
        lpadmin -h "$sock" -d morvi-pdf
        ;;
    none) ;;
    *) fail "unknown queue kind: $1" ;;
    esac
}

start() {
    [[ $(id -u) -eq 0 ]] || fail "must run as root"
    command -v cupsd >/dev/null || fail "cupsd is not installed"
    install_backend
    write_config
    cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" </dev/null >>"$dir/log/cupsd.out" 2>&1 &
    local pid=$!
    echo "$pid" >"$dir/cupsd.pid"
    wait_until_ready "$pid"
    add_queues "$1"
    echo "$pid"
}

stop() {
    [[ -f $dir/cupsd.pid ]] || exit 0
    local pid
    pid=$(cat "$dir/cupsd.pid")
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 1 100); do
        kill -0 "$pid" 2>/dev/null || { rm -f "$dir/cupsd.pid"; exit 0; }
        sleep 0.05
    done
    kill -KILL "$pid" 2>/dev/null || true
    rm -f "$dir/cupsd.pid"
}

drop_all() {
    local queue
    for queue in $(lpstat -h "$sock" -e); do lpadmin -h "$sock" -x "$queue"; done
}

case $cmd in
start) start "$queues" ;;
queue) add_queues "$queues" ;;
drop) drop_all ;;
stop) stop ;;
*) fail "unknown command: $cmd" ;;
esac
