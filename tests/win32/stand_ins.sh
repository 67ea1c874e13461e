#!/bin/sh
# Puts in DIR what a Windows program under Wine cannot make, for win32_test: agenda.dat as a link
# into another folder (synced/, empty), as a link to a device, as a pipe, and as a folder.
# Usage: stand_ins.sh DIR
set -eu
rm -rf "$1"
mkdir -p "$1/synced" "$1/link" "$1/device" "$1/pipe" "$1/folder/agenda.dat"
: >"$1/synced/agenda.dat"
ln -s ../synced/agenda.dat "$1/link/agenda.dat"
ln -s /dev/zero "$1/device/agenda.dat"
mkfifo "$1/pipe/agenda.dat"
