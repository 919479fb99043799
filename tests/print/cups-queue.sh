#!/bin/sh
# CTest's fixture for tst_cupsprinting, tst_printing's CUPS test. "setup" starts cupsd when none runs and adds
# the PDF queue when it is missing, noting what it did, then writes where cups-pdf puts this user's jobs into
# cups-pdf-output in the working folder; "cleanup" undoes exactly what setup did. Where CUPS cannot run, setup
# says why and writes nothing, and the test skips.
queue=PixoramTestPDF
notes=cups-queue-notes
case "$1" in
setup)
    rm -f cups-pdf-output
    : > "$notes"
    if [ "$(id -u)" != 0 ]; then
        echo "CUPS printing is tested as root only: this starts cupsd and adds a printer queue"
        exit 0
    fi
    for tool in /usr/sbin/cupsd /usr/sbin/lpadmin /usr/bin/lpstat /usr/lib/cups/backend/cups-pdf; do
        if [ ! -e "$tool" ]; then
            echo "CUPS cannot run here: $tool is missing (packages cups and printer-driver-cups-pdf)"
            exit 0
        fi
    done
    if ! lpstat -r 2>&1 | grep -q 'is running'; then
        /usr/sbin/cupsd -f > /dev/null 2>&1 &
        echo "cupsd $!" >> "$notes"
        for second in $(seq 20); do
            lpstat -r 2>&1 | grep -q 'is running' && break
            sleep 1
        done
    fi
    if ! lpstat -p "$queue" > /dev/null 2>&1; then
        lpadmin -p "$queue" -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd && echo queue >> "$notes"
    fi
    if lpstat -p "$queue" > /dev/null 2>&1; then
        # cups-pdf's Out setting, ${HOME} expanded.
        out=$(sed -n 's/^Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)
        echo "${out:-\${HOME\}/PDF}" | sed "s|\${HOME}|$HOME|" > cups-pdf-output
    else
        echo "CUPS cannot run here: the queue $queue could not be added"
    fi
    ;;
cleanup)
    grep -qx queue "$notes" 2>/dev/null && lpadmin -x "$queue"
    pid=$(sed -n 's/^cupsd //p' "$notes" 2>/dev/null)
    [ -n "$pid" ] && kill "$pid"
    rm -f "$notes" cups-pdf-output
    ;;
esac
exit 0
