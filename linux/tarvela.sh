#!/bin/sh
# tarvela, velmarix: start Tarvela or Velmarix (by the name this is called by) under Wine, in
# the user's own Wine prefix and in the program's data folder. It never builds, installs or
# needs root: it runs what is installed beside it, by the package under /usr or by
# scripts/run.sh in a checkout's build/stage: ../lib/tarvela (the programs, Tarvela.pdf,
# wine-prefix.sh) and ./agenda.
set -eu

name=${0##*/}
self=$0
[ ! -L "$self" ] || self=$(readlink -f "$self")
case $self in
  /*/*) bin=${self%/*} ;;
  */*) bin=$(cd "${self%/*}" && pwd) ;;
  *) bin=$(pwd) ;;
esac
case $bin in
  */bin) lib=${bin%/bin}/lib/tarvela ;;
  *) lib=$bin/../lib/tarvela ;;
esac
wine=/usr/lib/wine/wine64
prefix=${XDG_DATA_HOME:-$HOME/.local/share}/tarvela/wine

usage() {
  cat <<EOF
Usage: tarvela [--logon | --autostart on|off]
       velmarix
Starts Tarvela (dated notes, agenda.dat) or Velmarix (notes by year and month, lonyrs.dat)
under Wine, in its data folder: ~/TarvelaAgenda or \$TARVELA_HOME, ~/VelmarixAgenda or
\$VELMARIX_HOME. Wine runs in a prefix of your own, \$XDG_DATA_HOME/tarvela/wine (by default
~/.local/share/tarvela/wine), made on the first start.

  --logon          what runs at log-on: asks agenda, without Wine, whether a note is due
                   today or tomorrow, and starts Tarvela in its start-up mode only then (or
                   when agenda.dat cannot be read, which Tarvela reports)
  --autostart on   runs "tarvela --logon" at every log-on from now on
                   (\$XDG_CONFIG_HOME/autostart/tarvela.desktop, by default in ~/.config)
  --autostart off  no longer: removes that file. Nothing runs at log-on until asked.
  --help           this text
EOF
}
die() {
  echo "$name: $1" >&2
  exit "${2:-1}"
}

# start [ARGUMENT]: the program under Wine in its data folder ("Tarvela 1": start-up mode).
start() {
  [ -n "${DISPLAY-}" ] || die "no display to show $program in (DISPLAY is not set)"
  [ -x "$wine" ] || die "$wine is missing: install the package wine64"
  [ -d "$folder" ] || mkdir -p "$folder"
  if [ ! -f "$prefix/.tarvela-ready" ]; then
    echo "$name: making the Wine prefix $prefix (once, about 20 seconds)" >&2
    mkdir -p "${prefix%/*}"
    # A second start waits here for the first to make it, then uses it.
    flock "$prefix.lock" "$lib/wine-prefix.sh" "$prefix" || die "could not make the Wine prefix $prefix"
  fi
  # The About window shows the year of PROGRAM.exe in the current folder, and Info > Info
  # opens Tarvela.pdf there: links to the installed files keep both current.
  link "$program.exe"
  [ "$program" != Tarvela ] || link Tarvela.pdf
  cd "$folder"
  export WINEPREFIX="$prefix" WINEDEBUG="${WINEDEBUG:--all}"
  exec "$wine" "$lib/$program.exe" "$@"
}
link() {
  [ "$(readlink "$folder/$1")" = "$lib/$1" ] || ln -sfn "$lib/$1" "$folder/$1"
}

logon() {
  [ -d "$folder" ] || mkdir -p "$folder"
  # Nothing due (agenda's status 1) is answered here, without Wine. A note due, an agenda.dat
  # that cannot be read, anything else: Tarvela's start-up mode decides, and reports it.
  "$bin/agenda" due --dir "$folder" >/dev/null 2>&1 || [ $? -ne 1 ] || exit 0
  start 1
}

autostart() {
  entry=${XDG_CONFIG_HOME:-$HOME/.config}/autostart/tarvela.desktop
  case $1 in
    on)
      mkdir -p "${entry%/*}"
      autostart_entry >"$entry.tmp"
      mv -f "$entry.tmp" "$entry"
      echo "At every log-on: $(sed -n 's/^Exec=//p' "$entry") ($entry)" ;;
    off)
      rm -f "$entry"
      echo "Nothing runs at log-on." ;;
    *) die "--autostart takes on or off" 2 ;;
  esac
}
autostart_entry() {
  # The command's name when it leads here (the package's), else this launcher's full path.
  me=$(readlink -f "$0")
  command=$(command -v tarvela || true)
  if [ -n "$command" ] && [ "$(readlink -f "$command")" = "$me" ]; then
    command=tarvela
  else
    command=$(desktop_quote "$me")
  fi
  cat <<EOF
[Desktop Entry]
Type=Application
Name=Tarvela (arranque)
GenericName=Agenda
Comment=Shows the notes due today or tomorrow at log-on
Comment[es]=Muestra al entrar las notas de hoy y de mañana
Exec=$command --logon
Icon=tarvela
Terminal=false
StartupNotify=false
StartupWMClass=tarvela.exe
EOF
}
# desktop_quote WORD: WORD as one argument of an Exec key: in double quotes with \ " ` $
# escaped, % doubled, and then every \ doubled, as the key's string value wants.
desktop_quote() {
  printf '%s\n' "$1" | sed 's/[\\"`$]/\\&/g; s/%/%%/g; s/\\/\\\\/g; s/^/"/; s/$/"/'
}

case $name in
  tarvela) folder=${TARVELA_HOME:-$HOME/TarvelaAgenda} program=Tarvela ;;
  velmarix) folder=${VELMARIX_HOME:-$HOME/VelmarixAgenda} program=Velmarix ;;
  *) die "call this as tarvela or velmarix" 2 ;;
esac
case $name:$#:${1-} in
  *:0:) start ;;
  *:1:--help | *:1:-h) usage ;;
  tarvela:1:--logon) logon ;;
  tarvela:2:--autostart) autostart "$2" ;;
  *) die "unknown arguments: $* (see $name --help)" 2 ;;
esac
