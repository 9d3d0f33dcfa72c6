# SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the shell tests: count failed checks, and end with the verdict.
#   fail MESSAGE   report one failed check and go on
#   finish         exit 1 if any check failed, else say that all passed
#   wait_until SECONDS COMMAND...   run the command every 0.1 s until it succeeds

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
finish() {
    if ((failures)); then
        echo "$failures check(s) failed" >&2
        exit 1
    fi
    echo "all checks passed"
}
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}
