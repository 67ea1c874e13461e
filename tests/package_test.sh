#!/usr/bin/env bash
# Installs the Debian package for real and uses it as a new user would. A real dpkg -i and
# dpkg -r, not an unpacked copy: whether dpkg takes the package on a machine prepared by
# scripts/install-deps.sh (its dependencies, its files in /usr) and removes every file again
# is part of what is tested, and the test command runs as root on a machine of its own.
# The installed commands run as an unprivileged user made for the test, with a fresh HOME and
# no Wine prefix, in a virtual X display of that user's:
#   - tarvela --logon with nothing due ends without starting Wine (no wineserver, no prefix);
#   - with a note due today, tarvela --logon, tarvela and velmarix started at once on the
#     fresh prefix all show their dialogs, and both of Tarvela's list the note; the prefix
#     has Wine's fonts, no crash dialog and, with no window manager, a virtual desktop;
#   - tarvela --autostart on writes the log-on entry, and off leaves no file behind;
#   - after dpkg -r no file of the package is left.
# Every process of the test user is ended, the package removed and the user deleted, also
# when a check fails. Usage: package_test.sh DEB   (as root)
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
deb=$(realpath "$1")
user=tarvela-test
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
[ "$(id -u)" = 0 ] || { echo "FAIL: package_test.sh installs a package: run it as root"; exit 1; }
if dpkg-query -W -f='${Status}' tarvela 2>/dev/null | grep -q ' installed'; then
  echo "FAIL: tarvela is installed already, and this test would remove it"
  exit 1
fi
tmp=$(mktemp -d)
chmod 755 "$tmp"
home="$tmp/home"
prefix="$home/.local/share/tarvela/wine"

