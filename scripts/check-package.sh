#!/usr/bin/env bash
# Builds the Debian package and checks it: lintian reports no error, the desktop entry
# and the AppStream file are valid, and the programs unpacked into a temporary root work
# from there: the program reaches its menu on the unpacked app.db (on a virtual display,
# ended through the menu by keys as a user would), and solario-import writes the
# unpacked database out as CSV and builds it again. Then, as root with apt-get, the
# package is installed, a user's database imported with --install, the package
# reinstalled and removed, and the user's database must stay as it was and in use.
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

# The user's own database survives the package: installed, reinstalled, removed.
if [[ $(id -u) -eq 0 ]] && command -v apt-get >/dev/null; then
  export DEBIAN_FRONTEND=noninteractive
  deb_path=$(readlink -f "$deb")
  data="$work/user-data"
  in_use() {
    XDG_DATA_HOME="$data" LANG=C.UTF-8 solario --version | grep -qF "Database: $data/solario/app.db (the user's data folder)"
  }
  apt-get install -y -qq "$deb_path" >/dev/null
  XDG_DATA_HOME="$data" solario-import --edition "２０２６年１２月版" --install "$work/csv" >/dev/null
  before=$(sha256sum < "$data/solario/app.db")
  in_use || { echo "the installed program does not use the user's database" >&2; exit 1; }
  apt-get install -y -qq --reinstall "$deb_path" >/dev/null
  [[ $(sha256sum < "$data/solario/app.db") == "$before" ]] || { echo "reinstalling changed the user's database" >&2; exit 1; }
  in_use || { echo "after reinstalling, the user's database is not in use" >&2; exit 1; }
  apt-get remove -y -qq solario >/dev/null
  [[ $(sha256sum < "$data/solario/app.db") == "$before" ]] || { echo "removing the package changed the user's database" >&2; exit 1; }
  apt-get install -y -qq "$deb_path" >/dev/null
  in_use || { echo "after installing again, the user's database is not in use" >&2; exit 1; }
  apt-get remove -y -qq solario >/dev/null
  echo "The user's database survived installing, reinstalling and removing the package, and stayed in use."
fi
