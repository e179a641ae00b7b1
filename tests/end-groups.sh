#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Ends every process group that with-services.sh started under its folder $1:
# those listed in $1/groups and the sound server's current one. TERM first,
# KILL for whatever is still there after two seconds. Each group's leader is
# signalled by its pid too, in case it has not made its group yet.
set -u
groups=$(cat "$1/groups" "$1/sound/pgid" 2>/dev/null)
[ -n "$groups" ] || exit 0
alive() { for g in $groups; do kill -0 -- -"$g" 2>/dev/null || kill -0 "$g" 2>/dev/null && return 0; done; return 1; }
for g in $groups; do kill -TERM -- -"$g" "$g" 2>/dev/null; done
for _ in $(seq 40); do alive || exit 0; sleep 0.05; done
for g in $groups; do kill -KILL -- -"$g" "$g" 2>/dev/null; done
exit 0
