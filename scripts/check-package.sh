#!/usr/bin/env bash
# Builds the Debian package and checks it without installing it: lintian reports no
# error, the desktop entry and the AppStream file are valid, and the programs unpacked
# into a temporary root work from there: the program reaches its menu on the unpacked
# app.db (on a virtual display, ended through the menu by keys as a user would), and
# solario-import writes the unpacked database out as CSV and builds it again.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh package
deb=$(bash scripts/package.sh | tail -1)
echo "Checking $deb"

lintian --fail-on error --suppress-tags initial-upload-closes-no-bugs "$deb"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root="$work/root"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/jp.solario.Solario.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/jp.solario.Solario.metainfo.xml"
test "$(readlink "$root/usr/bin/solario")" = ../lib/solario/solario
test -f "$root/usr/lib/solario/app.db"

# The program through its link, on its own temporary folder (the single-instance lock
# lives there): the menu window appears; Esc asks whether to end, Enter says yes.
mkdir -p "$work/tmp"
TMPDIR="$work/tmp" ROOT="$root" xvfb-run -a -s "-screen 0 1366x768x24" bash -c '
  "$ROOT/usr/bin/solario" & pid=$!
  for _ in $(seq 120); do
    window=$(xdotool search --name "【ソラリオ】【メニュー】" 2>/dev/null | head -1 || true)
    [[ -n "$window" ]] && break
    kill -0 $pid 2>/dev/null || { echo "the program ended before showing its menu" >&2; exit 1; }
    sleep 0.5
  done
  [[ -n "${window:-}" ]] || { echo "the menu did not appear" >&2; kill $pid; exit 1; }
  xdotool windowfocus --sync "$window" key Escape
  sleep 1
  xdotool key Return
  for _ in $(seq 40); do kill -0 $pid 2>/dev/null || break; sleep 0.5; done
  if kill -0 $pid 2>/dev/null; then echo "the program did not end through its menu" >&2; kill $pid; exit 1; fi
  wait $pid'
echo "The unpacked program reached its menu and ended with status 0."

# The import tool through its link: the database beside it out as CSV and in again.
"$root/usr/bin/solario-import" --export "$work/csv"
"$root/usr/bin/solario-import" --edition "２０２６年１２月版" "$work/csv" "$work/again.db"
echo "The unpacked solario-import wrote the unpacked database out and built it again."
