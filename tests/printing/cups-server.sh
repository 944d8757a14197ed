#!/usr/bin/env bash
# A private CUPS scheduler for the printing test, on a socket in FOLDER, with the cups-pdf queue
# as its default printer: what it prints lands as a PDF in the printing user's ~/PDF. cups-pdf
# prints only for a scheduler run by root; as another user nothing is started, and the test
# says it is skipped.
#   bash tests/printing/cups-server.sh start|stop FOLDER
set -euo pipefail
action=$1
folder=$2
export CUPS_SERVER=$folder/cups.sock
[ "$(id -u)" = 0 ] || exit 0

stop() {
    if [ -f "$folder/cupsd.pid" ]; then
        pid=$(cat "$folder/cupsd.pid")
        kill "$pid" 2>/dev/null || true
        while kill -0 "$pid" 2>/dev/null; do sleep 0.1; done
    fi
    rm -rf "$folder"
}
[ "$action" = stop ] && { stop; exit 0; }

stop
# The filters and back ends run as another user: they must reach the folder and write to tmp.
mkdir -p "$folder/tmp"
chmod 755 "$folder"
chmod 1777 "$folder/tmp"
printf '%s\n' "ServerRoot $folder" "RequestRoot $folder/spool" "CacheDir $folder/cache" \
    "StateDir $folder/state" "TempDir $folder/tmp" "ErrorLog $folder/error_log" \
    "AccessLog $folder/access_log" "PageLog $folder/page_log" "ServerBin /usr/lib/cups" \
    "DataDir /usr/share/cups" >"$folder/cups-files.conf"
printf '%s\n' "Listen $CUPS_SERVER" 'Browsing No' 'WebInterface No' \
    '<Location />' 'Order allow,deny' 'Allow all' '</Location>' >"$folder/cupsd.conf"
setsid cupsd -f -c "$folder/cupsd.conf" -s "$folder/cups-files.conf" \
    </dev/null >"$folder/cupsd.log" 2>&1 &
echo $! >"$folder/cupsd.pid"
for _ in $(seq 100); do
    [ -S "$CUPS_SERVER" ] && break
    sleep 0.1
done
# Without the pdftocairo renderer the PDF holds no text that can be read back.
lpadmin -p PDF -v cups-pdf:/ -E -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
    -o pdftops-renderer-default=pdftocairo
lpadmin -d PDF
