"""The shipped C++ sources of the tree: every .h and .cpp under a root except tests/, build
folders and hidden ones, in a stable order."""

import os


def shipped_sources(root):
    for dirpath, dirs, files in os.walk(root):
        rel = os.path.relpath(dirpath, root)
        dirs[:] = sorted(
            d for d in dirs
            if not d.startswith(".") and not d.startswith("build")
            and not (rel == "." and d == "tests"))
        for name in sorted(files):
            if name.endswith((".h", ".cpp")):
                yield os.path.join(dirpath, name)
