#!/usr/bin/env bash
# The source keeps its rooms: a screen's folder includes nothing from another screen's folder (what two
# screens share lives in screens/zones/), screens/zones/ includes no screen, and the product's folders
# include nothing from tests/ or bench/. The offending lines are printed, then what they break.
set -u
cd "$(dirname "$0")/.."
status=0
for screen in axial pattern radial; do
    grep -n '#include "screens/' screens/$screen/* | grep -v "\"screens/$screen/\|\"screens/zones/" &&
        echo "screens/$screen/ includes another screen's file" && status=1
done
grep -n '#include "screens/' screens/zones/* | grep -v '"screens/zones/' &&
    echo "screens/zones/ includes a screen's file" && status=1
grep -rn '#include "\(tests\|bench\)/' numerics shell screens resources &&
    echo "the product includes test or benchmark code" && status=1
exit $status
