#!/usr/bin/env bash
# Starts the print service for the printing tests and adds the PDF queue
# HoshikuraPDF (cups-pdf writes each job into ~/PDF). It says why when it
# cannot; the printing test then skips its print-service case with that
# reason. It never fails the test run.
set -u
queue=HoshikuraPDF
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

if ! command -v cupsd >/dev/null 2>&1 || [ ! -f "$ppd" ]; then
  echo "start-cups: cups or printer-driver-cups-pdf is not installed"
  exit 0
fi
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    SUDO="sudo -n"
  else
    echo "start-cups: starting the print service needs root"
    exit 0
  fi
fi
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
  $SUDO cupsd || { echo "start-cups: cupsd did not start"; exit 0; }
  for _ in $(seq 1 40); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    sleep 0.25
  done
fi
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
  echo "start-cups: the print service is not running"
  exit 0
fi
if ! lpstat -p "$queue" >/dev/null 2>&1; then
  $SUDO lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd" 2>/dev/null ||
    { echo "start-cups: the queue $queue could not be added"; exit 0; }
fi
lpstat -p "$queue"
