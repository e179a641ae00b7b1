#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a temporary DESTDIR and checks it with the
# distributions' own validators, then builds the Debian package and checks
# it with lintian.   test_install.sh BUILD-FOLDER
set -uo pipefail
build=$1
dest=$(mktemp -d /tmp/somnelle-install.XXXXXX)
trap 'rm -rf "$dest"' EXIT
failures=0
check() { # check NAME COMMAND...: the command must succeed and print nothing
    local out
    if ! out=$("${@:2}" 2>&1) || [ -n "$out" ]; then
        echo "FAIL: $1"; [ -n "$out" ] && echo "$out" | sed 's/^/    /'
        failures=$((failures + 1))
    else
        echo "PASS: $1"
    fi
}

DESTDIR="$dest/root" cmake --install "$build" --prefix /usr >/dev/null || { echo "FAIL: install"; exit 1; }
share="$dest/root/usr/share"

check "desktop entry validates" desktop-file-validate "$share/applications/org.somnelle.Somnelle.desktop"
check "AppStream metadata validates" bash -c "appstreamcli validate --no-net '$share/metainfo/org.somnelle.Somnelle.metainfo.xml' | grep -E '^(E|W):'; [ \${PIPESTATUS[0]} -eq 0 ]"
for size in 16 22 24 32 48 64 128 256; do
    check "icon ${size}x${size}" bash -c "[ \"\$(identify -format '%w %h' '$share/icons/hicolor/${size}x${size}/apps/org.somnelle.Somnelle.png')\" = '$size $size' ] || echo wrong size"
done
check "scalable icon" bash -c "grep -q '<svg' '$share/icons/hicolor/scalable/apps/org.somnelle.Somnelle.svg' || echo missing"
check "man page renders without warnings" bash -c "MANWIDTH=80 man --warnings -l '$share/man/man1/somnelle.1.gz' >/dev/null"
check "installed program finds its data" bash -c "'$dest/root/usr/bin/somnelle' --help | grep -q '$share/somnelle\$' && [ -s '$share/somnelle/europe.mid' ] || echo 'data folder not found'"
check "installed program starts" bash -c "QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME='$dest/config' timeout 3 '$dest/root/usr/bin/somnelle' >/dev/null 2>&1; [ \$? -eq 124 ] || echo 'ended early'"

(cd "$build" && cpack -G DEB -B "$dest/package" >/dev/null 2>&1) || { echo "FAIL: package"; exit 1; }
deb=$(ls "$dest"/package/somnelle_*_*.deb)
contents=$(dpkg-deb --contents "$deb")
for file in usr/bin/somnelle usr/share/applications/org.somnelle.Somnelle.desktop \
    usr/share/metainfo/org.somnelle.Somnelle.metainfo.xml usr/share/man/man1/somnelle.1.gz \
    usr/share/somnelle/europe.mid usr/share/icons/hicolor/scalable/apps/org.somnelle.Somnelle.svg \
    usr/share/icons/hicolor/256x256/apps/org.somnelle.Somnelle.png usr/share/doc/somnelle/copyright; do
    check "package holds $file" bash -c "grep -q ' \\./$file\$' <<<'$contents' || echo missing"
done
check "lintian finds no errors" bash -c "lintian '$deb' 2>/dev/null | grep '^E:'; true"

echo "$((failures == 0 ? 1 : 0)) passed, $((failures > 0 ? 1 : 0)) failed"
[ "$failures" -eq 0 ]
