#!/bin/sh
# validate.sh TOOL ARGS...: runs a validator on a desktop integration file.
# Exits 77 (skipped) when the tool is not installed; fails on a non-zero exit
# or on any error or warning that the tool reports.
tool=$1
if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is not installed"
    exit 77
fi
output=$("$@" 2>&1)
status=$?
printf '%s\n' "$output"
if [ "$status" -ne 0 ]; then
    exit "$status"
fi
# grep -c reads all of its input, so printf never writes into a closed pipe.
if [ "$(printf '%s\n' "$output" | grep -Eic '(^[EW]: )|error|warning')" -ne 0 ]; then
    exit 1
fi
exit 0
