#!/usr/bin/env python3
"""Adds up the test cases of every build folder given: each CTest test's gtest report counts case
by case; a CTest test that failed without a report of failures (a crash, a time-out) counts as
one failure. Prints 'N passed, N failed' and exits non-zero when anything failed."""
import os
import sys
import xml.etree.ElementTree as ET

passed = failed = skipped = 0
for build in sys.argv[1:]:
    junit = os.path.join(build, "ctest-junit.xml")
    results = os.path.join(build, "test-results")
    if not os.path.exists(junit):
        print(f"no CTest report in {build}")
        failed += 1
        continue
    for case in ET.parse(junit).getroot().iter("testcase"):
        name = case.get("name")
        ctest_failed = case.get("status") not in ("run", None) or case.find("failure") is not None
        report = os.path.join(results, f"{name}.xml")
        p = f = s = 0
        if os.path.exists(report):
            try:
                root = ET.parse(report).getroot()
                for tc in root.iter("testcase"):
                    if tc.find("failure") is not None:
                        f += 1
                    elif tc.get("result") == "skipped" or tc.find("skipped") is not None:
                        s += 1
                    else:
                        p += 1
            except ET.ParseError:
                f += 1
        if ctest_failed and f == 0:
            print(f"{name}: failed without a failing case (crash or time-out)")
            f = 1
        if not os.path.exists(report) and not ctest_failed:
            p = 1
        passed, failed, skipped = passed + p, failed + f, skipped + s

line = f"{passed} passed, {failed} failed"
if skipped:
    line += f", {skipped} skipped"
print(line)
sys.exit(1 if failed else 0)
