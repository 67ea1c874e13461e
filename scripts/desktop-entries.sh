#!/usr/bin/env bash
# Puts Tarvela and Velmarix in the current user's desktop menu, and on request starts Tarvela
# at log-on, following the freedesktop.org conventions. Under Wine the batch file that Tarvela's
# "Inclusión en el menú Inicio" writes into the Windows start-up folder never runs when a Linux
# user logs on: the autostart entry made here does that job.
#
# Usage: scripts/desktop-entries.sh install [--autostart]
#        scripts/desktop-entries.sh remove
#
# install writes, for the current user only:
#   $XDG_DATA_HOME/applications/tarvela.desktop, velmarix.desktop      (default ~/.local/share)
#   $XDG_DATA_HOME/icons/hicolor/48x48/apps/tarvela.png, velmarix.png  (from the programs' Ic0.ico)
# and with --autostart
#   $XDG_CONFIG_HOME/autostart/tarvela.desktop                         (default ~/.config)
# which runs "Tarvela 1" at log-on: Tarvela shows itself only when a note is due today or
# tomorrow. install without --autostart removes that entry if an earlier install made it.
# remove deletes every file that install writes. The data folders are never touched.
#
# The entries start the programs through this repository's scripts/run.sh, by its absolute
# path: it builds what is out of date, keeps Tarvela.pdf in place and starts the program under
# Wine in its data folder (~/TarvelaAgenda, ~/VelmarixAgenda), as the run command does, so the
# menu, the log-on start and the command line all work on the same notes. TARVELA_HOME and
# VELMARIX_HOME, when set at install time, are written into the entries, which then use those
# folders. After moving the repository, install again. The icons need ImageMagick (installed by
# scripts/install-deps.sh); without it the entries have no icon of their own.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
run="$repo/scripts/run.sh"
data_home="${XDG_DATA_HOME:-$HOME/.local/share}"
config_home="${XDG_CONFIG_HOME:-$HOME/.config}"
applications="$data_home/applications"
icons="$data_home/icons/hicolor/48x48/apps"
autostart="$config_home/autostart"

usage() { echo "usage: desktop-entries.sh install [--autostart] | remove" >&2; exit 2; }

# exec_arg TEXT: one argument of an Exec key. Quoted when it holds a reserved character, with
# ", `, $ and \ escaped inside the quotes; % doubled (field codes start with %). The value is
# then escaped as a desktop-entry string, where \ is written \\.
exec_arg() {
  local arg=${1//%/%%}
  case $arg in *[[:space:]\"\'\\\>\<\~\|\&\;\$\*\?\#\(\)\`]*)
    arg=${arg//\\/\\\\} arg=${arg//\"/\\\"} arg=${arg//\`/\\\`} arg=${arg//\$/\\\$}
    arg="\"$arg\"" ;;
  esac
  printf '%s' "${arg//\\/\\\\}"
}
# exec_line PROGRAM [ARGUMENT]: the Exec value that runs run.sh for it, with the data folder
# chosen at install time, if any.
exec_line() {
  local words=() variable
  [ "$1" = tarvela ] && variable=TARVELA_HOME || variable=VELMARIX_HOME
  [ -n "${!variable:-}" ] && words+=(env "$variable=${!variable}")
  words+=("$run" "$@")
  local out="" word
  for word in "${words[@]}"; do out+="${out:+ }$(exec_arg "$word")"; done
  printf '%s' "$out"
}
# write_file PATH: standard input into PATH, through a temporary file in the same folder.
write_file() {
  mkdir -p "$(dirname "$1")"
  cat > "$1.tmp"
  mv -f "$1.tmp" "$1"
}

# icon PROGRAM ICO: the 48 x 48 image of the icon file as PROGRAM.png; false without ImageMagick.
icon() {
  command -v convert >/dev/null && command -v identify >/dev/null || return 1
  local index
  index=$(identify -format '%p %w\n' "$2" | awk '$2 == 48 { print $1; exit }')
  mkdir -p "$icons"
  convert "ico:$2[${index:-0}]" -resize 48x48 "PNG32:$icons/$1.png.tmp"
  mv -f "$icons/$1.png.tmp" "$icons/$1.png"
}

entry() { # PROGRAM NAME GENERIC_EN GENERIC_ES COMMENT_EN COMMENT_ES [ARGUMENT]
  cat <<EOF
[Desktop Entry]
Type=Application
Version=1.4
Name=$2
GenericName=$3
GenericName[es]=$4
Comment=$5
Comment[es]=$6
Exec=$(exec_line "$1" "${@:7}")
Icon=$1
Terminal=false
Categories=Office;Calendar;
Keywords=agenda;notes;notas;calendar;calendario;
StartupNotify=false
StartupWMClass=$1.exe
EOF
}

install_entries() {
  icon tarvela "$repo/notes/Ic0.ico" && icon velmarix "$repo/longterm/Ic0.ico" ||
    echo "desktop-entries.sh: no ImageMagick, so no icons (scripts/install-deps.sh installs it)" >&2
  entry tarvela Tarvela "Agenda" "Agenda" "Dated notes" "Notas con fecha" |
    write_file "$applications/tarvela.desktop"
  entry velmarix Velmarix "Long-term agenda" "Agenda por años" \
    "Long-term notes by year and month" "Notas a largo plazo por año y mes" |
    write_file "$applications/velmarix.desktop"
  echo "menu entries: $applications/tarvela.desktop, velmarix.desktop"
  if [ "$with_autostart" = yes ]; then
    entry tarvela "Tarvela (arranque)" "Agenda" "Agenda" \
      "Shows the notes due today or tomorrow at log-on" \
      "Muestra al entrar las notas de hoy y de mañana" 1 |
      write_file "$autostart/tarvela.desktop"
    echo "at log-on: $autostart/tarvela.desktop (Tarvela 1)"
  else
    rm -f "$autostart/tarvela.desktop"
  fi
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$applications/tarvela.desktop" "$applications/velmarix.desktop" \
      ${autostart_file:+"$autostart_file"}
  fi
}

remove_entries() {
  rm -f "$applications/tarvela.desktop" "$applications/velmarix.desktop" \
    "$autostart/tarvela.desktop" "$icons/tarvela.png" "$icons/velmarix.png"
  echo "removed the menu entries, the icons and the log-on entry of Tarvela and Velmarix"
}

with_autostart=no autostart_file=""
case "${1:-}" in
  install)
    case "${2:-}" in
      "") ;;
      --autostart) with_autostart=yes autostart_file="$autostart/tarvela.desktop" ;;
      *) usage ;;
    esac
    [ $# -le 2 ] || usage
    install_entries ;;
  remove) [ $# -eq 1 ] || usage; remove_entries ;;
  *) usage ;;
esac
