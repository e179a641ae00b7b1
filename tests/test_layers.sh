#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Dependencies point down only: a file includes headers of its own layer and
# of the layers below it, never above. audio and settings are the bottom,
# then platform (the desktop and the system), session (the logic), ui, and
# app on top.
set -u
cd "$(dirname "$0")/.."
declare -A allowed=(
    [audio]="audio" [settings]="settings" [platform]="platform audio settings"
    [session]="session platform audio settings" [ui]="ui session platform audio settings"
    [app]="app ui session platform audio settings")
failures=0
for layer in "${!allowed[@]}"; do
    for file in "$layer"/*.h "$layer"/*.cpp; do
        while IFS= read -r included; do
            case " ${allowed[$layer]} " in
                *" ${included%%/*} "*) ;;
                *) echo "FAIL $file includes $included, from a layer above its own"; failures=$((failures + 1)) ;;
            esac
        done < <(sed -n 's/^#include "\([a-z]*\/[^"]*\)".*/\1/p' "$file")
    done
done
echo "$failures layering faults"
exit $((failures > 0))
