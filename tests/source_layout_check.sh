#!/usr/bin/env bash
# The source keeps its rooms: a screen's folder includes nothing from another screen's folder (what two
# screens share lives in screens/zones/), screens/zones/ includes no screen, and the product's folders
# include nothing from tests/ or bench/.
set -u
cd "$(dirname "$0")/.."
status=0
for screen in axial pattern radial; do
    if grep -n '#include "screens/' screens/$screen/* | grep -v "\"screens/$screen/\|\"screens/zones/"; then
        echo "screens/$screen/ includes another screen's file"; status=1
    fi
done
if grep -n '#include "screens/' screens/zones/* | grep -v '"screens/zones/'; then
    echo "screens/zones/ includes a screen's file"; status=1
fi
if grep -rn '#include "\(tests\|bench\)/' numerics shell screens resources; then
    echo "the product includes test or benchmark code"; status=1
fi
exit $status
