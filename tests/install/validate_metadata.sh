#!/bin/sh
# The desktop entry and the AppStream data must pass their validators without
# a single remark, down to appstream's pedantic hints: they are small and ours,
# so there is no reason to carry one.
#   validate_metadata.sh entry.desktop component.metainfo.xml
set -u
desktop=$1
metainfo=$2
status=0

echo "desktop-file-validate $desktop"
out=$(desktop-file-validate "$desktop" 2>&1)
rc=$?
[ -n "$out" ] && echo "$out"
if [ $rc -ne 0 ] || [ -n "$out" ]; then
    echo "FAIL: desktop-file-validate has remarks (exit $rc)"
    status=1
fi

echo "appstreamcli validate --no-net --pedantic $metainfo"
out=$(appstreamcli validate --no-net --pedantic --no-color "$metainfo" 2>&1)
rc=$?
echo "$out"
# Every remark, whatever its weight, starts a line with its letter: E, W, I or P.
if [ $rc -ne 0 ] || echo "$out" | grep -q '^[EWIP]: '; then
    echo "FAIL: appstreamcli has remarks (exit $rc)"
    status=1
fi

exit $status
