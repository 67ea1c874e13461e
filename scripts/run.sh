#!/usr/bin/env bash
# Starts Tarvela or Velmarix from this checkout as users start the installed package: through
# the launcher (linux/tarvela.sh), installed with all it runs into build/stage by the package's
# own install rules. First it builds what changed since the stage was made, under a lock, so
# that two starts at once build once; with nothing changed it goes straight to the launcher.
# As root it installs what the build needs (scripts/install-deps.sh); as anyone else, nothing.
# Usage: run.sh [tarvela|velmarix] [OPTION]...   (the launcher's options: run.sh --help)
#   Without a display a start runs in a virtual X display where nobody sees it (Ctrl-C ends it).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
stage="$repo/build/stage"
stamp="$stage/.made" # anything in the checkout newer than this is a change
program=tarvela
case "${1:-}" in
  tarvela | velmarix) program=$1; shift ;;
esac

changed() {
  [ ! -f "$stamp" ] ||
    [ -n "$(find "$repo" \( -path "$repo/build" -o -path "$repo/.git" \) -prune -o -newer "$stamp" -print -quit)" ]
}
build() {
  cd "$repo"
  if [ "$(id -u)" = 0 ]; then
    scripts/install-deps.sh
  else
    local tool
    for tool in cmake ninja x86_64-w64-mingw32-g++ groff convert; do
      command -v "$tool" >/dev/null ||
        { echo "run.sh: the build needs $tool: as root, scripts/install-deps.sh installs it" >&2; exit 1; }
    done
  fi
  mkdir -p "$stage"
  touch "$stamp.next" # before the build: what changes during it is built next time
  [ -f build/windows-x64/build.ninja ] || cmake --preset windows-x64 >/dev/null
  cmake --build --preset windows-x64 --target Tarvela Velmarix TarvelaHelp
  [ -f build/linux-release/build.ninja ] || cmake --preset linux-release >/dev/null
  cmake --build --preset linux-release
  cmake --install build/linux-release --prefix "$stage" >/dev/null
  mv -f "$stamp.next" "$stamp"
}

if changed; then
  mkdir -p "$repo/build"
  exec 9>"$repo/build/run.lock"
  flock 9
  # The lock stays with this shell (bash keeps fd 9 aside, close-on-exec), not with what the
  # build starts, some of which may outlive it.
  if changed; then build 9>&-; fi
  exec 9>&-
fi
launcher="$stage/bin/$program"
if [ -z "${DISPLAY:-}" ] && { [ $# -eq 0 ] || [ "$1" = --logon ]; }; then
  echo "No display: running in a virtual X display (nothing to see; Ctrl-C ends it)."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$launcher" "$@"
fi
exec "$launcher" "$@"
