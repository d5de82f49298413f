#!/usr/bin/env bash
# A private CUPS scheduler for the printing tests, on DIR/cups.sock, whose default queue "morvi"
# keeps each job's file as it arrived in DIR/out. Needs root (the keeping backend is mode 0700).
#   cups_test_server.sh start DIR | stop DIR
set -euo pipefail
dir=$2
sock=$dir/cups.sock
pidfile=$dir/cupsd.pid
fail() { echo "cups_test_server: $*" >&2; exit 1; }

# Stopping waits for the scheduler to end, so nothing it writes on its way out is left behind.
[[ $1 == stop ]] && { p=$(cat "$pidfile") && kill "$p" && tail --pid="$p" -f /dev/null; exit 0; }
[[ $(id -u) -eq 0 ]] || fail "must run as root"
command -v cupsd >/dev/null || fail "cupsd is not installed"
install -m 0700 /dev/stdin /usr/lib/cups/backend/morvi-keep <<'SH'
#!/bin/sh
[ $# -eq 0 ] && { echo 'direct morvi-keep "Unknown" "Morvi test job keeper"'; exit 0; }
if [ -n "$6" ]; then cat "$6"; else cat; fi >"${DEVICE_URI#morvi-keep:}/job-$1.pdf"
SH
mkdir -p "$dir"/{etc,spool/tmp,cache,state,log,out}
chmod 0755 "$dir" "$dir/out"
printf '%s\n' "ServerRoot $dir/etc" "RequestRoot $dir/spool" "TempDir $dir/spool/tmp" \
    "CacheDir $dir/cache" "StateDir $dir/state" "ErrorLog $dir/log/error_log" \
    "AccessLog $dir/log/access_log" "PageLog $dir/log/page_log" "User lp" \
    "Group lp" "SystemGroup root" "Sandboxing Relaxed" >"$dir/cups-files.conf"
printf '%s\n' "Listen $sock" "Browsing No" "DefaultAuthType None" "WebInterface No" \
    "<Location />" "Order allow,deny" "Allow all" "</Location>" >"$dir/cupsd.conf"
cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" </dev/null >>"$dir/log/cupsd.out" 2>&1 &
echo $! >"$pidfile"
for _ in $(seq 1 100); do
    lpstat -h "$sock" -r 2>/dev/null | grep -q 'is running' && break
    kill -0 "$(<"$pidfile")" 2>/dev/null || fail "cupsd exited: $(tail -n 5 "$dir/log/error_log")"
    sleep 0.05
done
lpadmin -h "$sock" -p morvi -E -v "morvi-keep:$dir/out"
lpadmin -h "$sock" -d morvi
