"""Prints where the Python package goes under an install prefix, relative to the prefix.

    python3 python-site-dir.py PREFIX

The folder of packages this interpreter imports from that lies under the prefix (the shortest,
where several do: /usr holds /usr/lib/python3/dist-packages and /usr/local/...); else the one a
Python installed under that prefix would keep its packages in.
"""
import os
import sys
import sysconfig

prefix = os.path.abspath(sys.argv[1])
found = [os.path.relpath(path, prefix) for path in sys.path
         if path and os.path.basename(path) in ("site-packages", "dist-packages")
         and os.path.abspath(path).startswith(prefix.rstrip(os.sep) + os.sep)]
if found:
    print(min(found, key=lambda path: (path.count(os.sep), path)))
else:
    scheme = "nt" if os.name == "nt" else "posix_prefix"
    purelib = sysconfig.get_path("purelib", scheme, vars={"base": prefix, "platbase": prefix})
    print(os.path.relpath(purelib, prefix))
