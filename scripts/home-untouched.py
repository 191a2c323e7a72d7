#!/usr/bin/env python3
"""home-untouched.py MARKER OUT: the check that a test run left the home folder as it found it.
Lists what changed in the home folder after MARKER was made, where a run of the tests could write:
the home folder's own files and folders, and the desktop's menus, icons and MIME types under
.local/share and .config (Wine's menu builder writes there; the prefixes' shell folders must not
lead there). Other hidden folders belong to other programs of the machine and are not looked at.
Writes OUT/ctest-junit.xml and OUT/test-results/ with one case, home_folder_untouched, for
summarize-tests.py."""
import os
import sys
from xml.sax.saxutils import escape

marker, out = sys.argv[1], sys.argv[2]
home = os.path.expanduser("~")
since = os.stat(marker).st_mtime


def watched(relative):
    top = relative.split(os.sep, 1)[0]
    return not top.startswith(".") or relative.startswith((".local/share", ".config"))


changed = []
for root, dirs, files in os.walk(home):
    dirs[:] = [d for d in dirs if watched(os.path.relpath(os.path.join(root, d), home)) and
               not os.path.islink(os.path.join(root, d))]
    for name in files + dirs:
        path = os.path.join(root, name)
        if watched(os.path.relpath(path, home)) and os.lstat(path).st_mtime > since:
            changed.append(path)

failure = ""
if changed:
    listing = "\n".join(sorted(changed)[:50])
    print(f"test: the run left these in the home folder:\n{listing}")
    failure = f'<failure message="the run wrote into the home folder">{escape(listing)}</failure>'
# CTest's report of the one check, and the check's own report of its one case.
report = ('<?xml version="1.0" encoding="UTF-8"?>\n<testsuite name="home" tests="1">\n'
          f'<testcase name="home_folder_untouched" status="run">{failure}</testcase>\n</testsuite>\n')
os.makedirs(os.path.join(out, "test-results"), exist_ok=True)
for path in ("ctest-junit.xml", "test-results/home_folder_untouched.xml"):
    with open(os.path.join(out, path), "w") as f:
        f.write(report)
