#!/usr/bin/env bash
# Runs one end-to-end script on a fresh copy of the data folders.
# run-one.sh SCRIPT PROGRAM RESOURCES WORKDIR
set -euo pipefail
script=$1 program=$2 resources=$3 work=$4
rm -rf "$work"
mkdir -p "$work/data" "$work/artefacts"
cp -r "$resources"/. "$work/data/"
# A session bus of the test's own, ended with it: without one, the program's
# accessibility bridge would autolaunch a bus on each display that outlives it.
exec dbus-run-session -- bash "$script" "$program" "$work/data" "$work/artefacts"
