#!/usr/bin/env bash
# Runs a Windows QtTest program under Wine. Where the program has no console
# window, as under Wine here, Qt Test writes its log to the debugger only,
# so the log goes to a file and is shown from there.
log=$(mktemp)
wine "$@" -o "$(winepath -w "$log"),txt"
status=$?
cat "$log"
rm -f "$log"
exit $status