# dpkg ARGUMENTS...: waits up to a minute while another dpkg or apt holds dpkg's lock.
dpkg_locked() {
  local out
  for _ in $(seq 60); do
    out=$(dpkg "$@" 2>&1) && return 0
    grep -q 'lock' <<<"$out" || break
    sleep 1
  done
  echo "$out"
  return 1
}
as_user() { runuser -u "$user" -- env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 "$@"; }
# end_user_processes: Wine's own end for the prefix, then any process of the test user left
# (a failure: the launchers must leave none), ended by its id.
end_user_processes() {
  id "$user" >/dev/null 2>&1 || return 0
  [ ! -d "$prefix" ] || as_user WINEPREFIX="$prefix" /usr/lib/wine/wineserver64 -k 2>/dev/null
  local left
  for _ in $(seq 100); do
    left=$(pgrep -u "$user") || break
    sleep 0.1
  done
  [ -z "$left" ] || { fail "processes left: $(ps -o pid=,comm= -p "${left//$'\n'/,}" | xargs)"; kill -9 $left; }
}
cleanup() {
  end_user_processes
  dpkg-query -W tarvela >/dev/null 2>&1 && dpkg_locked -r tarvela >/dev/null
  # the user's wine servers' folders
  id "$user" >/dev/null 2>&1 && find /tmp -maxdepth 1 -name 'wine-*' -user "$user" -exec rm -rf {} +
  userdel "$user" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT

# notes FILE DAYS TEXT: agenda.dat's content for one note, DAYS days from today.
notes() {
  python3 - "$@" <<'EOF'
import datetime, struct, sys
path, days, text = sys.argv[1], int(sys.argv[2]), sys.argv[3].encode("cp1252")
day = datetime.date.today() + datetime.timedelta(days=days)
open(path, "wb").write(struct.pack("<HHHB", day.day, day.month, day.year, len(text)) + text.ljust(255, b"\0"))
EOF
}

# The windows are found from inside Wine by the 64-bit tree's window-helper (tools/).
cp "$repo/build/windows-x64/tools/window-helper.exe" "$tmp/" || { echo "FAIL: build window_helper first"; exit 1; }
id "$user" >/dev/null 2>&1 && userdel "$user"
useradd --create-home --home-dir "$home" --shell /bin/sh "$user" || { echo "FAIL: useradd"; exit 1; }
dpkg_locked -i "$deb" >/dev/null || { echo "FAIL: dpkg -i $deb"; exit 1; }

# 1 and 2, in one virtual X display of the user's, so that a launcher that wrongly started Wine
# would get as far as starting it. The dialogs are seen from inside Wine.
note="Cita con Íñigo en la peluquería"
run="$tmp/run"
mkdir -p "$run" "$home/TarvelaAgenda"
notes "$run/none-due.dat" 10 "Revisar el seguro"
notes "$run/due.dat" 0 "$note"
cp "$run/none-due.dat" "$home/TarvelaAgenda/agenda.dat"
chown -R "$user:" "$run" "$home/TarvelaAgenda"
cat >"$run/starts.sh" <<EOF
export WINEPREFIX="$prefix" WINEDEBUG=-all
tarvela --logon
echo "nothing due: \$?"
! pgrep -u "\$(id -u)" wineserver >/dev/null || echo "Wine started"
[ ! -e "$prefix" ] || echo "the prefix made"
cp "$run/due.dat" "$home/TarvelaAgenda/agenda.dat"
{ tarvela --logon & tarvela & velmarix & } 2>"$run/launchers.log"
for _ in \$(seq 1800); do [ -f "$prefix/.tarvela-ready" ] && break; sleep 0.1; done
helper() { /usr/lib/wine/wine64 "$tmp/window-helper.exe" "\$@"; }
helper count 'Mi agenda' 2 100 >"$run/tarvela.lines" && echo "two Tarvela" &&
  helper count 'Agenda por a' 1 >/dev/null && echo "one Velmarix"
/usr/lib/wine/wineserver64 -k
wait
EOF
seen=$(as_user timeout 300 xvfb-run -a -s "-screen 0 1280x1024x24" sh "$run/starts.sh" 2>&1)
[ "$seen" = "nothing due: 0"$'\n'"two Tarvela"$'\n'"one Velmarix" ] ||
  fail "tarvela --logon with nothing due, then three starts at once: $seen; the launchers said: $(cat "$run/launchers.log")"
[ "$(grep -c "^$(date +%d/%m/%Y) .* $note"$'\r'\$ "$run/tarvela.lines")" = 2 ] ||
  fail "Tarvela's two lists: $(cat "$run/tarvela.lines")"
[ -L "$prefix/drive_c/windows/Fonts/tahoma.ttf" ] || fail "no Wine fonts in the prefix"
grep -q '"ShowCrashDialog"=dword:00000000' "$prefix/user.reg" || fail "the prefix shows crash dialogs"
grep -q '"Default"="1280x1024"' "$prefix/user.reg" || fail "no virtual desktop in the prefix"
[ "$(readlink "$home/TarvelaAgenda/Tarvela.pdf")" = /usr/lib/tarvela/Tarvela.pdf ] || fail "no Tarvela.pdf for Info"
end_user_processes

# 3. The log-on entry.
entry="$home/.config/autostart/tarvela.desktop"
as_user tarvela --autostart on >/dev/null || fail "tarvela --autostart on: status $?"
grep -qx 'Exec=tarvela --logon' "$entry" || fail "the log-on entry: $(cat "$entry" 2>/dev/null)"
as_user tarvela --autostart off >/dev/null || fail "tarvela --autostart off: status $?"
[ -z "$(find "$home/.config" -type f)" ] || fail "--autostart off left $(find "$home/.config" -type f)"

# 4. Removed, nothing of it is left.
dpkg_locked -r tarvela >/dev/null || fail "dpkg -r tarvela"
while read -r path; do
  [ ! -e "/$path" ] && [ ! -L "/$path" ] || fail "left after removal: /$path"
done < <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }')

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "package: installed, log-on check without Wine, three starts at once, log-on entry, removed: all passed"
