#!/usr/bin/env bash
# Tests scripts/desktop-entries.sh in a scratch HOME, run from a copy of the repository in a folder
# with a blank in its name, where run.sh records its arguments and TARVELA_HOME; entries are
# started by a real launcher (gio launch), so an Exec line that quotes wrongly fails here.
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
{ command -v gio && command -v desktop-file-validate && command -v identify; } >/dev/null ||
  { echo "FAIL: gio, desktop-file-validate or identify missing (scripts/install-deps.sh)"; exit 1; }

copy="$tmp/agenda repo"
mkdir -p "$copy/scripts" "$copy/notes" "$copy/longterm"
cp "$repo/scripts/desktop-entries.sh" "$copy/scripts/"
cp "$repo/notes/Ic0.ico" "$copy/notes/"
cp "$repo/longterm/Ic0.ico" "$copy/longterm/"
cat > "$copy/scripts/run.sh" <<'EOF'
#!/bin/sh
printf '%s|' "$@" "${TARVELA_HOME-unset}" > "$RUN_LOG.part" && mv "$RUN_LOG.part" "$RUN_LOG"
EOF
chmod +x "$copy/scripts/run.sh"
run="$copy/scripts/run.sh"
entries() { HOME="$tmp/home" "$copy/scripts/desktop-entries.sh" "$@" >"$tmp/out" 2>&1; }

expect_exec() { [ "$(sed -n 's/^Exec=//p' "$1")" = "$2" ] || fail "$1: Exec=$(sed -n 's/^Exec=//p' "$1"), not $2"; }
# expect_launch FILE RECORD: gio starts the entry; run.sh records "ARGUMENTS|TARVELA_HOME|".
expect_launch() {
  rm -f "$tmp/run.log"
  RUN_LOG="$tmp/run.log" HOME="$tmp/home" timeout 20 gio launch "$1" >/dev/null 2>&1 ||
    { fail "gio launch $1 failed"; return; }
  for _ in $(seq 50); do [ -f "$tmp/run.log" ] && break; sleep 0.1; done
  [ "$(cat "$tmp/run.log" 2>/dev/null)" = "$2" ] ||
    fail "$1 started run.sh with '$(cat "$tmp/run.log" 2>/dev/null)', expected '$2'"
}
expect_valid() { local out; out=$(desktop-file-validate "$@" 2>&1) && [ -z "$out" ] || fail "validate: $out"; }
# expect_files ROOT PATH...: exactly these files under ROOT.
expect_files() {
  local root=$1 found wanted
  shift
  found=$(cd "$root" 2>/dev/null && find . -type f | sed 's|^\./||' | sort)
  wanted=$(printf '%s\n' "$@" | sort)
  [ "$found" = "$wanted" ] || fail "files under $root: $(echo $found), expected $(echo $wanted)"
}

# 1. install with the default folders and no data folder set.
unset XDG_DATA_HOME XDG_CONFIG_HOME TARVELA_HOME VELMARIX_HOME
apps=.local/share/applications icons=.local/share/icons/hicolor/48x48/apps
entries install || fail "install: $(cat "$tmp/out")"
expect_files "$tmp/home" $apps/tarvela.desktop $apps/velmarix.desktop $icons/tarvela.png $icons/velmarix.png
expect_exec "$tmp/home/$apps/tarvela.desktop" "\"$run\" tarvela"
expect_exec "$tmp/home/$apps/velmarix.desktop" "\"$run\" velmarix"
expect_valid "$tmp/home/$apps/tarvela.desktop" "$tmp/home/$apps/velmarix.desktop"
grep -qx 'Icon=tarvela' "$tmp/home/$apps/tarvela.desktop" || fail "tarvela.desktop: no Icon=tarvela"
for program in tarvela velmarix; do
  size=$(identify -format '%m %wx%h' "$tmp/home/$icons/$program.png" 2>/dev/null)
  [ "$size" = "PNG 48x48" ] || fail "$program.png is '$size', expected a 48 x 48 PNG"
done
cmp -s "$tmp/home/$icons/tarvela.png" "$tmp/home/$icons/velmarix.png" && fail "both icons are the same"
expect_launch "$tmp/home/$apps/tarvela.desktop" "tarvela|unset|"

# 2. install --autostart into XDG folders of their own, with a data folder that needs quoting.
export XDG_DATA_HOME="$tmp/data home" XDG_CONFIG_HOME="$tmp/config home"
export TARVELA_HOME="$tmp/my \"notes\" \$HOME 100%"
entries install --autostart || fail "install --autostart: $(cat "$tmp/out")"
expect_files "$XDG_DATA_HOME" applications/tarvela.desktop applications/velmarix.desktop \
  icons/hicolor/48x48/apps/tarvela.png icons/hicolor/48x48/apps/velmarix.png
expect_files "$XDG_CONFIG_HOME" autostart/tarvela.desktop
quoted_home="\"TARVELA_HOME=$tmp/my \\\\\"notes\\\\\" \\\\\$HOME 100%%\""
expect_exec "$XDG_CONFIG_HOME/autostart/tarvela.desktop" "env $quoted_home \"$run\" tarvela 1"
expect_exec "$XDG_DATA_HOME/applications/tarvela.desktop" "env $quoted_home \"$run\" tarvela"
expect_valid "$XDG_DATA_HOME/applications/tarvela.desktop" "$XDG_DATA_HOME/applications/velmarix.desktop" \
  "$XDG_CONFIG_HOME/autostart/tarvela.desktop"
expect_launch "$XDG_CONFIG_HOME/autostart/tarvela.desktop" "tarvela|1|$TARVELA_HOME|"
expect_launch "$XDG_DATA_HOME/applications/tarvela.desktop" "tarvela|$TARVELA_HOME|"

# 3. install without --autostart takes the log-on entry away and keeps the menu entries.
entries install || fail "second install: $(cat "$tmp/out")"
expect_files "$XDG_CONFIG_HOME"
[ -f "$XDG_DATA_HOME/applications/tarvela.desktop" ] || fail "second install: no tarvela.desktop"

# 4. remove deletes everything install wrote, in both sets of folders, and nothing else.
mkdir -p "$TARVELA_HOME" && echo notes > "$TARVELA_HOME/agenda.dat"
entries install --autostart && entries remove || fail "remove: $(cat "$tmp/out")"
expect_files "$XDG_DATA_HOME"
expect_files "$XDG_CONFIG_HOME"
unset XDG_DATA_HOME XDG_CONFIG_HOME
entries remove || fail "remove with the default folders: $(cat "$tmp/out")"
expect_files "$tmp/home"
[ "$(cat "$TARVELA_HOME/agenda.dat")" = notes ] || fail "remove touched the data folder"

# 5. Bad usage writes nothing and fails.
for arguments in "" "install --start" "install --autostart extra" "remove --autostart" "add"; do
  # shellcheck disable=SC2086
  entries $arguments && fail "desktop-entries.sh $arguments succeeded"
done
[ -e "$tmp/home/.local" ] && [ -n "$(find "$tmp/home/.local" -type f)" ] && fail "bad usage wrote files"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "desktop entries: install, --autostart, XDG folders, quoting, validate, remove: all passed"
