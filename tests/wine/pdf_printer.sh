# shellcheck shell=bash
# Sourced by a test: a PDF printer of the test's own, for programs that print.
#
#   . tests/wine/pdf_printer.sh
#   pdf_printer_start [SIZE [RESOLUTION]]
#                            # a private cupsd with one cups-pdf queue, the default,
#                            # whose paper is SIZE (A4 unless named) and whose
#                            # resolution, when named, is RESOLUTION (as 300x600dpi:
#                            # a printer may have more dots one way than the other)
#   ... run the program that prints (it finds the server through CUPS_SERVER) ...
#   pdf_printer_wait         # every job sent has ended
#   printed_pdfs             # the PDFs made, one path a line
#   pdf_info_is_a4 INFO      # pdfinfo's output in INFO tells of A4 pages
#   pdf_printer_ppd          # the queue's description as the scheduler keeps it, with
#                            # the queue's own settings (*DefaultPageSize ...)
#   pdf_printer_logs         # the scheduler's and the backend's logs, for a failure
#
# Everything lives in one temporary folder: cupsd's configuration, spool,
# cache, state, logs and its Unix socket, and cups-pdf's output. The system's
# CUPS service is neither used nor needed. At exit cupsd is stopped and the
# folder removed (the test's own EXIT trap, if any, must call
# pdf_printer_stop).
#
# cups-pdf reads its settings from /etc/cups, a path built into it; a queue
# whose device is cups-pdf:/NAME reads /etc/cups/cups-pdf-NAME.conf instead
# of the system's cups-pdf.conf. So each printer gets such a file, named
# after its temporary folder, for as long as it runs: the system's file is
# never changed. Root is needed, as cupsd runs the backend as root only when
# it runs as root itself, and for that file.

pdf_printer_queue=bio-pdf

pdf_printer_start() {
  local paper=${1:-A4} resolution=${2:-}
  if [ "$(id -u)" -ne 0 ]; then
    echo "pdf_printer.sh: cups-pdf needs root (it runs as the job's user)" >&2
    return 1
  fi
  pdf_printer_dir=$(mktemp -d /tmp/bio-print.XXXXXX)
  local dir=$pdf_printer_dir name
  name=$(basename "$dir")
  pdf_printer_conf=/etc/cups/cups-pdf-$name.conf
  trap pdf_printer_stop EXIT
  # The filters run as lp, and reach the spool through this folder.
  chmod 755 "$dir"
  mkdir -p "$dir"/{etc,spool/tmp,cache,state,log,pdf,cups-pdf,gs}

  cat >"$dir/etc/cupsd.conf" <<EOF
Listen $dir/cups.sock
LogLevel info
Browsing No
WebInterface No
DefaultAuthType None
# A job that fails ends failed, instead of stopping the queue with it.
ErrorPolicy abort-job
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
  cat >"$dir/etc/cups-files.conf" <<EOF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
Printcap $dir/state/printcap
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
SystemGroup root
EOF
  cat >"$pdf_printer_conf" <<EOF
Out $dir/pdf
AnonDirName $dir/pdf
Spool $dir/cups-pdf
Log $dir/log
GSTmp $dir/gs
Grp lp
EOF

  # In the foreground, so that it is ours to stop; its own output goes to a
  # file, never to the test's pipes.
  cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" \
    </dev/null >"$dir/log/cupsd.out" 2>&1 &
  pdf_printer_pid=$!
  export CUPS_SERVER=$dir/cups.sock
  # Before the server's default, libcups takes LPDEST, PRINTER and the
  # user's lpoptions: LPDEST comes first.
  export LPDEST=$pdf_printer_queue

  local tries=100
  until [ -S "$CUPS_SERVER" ] && lpstat -r >/dev/null 2>&1; do
    if ! kill -0 "$pdf_printer_pid" 2>/dev/null || ((--tries == 0)); then
      echo "pdf_printer.sh: cupsd did not start" >&2
      pdf_printer_logs
      return 1
    fi
    sleep 0.1
  done

  local ppd
  ppd=$(lpinfo -m | awk '$1 ~ /CUPS-PDF_opt\.ppd$/ { print $1; exit }')
  if [ -z "$ppd" ]; then
    echo "pdf_printer.sh: cupsd knows no cups-pdf driver" >&2
    return 1
  fi
  local description=(-m "$ppd")
  if [ -n "$resolution" ]; then
    # The driver's own description with that resolution added, as its default.
    local x=${resolution%%x*} y=${resolution#*x}
    y=${y%dpi}
    sed -e "s/^\*DefaultResolution: .*/*DefaultResolution: $resolution/" \
      -e "/^\*Resolution 150dpi/i *Resolution $resolution/$resolution: \"<</HWResolution[$x $y]>>setpagedevice\"" \
      "$(find /usr/share/ppd -name "$(basename "$ppd")" | head -n1)" >"$dir/etc/queue.ppd"
    description=(-P "$dir/etc/queue.ppd")
  fi
  # lpadmin warns that drivers are deprecated: its output is shown on failure only.
  if ! lpadmin -p "$pdf_printer_queue" -E -v "cups-pdf:/$name" "${description[@]}" \
    -o PageSize="$paper" -o printer-is-shared=false >"$dir/log/lpadmin.out" 2>&1 ||
    ! lpadmin -d "$pdf_printer_queue" >>"$dir/log/lpadmin.out" 2>&1; then
    cat "$dir/log/lpadmin.out" >&2
    return 1
  fi
}

# Waits, at most SECONDS (60), until no job is pending or printing.
pdf_printer_wait() {
  local deadline=$((SECONDS + ${1:-60}))
  while [ -n "$(lpstat -o "$pdf_printer_queue")" ]; do
    if ((SECONDS >= deadline)); then
      echo "pdf_printer.sh: jobs still unfinished:" >&2
      lpstat -o "$pdf_printer_queue" >&2
      return 1
    fi
    sleep 0.2
  done
}

# Whether the pdfinfo output in FILE tells of A4 pages, 595.28 x 841.89 points.
pdf_info_is_a4() {
  awk '/^Page size:/ { exit !($3 >= 594.5 && $3 <= 596 && $5 >= 841 && $5 <= 842.5) }' "$1"
}

pdf_printer_ppd() {
  echo "$pdf_printer_dir/etc/ppd/$pdf_printer_queue.ppd"
}

printed_pdfs() {
  find "$pdf_printer_dir/pdf" -type f -name '*.pdf' | sort
}

pdf_printer_logs() {
  local log
  for log in "$pdf_printer_dir"/log/{cupsd.out,lpadmin.out,error_log,cups-pdf-*}; do
    [ -s "$log" ] || continue
    echo "--- $(basename "$log")" >&2
    tail -n 40 "$log" >&2
  done
}

pdf_printer_stop() {
  if [ -n "${pdf_printer_pid:-}" ]; then
    kill "$pdf_printer_pid" 2>/dev/null || true
    wait "$pdf_printer_pid" 2>/dev/null || true
    pdf_printer_pid=
  fi
  [ -n "${pdf_printer_conf:-}" ] && rm -f "$pdf_printer_conf"
  [ -n "${pdf_printer_dir:-}" ] && rm -rf "$pdf_printer_dir"
  pdf_printer_conf=
  pdf_printer_dir=
}
