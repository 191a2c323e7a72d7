#!/usr/bin/env python3
"""home-untouched.py MARKER OUT: the check that a test run left the home folder as it found it.
Lists what changed in the home folder after MARKER was made, where a run of the tests could write:
the home folder's own files and folders (but the checkout, where it lies in the home folder), the
desktop's menus, icons and MIME types under .local/share and .config (Wine's menu builder writes
there; the prefixes' shell folders must not lead there), and ~/.wine (a Wine run without the
project's prefix). Other hidden folders belong to other programs of the machine and are not looked
at.
Writes OUT/ctest-junit.xml and OUT/test-results/ with one case, home_folder_untouched, for
summarize-tests.py."""
import os
import sys
from xml.sax.saxutils import escape

marker, out = sys.argv[1], sys.argv[2]
home = os.path.realpath(os.path.expanduser("~"))
checkout = os.path.realpath(os.path.join(os.path.dirname(__file__), ".."))
since = os.stat(marker).st_mtime


def watched(path):
    relative = os.path.relpath(path, home)
    top = relative.split(os.sep, 1)[0]
    return path != checkout and (not top.startswith(".") or top in (".wine", ".config") or
                                 relative.startswith(".local/share"))


def changed_since_mark(path):
    # A copy keeps its source's modification time; its change time is its own.
    try:
        status = os.lstat(path)
    except OSError:  # gone meanwhile: another program's file of a moment
        return False
    return max(status.st_mtime, status.st_ctime) > since


changed = []
for root, dirs, files in os.walk(home):
    dirs[:] = [d for d in dirs if watched(os.path.join(root, d)) and not os.path.islink(os.path.join(root, d))]
    changed += [os.path.join(root, name) for name in files + dirs
                if watched(os.path.join(root, name)) and changed_since_mark(os.path.join(root, name))]

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
