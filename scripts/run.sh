#!/usr/bin/env bash
# Builds a program and starts it under Wine in its data folder, where it keeps its file.
# Usage: run.sh [tarvela|velmarix] [ARGUMENT]   (Tarvela: any argument starts it in start-up mode)
#   Tarvela keeps agenda.dat in $TARVELA_HOME (default ~/TarvelaAgenda);
#   Velmarix keeps lonyrs.dat in $VELMARIX_HOME (default ~/VelmarixAgenda).
set -euo pipefail
cd "$(dirname "$0")/.."
program=Tarvela
case "${1:-}" in
  tarvela | Tarvela) shift ;;
  velmarix | Velmarix) program=Velmarix; shift ;;
esac
if [ "$program" = Tarvela ]; then
  # TarvelaHelp: the help document Tarvela.pdf, which "Info" opens from the start folder.
  work="${TARVELA_HOME:-$HOME/TarvelaAgenda}" exe_dir=notes file=agenda.dat targets=(Tarvela TarvelaHelp)
else
  work="${VELMARIX_HOME:-$HOME/VelmarixAgenda}" exe_dir=longterm file=lonyrs.dat targets=(Velmarix)
fi
scripts/install-deps.sh
cmake --preset windows-x64 >/dev/null
cmake --build --preset windows-x64 --target "${targets[@]}"
mkdir -p "$work"
exe="$PWD/build/windows-x64/$exe_dir/$program.exe"
help="$PWD/build/windows-x64/notes/Tarvela.pdf"
if [ "$program" = Tarvela ] && ! cmp -s "$help" "$work/Tarvela.pdf"; then
  cp "$help" "$work/Tarvela.pdf.tmp" && mv -f "$work/Tarvela.pdf.tmp" "$work/Tarvela.pdf"
  echo "Help document (menu Info > Info): $work/Tarvela.pdf"
fi
echo "$program keeps its notes in $work/$file"
cd "$work"
export WINEDEBUG="${WINEDEBUG:--all}"
if [ -n "${DISPLAY:-}" ]; then
  exec /usr/lib/wine/wine64 "$exe" "$@"
else
  echo "No display: running in a virtual X display (nothing to see; Ctrl-C ends it)."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" /usr/lib/wine/wine64 "$exe" "$@"
fi
